#pragma once

#include <QDockWidget>
#include <QList>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/fill_job.h"
#include "fill/default_list.h"
#include "fill/fill_search.h"
#include "model/editor_state.h"
#include "model/entries.h"
#include "model/puzzle.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;

namespace kven {

class Dialogs;
class WordListSource;

// What the panel sees of the main window: the puzzle and cursor it reads,
// the one way it changes the puzzle (letters put in as one undo step of the
// name given), the squares it frames on the grid and those it shades.
struct FillHost {
  std::function<const Puzzle&()> puzzle;
  std::function<const EditorState&()> editor;
  std::function<void(const char* stepName, const std::vector<fill::PlacedLetter>&)> place;
  std::function<void(const QList<QPoint>&)> mark;
  std::function<void(const QList<QPoint>&)> shade;
};

// The Fill panel, a view: the words that fit the entry under the solution
// cursor or match a pattern, the word lists in use, and filling the grid or
// chosen entries on a copy of the puzzle in the background while the window
// goes on. Its time limit and minimum score are remembered.
class FillPanel : public QDockWidget {
  Q_OBJECT

 public:
  FillPanel(FillHost host, Dialogs& dialogs, QWidget* parent = nullptr);
  ~FillPanel() override;

  // The entry under the cursor: across when it runs right or left, down
  // when it runs down or up; none when no entry holds its square.
  static std::optional<DiagramEntry> CurrentEntry(const Puzzle& p, const EditorState& editor);

  bool Running() const;
  // Where the default list is read from (tests give a folder of their own).
  void SetDefaultListPlace(fill::DefaultListPlace place);
  // What Fill Grid and Fill Selection run: the fill search at first.
  void SetSearch(FillSearch search) { search_ = std::move(search); }

  // Controls, for tests and for driving the panel.
  QLabel* patternLabel() const { return pattern_; }
  QLabel* countLabel() const { return count_; }
  QLineEdit* findField() const { return find_; }
  QCheckBox* anagramBox() const { return anagram_; }
  QListWidget* suggestionList() const { return suggestions_; }
  QListWidget* entryList() const { return entries_; }
  QPushButton* fillGridButton() const { return fillGrid_; }
  QPushButton* fillSelectionButton() const { return fillSelection_; }
  QPushButton* stopButton() const { return stop_; }
  QSpinBox* timeLimitBox() const { return timeLimit_; }
  QSpinBox* minScoreBox() const { return minScore_; }
  QPushButton* wordListButton() const { return wordList_; }
  QPushButton* addListButton() const { return addList_; }
  QPushButton* defaultListButton() const { return defaultList_; }
  QPushButton* avoidListButton() const { return avoidList_; }
  QPushButton* noAvoidButton() const { return noAvoid_; }
  QLabel* listLabel() const { return list_; }
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
  void Build();
  void Show(bool force);
  void ShowWords();
  void ShowEntries(const Puzzle& p);
  void Mark(const std::vector<DiagramEntry>& entries);
  void Shade(const std::vector<DiagramEntry>& entries);
  void Tell(const QString& message);
  void PutSuggestion(QListWidgetItem* item);
  void ChooseList(bool over);
  void ChooseAvoid();
  void StartFill(bool selectionOnly);
  void FillFinished();
  void ShowFillResult(const fill::FillResult& result, const Puzzle& start, double seconds);
  void UpdateButtons();
  fill::FillOptions Options() const;

  FillHost host_;
  Dialogs& dialogs_;
  WordListSource* source_ = nullptr;
  FillJob* job_ = nullptr;
  FillSearch search_ = fill::FillGrid;
  std::optional<Puzzle> fillStart_;  // the puzzle as the running fill found it
  std::uint64_t seed_ = 0;

  // What is on show.
  std::optional<Puzzle> shownPuzzle_;
  std::optional<DiagramEntry> shownEntry_;
  std::vector<DiagramEntry> listedEntries_;
  std::optional<Puzzle> toldPuzzle_;  // the puzzle the message and the shading are about
  bool marking_ = false;
  bool shading_ = false;

  QLabel* pattern_ = nullptr;
  QLabel* count_ = nullptr;
  QLineEdit* find_ = nullptr;
  QCheckBox* anagram_ = nullptr;
  QListWidget* suggestions_ = nullptr;
  QListWidget* entries_ = nullptr;
  QPushButton* fillGrid_ = nullptr;
  QPushButton* fillSelection_ = nullptr;
  QPushButton* stop_ = nullptr;
  QSpinBox* timeLimit_ = nullptr;
  QSpinBox* minScore_ = nullptr;
  QPushButton* wordList_ = nullptr;
  QPushButton* addList_ = nullptr;
  QPushButton* defaultList_ = nullptr;
  QPushButton* avoidList_ = nullptr;
  QPushButton* noAvoid_ = nullptr;
  QLabel* list_ = nullptr;
  QLabel* progress_ = nullptr;
  QLabel* message_ = nullptr;
};

}  // namespace kven
