#include "app/side_windows.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

#include "app/beside.h"
#include "app/check_window.h"
#include "app/clues_panel.h"
#include "app/fill_panel.h"
#include "app/form_host.h"
#include "app/kven_form_texts.h"
#include "document/document.h"
#include "fill/fill_search.h"
#include "render/kven_grid.h"

namespace kven {

namespace {

// A panel opens at least this tall and this wide where the screen has the
// room: lists want it. Narrower panels still fit beside the window on a
// 1280-pixel screen.
constexpr int PanelMinHeight = 480;
constexpr int PanelWidth = 380;

bool Floating(const QWidget& window) {
  const auto* dock = qobject_cast<const QDockWidget*>(&window);
  return dock == nullptr || dock->isFloating();
}

}  // namespace

SideWindows::SideWindows(FormHost& host, Dialogs& dialogs) : QObject(&host.window()), host_(host), dialogs_(dialogs) {
  QMainWindow& owner = host_.window();
  // The panels float beside the window, which keeps its own size and
  // layout; docked, they would take the grid's room. They dock at will.
  clues_ = new CluesPanel(&owner);
  owner.addDockWidget(Qt::RightDockWidgetArea, clues_);
  // Hidden before it floats: floated first and then hidden, it keeps telling
  // the origin as its place under some window managers once shown, and the
  // other side windows would not know to keep clear of it.
  clues_->hide();
  clues_->setFloating(true);
  clues_->installEventFilter(this);
  QAction* item = clues_->toggleViewAction();
  item->setObjectName(QLatin1String("miClues"));
  item->setText(form_text::MenuClues);

  connect(clues_, &CluesPanel::entryChosen, this,
          [this](const QList<QPoint>& squares) { host_.grid().MarkSquares(squares); });
  connect(clues_, &CluesPanel::textEdited, this, [this](const QString& text) {
    EditChosenClue(form_text::change::Clue,
                   [&](std::size_t i) { SetClueText(host_.document().clues(), i, text.toStdString()); });
  });
  connect(clues_, &CluesPanel::enumerationEdited, this, [this](const QString& text) {
    EditChosenClue(form_text::change::Enumeration,
                   [&](std::size_t i) { SetClueEnumeration(host_.document().clues(), i, text.toStdString()); });
  });
  connect(clues_, &CluesPanel::deleteRequested, this, [this](std::size_t aside) {
    host_.Change(form_text::change::DeleteClue, [&] { DeleteClue(host_.document().clues(), aside); });
  });
  connect(clues_, &QDockWidget::visibilityChanged, this, [this] { ShowClues(); });
  ShowClues();
}

SideWindows::~SideWindows() = default;

QAction* SideWindows::cluesItem() const { return clues_->toggleViewAction(); }

void SideWindows::ShowCheck() {
  if (check_ == nullptr) {
    check_ = new CheckWindow([this] { return host_.document().puzzle(); }, &host_.window());
    check_->SetCluesSource([this] { return host_.document().clues(); });
    connect(check_, &CheckWindow::findingSelected, this,
            [this](const QList<QPoint>& squares) { host_.grid().MarkSquares(squares); });
  }
  if (check_->isVisible()) {
    check_->checkAgain();
  } else {
    // Each opening: the main window may have moved since.
    Place(*check_, Wanted(*check_));
  }
  check_->show();
  check_->raise();
  check_->activateWindow();
}

void SideWindows::ShowFill() {
  if (fill_ == nullptr) {
    FillHost fill;
    fill.puzzle = [this]() -> const Puzzle& { return host_.document().puzzle(); };
    fill.editor = [this]() -> const EditorState& { return host_.document().editor(); };
    fill.place = [this](const char* name, const std::vector<fill::PlacedLetter>& letters) {
      host_.Change(name, [&] { fill::PlaceLetters(host_.document().puzzle(), host_.grid(), letters); });
    };
    fill.mark = [this](const QList<QPoint>& squares) { host_.grid().MarkSquares(squares); };
    fill.shade = [this](const QList<QPoint>& squares) { host_.grid().ShadeSquares(squares); };
    fill_ = new FillPanel(std::move(fill), dialogs_, &host_.window());
    host_.window().addDockWidget(Qt::RightDockWidgetArea, fill_);
    fill_->setFloating(true);
    fill_->installEventFilter(this);
    host_.grid().installEventFilter(fill_);
  }
  fill_->show();
  fill_->raise();
}

void SideWindows::RevealClues() { clues_->show(); }

void SideWindows::ShowClues() { clues_->Show(host_.document().puzzle(), host_.document().clues()); }

void SideWindows::ForgetFindings() {
  if (check_ != nullptr) check_->clearSelection();
  host_.grid().MarkSquares({});
  if (fill_ != nullptr) fill_->refresh();
}

void SideWindows::SquarePressed(int col, int row) {
  if (clues_->isVisible()) clues_->ChooseSquare(col, row);
}

void SideWindows::EditChosenClue(const char* what, const std::function<void(std::size_t)>& edit) {
  const std::optional<ClueTarget> chosen = clues_->Chosen();
  if (!chosen) return;
  PuzzleClues& clues = host_.document().clues();
  Clue named;
  if (chosen->entry) {
    named.direction = chosen->entry->direction;
    named.col = chosen->entry->col;
    named.row = chosen->entry->row;
  } else if (chosen->aside < clues.clues.size()) {
    named = clues.clues[chosen->aside];
  } else {
    return;
  }
  host_.Change(std::string(what) + " " + ClueName(named, host_.document().puzzle()), [&] {
    edit(chosen->entry ? ClueFor(clues, *chosen->entry) : chosen->aside);
  }, true);
}

QList<QWidget*> SideWindows::Windows() const {
  QList<QWidget*> windows{clues_};
  if (check_ != nullptr) windows << check_;
  if (fill_ != nullptr) windows << fill_;
  return windows;
}

bool SideWindows::eventFilter(QObject* watched, QEvent* event) {
  // A panel is placed at its first showing, before it is on the screen; the
  // user may move it from there.
  if (event->type() == QEvent::Show && (watched == clues_ || watched == fill_)) {
    auto* panel = static_cast<QWidget*>(watched);
    if (!placed_.contains(panel) && Floating(*panel)) {
      placed_ << panel;
      Place(*panel, Wanted(*panel));
    }
  }
  return QObject::eventFilter(watched, event);
}

QSize SideWindows::Wanted(const QWidget& window) const {
  // The check window has the size it was made with; a panel what its
  // contents ask, as tall as the main window.
  if (&window == check_) return window.size().expandedTo(window.minimumSizeHint());
  const QSize hinted = window.sizeHint().expandedTo(window.minimumSizeHint());
  return hinted.expandedTo(QSize(PanelWidth, std::max(PanelMinHeight, host_.window().height())));
}

void SideWindows::Place(QWidget& window, QSize size, const QList<QWidget*>& moving) {
  const QMainWindow& owner = host_.window();
  QList<QRect> taken;
  for (const QWidget* other : Windows())
    if (other != &window && !moving.contains(other) && other->isVisible() && Floating(*other))
      taken << other->frameGeometry();
  const QMenuBar* menus = owner.menuBar();
  const int menusBottom = menus->mapToGlobal(QPoint(0, menus->height())).y();
  PlaceBeside(window, size, window.minimumSizeHint().expandedTo(window.minimumSize()), owner, menusBottom, taken);
}

void SideWindows::KeepBeside() {
  QList<QWidget*> moving;
  for (QWidget* window : Windows())
    if (window->isVisible() && Floating(*window) && Overlaps(*window, host_.window())) moving << window;
  // Each finds its place among those staying and those already moved.
  while (!moving.isEmpty()) {
    QWidget* window = moving.takeFirst();
    Place(*window, window->size(), moving);
  }
}

}  // namespace kven
