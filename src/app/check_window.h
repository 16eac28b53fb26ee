#pragma once

#include <QDialog>
#include <QList>
#include <QPoint>
#include <functional>

#include "check/check_report.h"
#include "clues/puzzle_clues.h"
#include "model/puzzle.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace kven {

// The Check Diagram window: the report of the diagram check with a style
// chooser, the findings and a table of the entries. Not modal, so the user
// edits the puzzle and checks again while it stays open. It knows nothing of
// the main window: it reads the puzzle through the function it is given and
// tells which squares to mark through findingSelected.
class CheckWindow : public QDialog {
  Q_OBJECT

 public:
  using PuzzleSource = std::function<Puzzle()>;

  explicit CheckWindow(PuzzleSource puzzle, QWidget* parent = nullptr);
  // Where the clues come from, for the findings of entries without a clue.
  void SetCluesSource(std::function<PuzzleClues()> clues) { clues_ = std::move(clues); }

  // The report on show, for tests and callers.
  const CheckReport& report() const { return report_; }
  // The chosen style; Automatic picks it by the diagram's kind.
  CheckStyle chosenStyle() const;

  // Controls, for tests and for driving the window.
  QComboBox* styleBox() const { return styleBox_; }
  QSpinBox* minLengthBox() const { return minLength_; }
  QSpinBox* barredMinBox() const { return barredMin_; }
  QSpinBox* barredMaxBox() const { return barredMax_; }
  QPushButton* checkAgainButton() const { return checkAgain_; }
  QPushButton* closeButton() const { return close_; }
  QLabel* summaryLabel() const { return summary_; }
  QListWidget* findingList() const { return findings_; }
  QTreeWidget* entryTable() const { return entries_; }

 public slots:
  // Reads the puzzle again and shows its report. A finding or entry that was
  // selected is no longer, and findingSelected tells so.
  void checkAgain();
  // Drops the selection (the main window calls this after an edit); emits
  // an empty list when something was selected.
  void clearSelection();

 signals:
  // The squares [col, row] of the selected finding or entry; empty when
  // nothing is selected any more or the window is hidden or closed.
  void findingSelected(QList<QPoint> squares);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowReport();
  void FindingSelectionChanged();
  void EntrySelectionChanged();
  void Emit(const std::vector<SquarePos>& squares);
  // Both lists lose their selection without telling their handlers.
  void UnselectQuietly();

  PuzzleSource puzzle_;
  std::function<PuzzleClues()> clues_;
  CheckReport report_;
  bool marking_ = false;  // the last list sent was not empty

  QComboBox* styleBox_ = nullptr;
  QSpinBox* minLength_ = nullptr;
  QSpinBox* barredMin_ = nullptr;
  QSpinBox* barredMax_ = nullptr;
  QPushButton* checkAgain_ = nullptr;
  QPushButton* close_ = nullptr;
  QLabel* summary_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QListWidget* findings_ = nullptr;
  QTreeWidget* entries_ = nullptr;
};

}  // namespace kven
