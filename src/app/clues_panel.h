#pragma once

#include <QDockWidget>
#include <QList>
#include <QPoint>
#include <optional>

#include "clues/puzzle_clues.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kven {

// What a line of the Clues panel stands for: an entry of the diagram, or a
// clue kept without an entry (by its index in the store).
struct ClueTarget {
  std::optional<EntryKey> entry;
  std::size_t aside = 0;
};

// The Clues panel: the across and down clues of the puzzle (number,
// enumeration, text shown plain; an enumeration that does not fit its
// entry in red, saying why) and those without an entry, with fields
// that edit the chosen clue's text (as written, markup included) and
// enumeration. It changes nothing itself: it says what the user chose and
// typed, and the window makes the change and shows the result through Show.
class CluesPanel : public QDockWidget {
  Q_OBJECT

 public:
  explicit CluesPanel(QWidget* parent = nullptr);

  // Shows the clues of the puzzle, keeping the line chosen where it still is.
  void Show(const Puzzle& p, const PuzzleClues& clues);
  // Chooses the clue of an entry through the square: the across entry
  // first, the down one when the across clue is chosen already.
  void ChooseSquare(int col, int row);
  // Moves to the next (or previous) clue of the lists.
  void ChooseNext(int step = 1);
  std::optional<ClueTarget> Chosen() const;

  QTreeWidget* clueTree() const { return tree_; }
  QLineEdit* textField() const { return text_; }
  QLineEdit* enumerationField() const { return enumeration_; }
  QPushButton* deleteButton() const { return delete_; }

 signals:
  // The squares of the chosen clue's entry; empty when it has none.
  void entryChosen(QList<QPoint> squares);
  void textEdited(QString text);
  void enumerationEdited(QString enumeration);
  void deleteRequested(std::size_t aside);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChosenChanged();
  void Choose(QTreeWidgetItem* item);
  QList<QTreeWidgetItem*> ClueItems() const;

  QTreeWidget* tree_ = nullptr;
  QLineEdit* text_ = nullptr;
  QLineEdit* enumeration_ = nullptr;
  QPushButton* delete_ = nullptr;
  const Puzzle* puzzle_ = nullptr;
  const PuzzleClues* clues_ = nullptr;
};

}  // namespace kven
