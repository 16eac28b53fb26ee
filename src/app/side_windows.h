#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <cstddef>
#include <functional>

class QAction;
class QWidget;

namespace kven {

class CheckWindow;
class CluesPanel;
class Dialogs;
class FillPanel;
class FormHost;

// The main window's side windows: the Clues panel, the Check Diagram window
// and the Fill panel. The Clues panel is made at once (its menu item is its
// own), the others at their first showing. Each opens beside the main
// window, clear of the others where the screen has room and never over the
// main window's menus, and moves beside it again when the main window grows
// over it. What they change of the document goes through the host as one
// change each.
class SideWindows : public QObject {
  Q_OBJECT

 public:
  SideWindows(FormHost& host, Dialogs& dialogs);
  ~SideWindows() override;

  // Entry > Clues: shows and hides the Clues panel.
  QAction* cluesItem() const;
  // Entry > Check Diagram: the window opens, or checks again while open.
  void ShowCheck();
  // Entry > Fill.
  void ShowFill();
  // The Clues panel comes up.
  void RevealClues();
  // The Clues panel shows the document's clues as they are now.
  void ShowClues();
  // What a finding or the fill framed on the grid was about the diagram
  // before a change: the frames go.
  void ForgetFindings();
  // A square pressed on the grid chooses its clue while the panel is on show.
  void SquarePressed(int col, int row);
  // The main window changed its size: a side window it now lies over moves
  // beside it again.
  void KeepBeside();

  CluesPanel& clues() const { return *clues_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Beside the main window, at `size` without its frame, clear of the
  // other side windows on show but those `moving` as well.
  void Place(QWidget& window, QSize size, const QList<QWidget*>& moving = {});
  // The size a side window opens at, without its frame.
  QSize Wanted(const QWidget& window) const;
  QList<QWidget*> Windows() const;
  // An edit of the clue chosen in the panel; a burst of typing in one clue is one step.
  void EditChosenClue(const char* what, const std::function<void(std::size_t)>& edit);

  FormHost& host_;
  Dialogs& dialogs_;
  CluesPanel* clues_ = nullptr;
  CheckWindow* check_ = nullptr;  // children of the main window
  FillPanel* fill_ = nullptr;
  QList<QWidget*> placed_;  // opened once, and placed then
};

}  // namespace kven
