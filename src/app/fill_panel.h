#pragma once

#include <QDockWidget>
#include <QList>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "fill/fill_search.h"
#include "model/editor_state.h"
#include "model/entries.h"
#include "model/puzzle.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

namespace kven {

class Dialogs;
class FillJob;
struct FillJobOutput;

// What the panel sees of the main window: the puzzle and cursor it reads,
// the one way it changes the puzzle (letters put in as one undo step of the
// name given), and the squares it frames on the grid.
struct FillHost {
  std::function<const Puzzle&()> puzzle;
  std::function<const EditorState&()> editor;
  std::function<void(const char* stepName, const std::vector<fill::PlacedLetter>&)> place;
  std::function<void(const QList<QPoint>&)> mark;
};

// The Fill panel: the words that fit the entry under the solution cursor,
// and filling the grid or chosen entries on a copy of the puzzle in a
// worker thread while the window goes on.
class FillPanel : public QDockWidget {
  Q_OBJECT

 public:
  FillPanel(FillHost host, Dialogs& dialogs, QWidget* parent = nullptr);
  ~FillPanel() override;

  // The entry under the cursor: across when it runs right or left, down
  // when it runs down or up; none when no entry holds its square.
  static std::optional<DiagramEntry> CurrentEntry(const Puzzle& p, const EditorState& editor);

  bool Running() const;

  // Controls, for tests and for driving the panel.
  QLabel* patternLabel() const { return pattern_; }
  QLabel* countLabel() const { return count_; }
  QListWidget* suggestionList() const { return suggestions_; }
  QListWidget* entryList() const { return entries_; }
  QPushButton* fillGridButton() const { return fillGrid_; }
  QPushButton* fillSelectionButton() const { return fillSelection_; }
  QPushButton* stopButton() const { return stop_; }
  QPushButton* wordListButton() const { return wordList_; }
  QLabel* progressLabel() const { return progress_; }
  QLabel* messageLabel() const { return message_; }

 public slots:
  // Shows the puzzle and cursor as they are now; does nothing when neither
  // changed since it last showed them.
  void refresh();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show(bool force);
  void ShowEntries(const Puzzle& p);
  void Mark(const std::vector<DiagramEntry>& entries);
  void PutSuggestion(QListWidgetItem* item);
  void ChooseList();
  void StartFill(bool selectionOnly);
  void StartJob(bool fill, std::vector<DiagramEntry> only);
  void Tick();
  void TakeList(const FillJobOutput& out, const QString& path);
  void ShowFillResult(const fill::FillResult& result, const Puzzle& start, double seconds);
  void UpdateButtons();

  FillHost host_;
  Dialogs& dialogs_;
  std::shared_ptr<const fill::WordIndex> index_;
  QString listPath_;    // the list chosen for the run; empty: the default
  QString loadedPath_;  // the list index_ holds
  bool loadFailed_ = false;
  std::unique_ptr<FillJob> job_;
  std::optional<Puzzle> fillStart_;  // the puzzle as the running fill found it
  bool stopped_ = false;  // Stop was pressed during the running fill
  double timeLimit_ = 30;
  std::uint64_t seed_ = 0;

  // What is on show.
  std::optional<Puzzle> shownPuzzle_;
  std::optional<DiagramEntry> shownEntry_;
  std::vector<DiagramEntry> listedEntries_;
  bool marking_ = false;

  QLabel* pattern_ = nullptr;
  QLabel* count_ = nullptr;
  QListWidget* suggestions_ = nullptr;
  QListWidget* entries_ = nullptr;
  QPushButton* fillGrid_ = nullptr;
  QPushButton* fillSelection_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* wordList_ = nullptr;
  QLabel* list_ = nullptr;
  QLabel* progress_ = nullptr;
  QLabel* message_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace kven
