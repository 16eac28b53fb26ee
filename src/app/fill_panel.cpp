// Before any Qt header: its "slots" keyword would rewrite a member of the problem.
#include "fill/fill_problem.h"
//
#include "app/fill_panel.h"

#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <random>

#include "app/dialogs.h"
#include "app/fill_job.h"
#include "app/fill_panel_texts.h"
#include "fill/suggest.h"

namespace kven {
namespace {

constexpr int WordRole = Qt::UserRole;
constexpr int EntryRole = Qt::UserRole;
constexpr int ShownSuggestions = 500;  // more would only be scrolled past
constexpr int ProgressIntervalMs = 100;

QString Names(const Puzzle& p, const std::vector<DiagramEntry>& entries) {
  QStringList names;
  for (const DiagramEntry& e : entries) names << QString::fromStdString(EntryName(p, e));
  return names.join(QStringLiteral(", "));
}

QString Seconds(double s) { return QString::number(s, 'f', 1); }

}  // namespace

FillPanel::FillPanel(FillHost host, Dialogs& dialogs, QWidget* parent)
    : QDockWidget(fill_text::Title, parent), host_(std::move(host)), dialogs_(dialogs) {
  setObjectName(QStringLiteral("FillPanel"));
  seed_ = std::random_device{}();
  auto* body = new QWidget(this);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

  pattern_ = new QLabel(body);
  pattern_->setFont(fixed);
  count_ = new QLabel(body);
  suggestions_ = new QListWidget(body);
  suggestions_->setFont(fixed);
  suggestions_->setObjectName(QStringLiteral("FillSuggestions"));
  auto* entriesLabel = new QLabel(fill_text::Entries, body);
  entriesLabel->setWordWrap(true);
  entries_ = new QListWidget(body);
  entries_->setFont(fixed);
  entries_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  entries_->setObjectName(QStringLiteral("FillEntries"));

  fillGrid_ = new QPushButton(fill_text::FillGrid, body);
  fillSelection_ = new QPushButton(fill_text::FillSelection, body);
  stop_ = new QPushButton(fill_text::Stop, body);
  wordList_ = new QPushButton(fill_text::WordList, body);
  list_ = new QLabel(fill_text::DefaultList, body);
  list_->setWordWrap(true);
  progress_ = new QLabel(body);
  message_ = new QLabel(body);
  message_->setWordWrap(true);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fillGrid_);
  buttons->addWidget(fillSelection_);
  buttons->addWidget(stop_);
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(wordList_);
  listRow->addWidget(list_, 1);
  auto* layout = new QVBoxLayout(body);
  layout->addWidget(pattern_);
  layout->addWidget(count_);
  layout->addWidget(suggestions_, 3);
  layout->addWidget(entriesLabel);
  layout->addWidget(entries_, 2);
  layout->addLayout(buttons);
  layout->addWidget(progress_);
  layout->addWidget(message_);
  layout->addLayout(listRow);
  setWidget(body);

  timer_ = new QTimer(this);
  timer_->setInterval(ProgressIntervalMs);
  connect(timer_, &QTimer::timeout, this, &FillPanel::Tick);
  connect(suggestions_, &QListWidget::itemActivated, this, &FillPanel::PutSuggestion);
  connect(fillGrid_, &QPushButton::clicked, this, [this] { StartFill(false); });
  connect(fillSelection_, &QPushButton::clicked, this, [this] { StartFill(true); });
  connect(stop_, &QPushButton::clicked, this, [this] {
    // Whatever the search finds from now on is not wanted.
    stopped_ = true;
    if (job_) job_->Stop();
  });
  connect(wordList_, &QPushButton::clicked, this, &FillPanel::ChooseList);
  UpdateButtons();
}

FillPanel::~FillPanel() = default;

bool FillPanel::Running() const { return job_ != nullptr; }

std::optional<DiagramEntry> FillPanel::CurrentEntry(const Puzzle& p, const EditorState& editor) {
  const bool across = editor.Direction == Direction::Right || editor.Direction == Direction::Left;
  return EntryAt(p, editor.CursorCol, editor.CursorRow, across ? EntryDirection::Across : EntryDirection::Down);
}

void FillPanel::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  // The list is read on first need, in the background, and only once.
  if (!index_ && !job_ && !loadFailed_) StartJob(false, {});
  Show(true);
}

bool FillPanel::eventFilter(QObject* watched, QEvent* event) {
  // The grid moves its cursor as it handles these; look once it has.
  switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
      QTimer::singleShot(0, this, &FillPanel::refresh);
      break;
    default:
      break;
  }
  return QDockWidget::eventFilter(watched, event);
}

void FillPanel::refresh() { Show(false); }

void FillPanel::Show(bool force) {
  if (!isVisible()) return;
  const Puzzle& p = host_.puzzle();
  const std::optional<DiagramEntry> entry = CurrentEntry(p, host_.editor());
  if (!force && shownPuzzle_ && *shownPuzzle_ == p && shownEntry_ == entry) return;
  shownPuzzle_ = p;
  shownEntry_ = entry;
  ShowEntries(p);
  suggestions_->clear();
  if (!entry) {
    pattern_->setText(fill_text::NoEntry);
    count_->clear();
    Mark({});
    return;
  }
  pattern_->setText(QString(fill_text::EntryPattern)
                        .arg(QString::fromStdString(EntryName(p, *entry)),
                             QString::fromStdString(fill::EntryLetters(p, *entry))));
  if (!index_) {
    count_->setText(job_ && job_->LoadsList() ? QString(fill_text::ReadingList) : QString());
    return;
  }
  const fill::Suggestions found = fill::SuggestWords(p, *entry, *index_, 0, ShownSuggestions);
  for (const fill::Suggestion& s : found.words) {
    auto* item = new QListWidgetItem(QStringLiteral("%1  %2").arg(QString::fromStdString(s.word)).arg(s.score),
                                     suggestions_);
    item->setData(WordRole, QString::fromStdString(s.word));
  }
  if (found.count == 1) count_->setText(fill_text::OneWord);
  else if (found.count > static_cast<int>(found.words.size()))
    count_->setText(QString(fill_text::ShowingFirst).arg(found.count).arg(found.words.size()));
  else count_->setText(QString(fill_text::WordCount).arg(found.count));
  if (found.count > 0) suggestions_->setCurrentRow(0);
  Mark(found.unfillable);
}

void FillPanel::ShowEntries(const Puzzle& p) {
  const std::vector<DiagramEntry> all = DiagramEntries(p);
  if (all != listedEntries_) {
    // Another diagram: a choice among the old entries means nothing now.
    listedEntries_ = all;
    entries_->clear();
    for (std::size_t i = 0; i < all.size(); ++i) {
      auto* item = new QListWidgetItem(entries_);
      item->setData(EntryRole, static_cast<int>(i));
    }
  }
  for (int i = 0; i < entries_->count(); ++i) {
    const DiagramEntry& e = listedEntries_[static_cast<std::size_t>(i)];
    entries_->item(i)->setText(QStringLiteral("%1  %2").arg(QString::fromStdString(EntryName(p, e)), -10)
                                   .arg(QString::fromStdString(fill::EntryLetters(p, e))));
  }
}

void FillPanel::Mark(const std::vector<DiagramEntry>& entries) {
  QList<QPoint> squares;
  for (const DiagramEntry& e : entries)
    for (const Square& s : EntrySquares(e)) squares.append(QPoint(s.col, s.row));
  // Silence when nothing was marked and nothing is: the check's marks stay.
  if (squares.isEmpty() && !marking_) return;
  marking_ = !squares.isEmpty();
  host_.mark(squares);
}

void FillPanel::PutSuggestion(QListWidgetItem* item) {
  if (item == nullptr || !shownEntry_) return;
  const std::string word = item->data(WordRole).toString().toStdString();
  const DiagramEntry e = *shownEntry_;
  if (static_cast<int>(word.size()) != e.length) return;
  const std::string letters = fill::EntryLetters(host_.puzzle(), e);
  std::vector<fill::PlacedLetter> placed;
  for (int i = 0; i < e.length; ++i) {
    const char there = letters[static_cast<std::size_t>(i)];
    const char wanted = word[static_cast<std::size_t>(i)];
    // A word shown for letters since changed would overwrite the new ones.
    if (there != '.' && there != wanted) return;
    if (there == '.') placed.push_back({EntrySquare(e, i).col, EntrySquare(e, i).row, wanted});
  }
  host_.place(fill_text::ChangeFillEntry, placed);
  refresh();
}

void FillPanel::ChooseList() {
  const QString name = dialogs_.getOpenFileName(this, listPath_, fill_text::ListFilter);
  if (name.isEmpty()) return;
  listPath_ = name;
  loadFailed_ = false;
  if (!job_) StartJob(false, {});
}

void FillPanel::StartFill(bool selectionOnly) {
  if (job_) return;
  const Puzzle& p = host_.puzzle();
  std::vector<DiagramEntry> only;
  if (selectionOnly) {
    for (const QListWidgetItem* item : entries_->selectedItems())
      only.push_back(listedEntries_[static_cast<std::size_t>(item->data(EntryRole).toInt())]);
    if (only.empty()) {
      const std::optional<DiagramEntry> current = CurrentEntry(p, host_.editor());
      if (!current) {
        message_->setText(fill_text::NoEntry);
        return;
      }
      only.push_back(*current);
    }
  }
  StartJob(true, std::move(only));
}

void FillPanel::StartJob(bool fill, std::vector<DiagramEntry> only) {
  FillJobInput input;
  input.loadList = !index_ || listPath_ != loadedPath_;
  input.listPath = listPath_.toStdString();
  input.index = index_;
  if (fill) {
    fillStart_ = host_.puzzle();
    input.puzzle = *fillStart_;
    input.options.only = std::move(only);
    input.options.seed = ++seed_;  // each run another fill
    input.options.timeLimitSeconds = timeLimit_;
    stopped_ = false;
    message_->clear();
  }
  if (input.loadList) list_->setText(fill_text::ReadingList);
  job_ = std::make_unique<FillJob>(std::move(input));
  progress_->clear();
  timer_->start();
  UpdateButtons();
}

void FillPanel::Tick() {
  if (!job_) {
    timer_->stop();
    return;
  }
  if (job_->Fills())
    progress_->setText(QString(fill_text::Progress)
                           .arg(job_->Progress().squaresFilled.load())
                           .arg(job_->Progress().restarts.load())
                           .arg(Seconds(job_->Seconds())));
  if (!job_->Done()) return;
  timer_->stop();
  const bool filled = job_->Fills();
  const double seconds = job_->Seconds();
  const QString path = QString::fromStdString(job_->ListPath());
  const FillJobOutput out = job_->Take();
  job_.reset();
  TakeList(out, path);
  // The last look may have caught the search between attempts.
  if (filled && out.result && out.result->status == fill::FillStatus::Filled)
    progress_->setText(QString(fill_text::Progress)
                           .arg(out.result->letters.size())
                           .arg(out.result->restarts)
                           .arg(Seconds(seconds)));
  UpdateButtons();
  Show(true);
  if (filled && out.result && fillStart_) ShowFillResult(*out.result, *fillStart_, seconds);
  fillStart_.reset();
  // A list chosen while another was being read is read now.
  if (!loadFailed_ && listPath_ != loadedPath_) StartJob(false, {});
}

void FillPanel::TakeList(const FillJobOutput& out, const QString& path) {
  const auto listName = [](const QString& name) {
    return name.isEmpty() ? QString(fill_text::DefaultList)
                          : QString(fill_text::ChosenList).arg(QFileInfo(name).fileName());
  };
  if (out.index) {
    index_ = out.index;
    loadedPath_ = path;
    loadFailed_ = false;
    list_->setText(listName(path));
    list_->setToolTip(QString::fromStdString(out.summary));
  } else if (out.load.status != fill::LoadStatus::Loaded) {
    // The list read before, if any, stays in use; one chosen meanwhile is
    // still to be read.
    message_->setText(QString::fromStdString(out.load.message));
    if (listPath_ == path) {
      loadFailed_ = true;
      listPath_ = loadedPath_;
    }
    list_->setText(listName(index_ ? loadedPath_ : listPath_));
  }
}

void FillPanel::ShowFillResult(const fill::FillResult& result, const Puzzle& start, double seconds) {
  switch (stopped_ ? fill::FillStatus::Stopped : result.status) {
    case fill::FillStatus::Filled:
      // The search worked on the puzzle as it was; letters put into another
      // one would break what the user did meanwhile.
      if (!(host_.puzzle() == start)) {
        message_->setText(fill_text::GridChanged);
        return;
      }
      host_.place(fill_text::ChangeFill, result.letters);
      message_->setText(QString(fill_text::Filled).arg(Seconds(seconds)));
      return;
    case fill::FillStatus::Stopped:
      message_->setText(fill_text::Stopped);
      return;
    case fill::FillStatus::NoFillExists:
    case fill::FillStatus::TimedOut: {
      QString why = result.status == fill::FillStatus::NoFillExists ? QString(fill_text::NoFillExists)
                                                                    : QString(fill_text::NoFillFound).arg(timeLimit_);
      if (!result.unfillable.empty()) {
        why += QString(fill_text::NoWordFits).arg(Names(start, result.unfillable));
        Mark(result.unfillable);
      }
      message_->setText(why);
      return;
    }
  }
}

void FillPanel::UpdateButtons() {
  const bool running = job_ != nullptr;
  fillGrid_->setEnabled(!running);
  fillSelection_->setEnabled(!running);
  stop_->setEnabled(running && job_->Fills());
  wordList_->setEnabled(!running || !job_->Fills());
}

}  // namespace kven
