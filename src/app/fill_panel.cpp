// Before any Qt header: its "slots" keyword would rewrite a member of the problem.
#include "fill/fill_problem.h"
//
#include "app/fill_panel.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <random>

#include "app/dialogs.h"
#include "app/fill_job.h"
#include "app/fill_panel_texts.h"
#include "app/program_settings.h"
#include "app/word_list_source.h"
#include "fill/fill_quality.h"
#include "fill/suggest.h"
#include "fill/word_search.h"

namespace kven {
namespace {

constexpr int WordRole = Qt::UserRole;
constexpr int EntryRole = Qt::UserRole;
constexpr int ShownSuggestions = 500;  // more would only be scrolled past

QString Names(const Puzzle& p, const std::vector<DiagramEntry>& entries) {
  QStringList names;
  for (const DiagramEntry& e : entries) names << QString::fromStdString(EntryName(p, e));
  return names.join(QStringLiteral(", "));
}

QString Seconds(double s) { return QString::number(s, 'f', 1); }

QList<QPoint> Squares(const std::vector<DiagramEntry>& entries) {
  QList<QPoint> squares;
  for (const DiagramEntry& e : entries)
    for (const Square& s : EntrySquares(e)) squares.append(QPoint(s.col, s.row));
  return squares;
}

}  // namespace

FillPanel::FillPanel(FillHost host, Dialogs& dialogs, QWidget* parent)
    : QDockWidget(fill_text::Title, parent), host_(std::move(host)), dialogs_(dialogs) {
  setObjectName(QStringLiteral("FillPanel"));
  seed_ = std::random_device{}();
  Build();
  const fill::FillOptions defaults;
  timeLimit_->setValue(ProgramSettings().value(fill_text::TimeLimitKey, defaults.timeLimitSeconds).toInt());
  minScore_->setValue(ProgramSettings().value(fill_text::MinScoreKey, defaults.minScore).toInt());
  source_ = new WordListSource({}, this);

  connect(suggestions_, &QListWidget::itemActivated, this, &FillPanel::PutSuggestion);
  connect(find_, &QLineEdit::textChanged, this, &FillPanel::ShowWords);
  connect(anagram_, &QCheckBox::toggled, this, &FillPanel::ShowWords);
  connect(fillGrid_, &QPushButton::clicked, this, [this] { StartFill(false); });
  connect(fillSelection_, &QPushButton::clicked, this, [this] { StartFill(true); });
  connect(stop_, &QPushButton::clicked, this, [this] {
    if (job_ != nullptr) job_->Stop();
  });
  connect(timeLimit_, &QSpinBox::valueChanged, this,
          [](int s) { ProgramSettings().setValue(fill_text::TimeLimitKey, s); });
  connect(minScore_, &QSpinBox::valueChanged, this, [this](int s) {
    ProgramSettings().setValue(fill_text::MinScoreKey, s);
    Show(true);
  });
  connect(wordList_, &QPushButton::clicked, this, [this] { ChooseList(false); });
  connect(addList_, &QPushButton::clicked, this, [this] { ChooseList(true); });
  connect(defaultList_, &QPushButton::clicked, source_, &WordListSource::UseDefault);
  connect(avoidList_, &QPushButton::clicked, this, &FillPanel::ChooseAvoid);
  connect(noAvoid_, &QPushButton::clicked, this, [this] { source_->SetAvoid(QString()); });
  connect(source_, &WordListSource::loadingStarted, this, [this] {
    list_->setText(fill_text::ReadingList);
    UpdateButtons();
  });
  connect(source_, &WordListSource::loaded, this, [this] {
    list_->setText(source_->Description());
    list_->setToolTip(source_->Summary());
    UpdateButtons();
    Show(true);
  });
  connect(source_, &WordListSource::failed, this, [this](const QString& message) {
    list_->setText(source_->Description());
    Tell(message);
    UpdateButtons();
  });
  UpdateButtons();
}

FillPanel::~FillPanel() = default;

bool FillPanel::Running() const { return job_ != nullptr || source_->Loading(); }

void FillPanel::SetDefaultListPlace(fill::DefaultListPlace place) { source_->SetDefaultPlace(std::move(place)); }

std::optional<DiagramEntry> FillPanel::CurrentEntry(const Puzzle& p, const EditorState& editor) {
  const bool across = editor.Direction == Direction::Right || editor.Direction == Direction::Left;
  return EntryAt(p, editor.CursorCol, editor.CursorRow, across ? EntryDirection::Across : EntryDirection::Down);
}

void FillPanel::showEvent(QShowEvent* event) {
  QDockWidget::showEvent(event);
  // The list is read on first need, in the background.
  if (!source_->Index() && !source_->Loading()) source_->UseDefault();
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
  // What was said, and shaded, was about another puzzle.
  if (toldPuzzle_ && !(*toldPuzzle_ == p)) {
    Tell(QString());
    Shade({});
    if (!job_) progress_->clear();
  }
  ShowEntries(p);
  pattern_->setText(entry ? QString(fill_text::EntryPattern)
                                .arg(QString::fromStdString(EntryName(p, *entry)),
                                     QString::fromStdString(fill::EntryLetters(p, *entry)))
                          : QString(fill_text::NoEntry));
  ShowWords();
}

void FillPanel::ShowWords() {
  suggestions_->clear();
  count_->clear();
  const std::shared_ptr<const fill::WordIndex> index = source_->Index();
  if (!index) {
    if (source_->Loading()) count_->setText(fill_text::ReadingList);
    return;
  }
  const auto add = [this](const std::string& word, int score) {
    auto* item = new QListWidgetItem(QString(fill_text::WordAndScore).arg(QString::fromStdString(word)).arg(score),
                                     suggestions_);
    item->setData(WordRole, QString::fromStdString(word));
  };
  const std::string wanted = find_->text().trimmed().toStdString();
  if (!wanted.empty()) {
    // A look-up by pattern or anagram, as kventool words does it.
    std::optional<std::vector<fill::FoundWord>> found;
    if (anagram_->isChecked()) {
      found = fill::Anagrams(*index, wanted, minScore_->value(), ShownSuggestions);
    } else if (const std::optional<std::string> pattern = fill::ReadPattern(wanted)) {
      found = fill::MatchPattern(*index, *pattern, minScore_->value(), ShownSuggestions);
    }
    if (!found) {
      count_->setText(anagram_->isChecked() ? fill_text::BadAnagram : fill_text::BadPattern);
      return;
    }
    for (const fill::FoundWord& w : *found) add(w.word, w.score);
    count_->setText(QString(fill_text::Found).arg(found->size()));
    if (!found->empty()) suggestions_->setCurrentRow(0);
    return;
  }
  if (!shownEntry_) {
    Mark({});
    return;
  }
  const Puzzle& p = host_.puzzle();
  const fill::Suggestions found = fill::SuggestWords(p, *shownEntry_, *index, minScore_->value(), ShownSuggestions);
  for (const fill::Suggestion& s : found.words) add(s.word, s.score);
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
  const QList<QPoint> squares = Squares(entries);
  // Silence when nothing was marked and nothing is: the check's marks stay.
  if (squares.isEmpty() && !marking_) return;
  marking_ = !squares.isEmpty();
  host_.mark(squares);
}

void FillPanel::Shade(const std::vector<DiagramEntry>& entries) {
  const QList<QPoint> squares = Squares(entries);
  if (squares.isEmpty() && !shading_) return;
  shading_ = !squares.isEmpty();
  if (host_.shade) host_.shade(squares);
}

void FillPanel::Tell(const QString& message) {
  message_->setText(message);
  toldPuzzle_ = host_.puzzle();
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

void FillPanel::ChooseList(bool over) {
  const QString name = dialogs_.getOpenFileName(this, QString(), fill_text::ListFilter);
  if (name.isEmpty()) return;
  if (over) source_->PutOver(name);
  else source_->UseOnly(name);
}

void FillPanel::ChooseAvoid() {
  const QString name = dialogs_.getOpenFileName(this, QString(), fill_text::ListFilter);
  if (!name.isEmpty()) source_->SetAvoid(name);
}

fill::FillOptions FillPanel::Options() const {
  fill::FillOptions options;
  options.timeLimitSeconds = timeLimit_->value();
  options.minScore = minScore_->value();
  options.seed = seed_;
  return options;
}

void FillPanel::StartFill(bool selectionOnly) {
  if (job_ != nullptr || !source_->Index()) return;
  const Puzzle& p = host_.puzzle();
  fill::FillOptions options = Options();
  if (selectionOnly) {
    for (const QListWidgetItem* item : entries_->selectedItems())
      options.only.push_back(listedEntries_[static_cast<std::size_t>(item->data(EntryRole).toInt())]);
    if (options.only.empty()) {
      const std::optional<DiagramEntry> current = CurrentEntry(p, host_.editor());
      if (!current) {
        Tell(fill_text::NoEntry);
        return;
      }
      options.only.push_back(*current);
    }
  }
  options.seed = ++seed_;  // each run another fill
  fillStart_ = p;
  Tell(QString());
  Shade({});
  progress_->clear();
  job_ = new FillJob(source_->Index(), p, std::move(options), search_, this);
  connect(job_, &FillJob::progressed, this, [this](int squares, int restarts) {
    progress_->setText(QString(fill_text::Progress).arg(squares).arg(restarts).arg(Seconds(job_->Seconds())));
  });
  connect(job_, &FillJob::finished, this, &FillPanel::FillFinished);
  UpdateButtons();
}

void FillPanel::FillFinished() {
  FillJob* job = job_;
  job_ = nullptr;
  job->deleteLater();
  const double seconds = job->Seconds();
  QString error;
  const std::optional<fill::FillResult> result = job->Result(error);
  UpdateButtons();
  if (!result) {
    Tell(QString(fill_text::FillError).arg(error));
  } else {
    fill::FillResult shown = *result;
    // Whatever the search found once Stop was pressed is not wanted.
    if (job->Stopped()) shown.status = fill::FillStatus::Stopped;
    ShowFillResult(shown, *fillStart_, seconds);
    // After the letters went in, which clears what was said of the puzzle before.
    if (result->status == fill::FillStatus::Filled)
      progress_->setText(QString(fill_text::Progress).arg(result->letters.size()).arg(result->restarts).arg(Seconds(seconds)));
  }
  fillStart_.reset();
}

void FillPanel::ShowFillResult(const fill::FillResult& result, const Puzzle& start, double seconds) {
  switch (result.status) {
    case fill::FillStatus::Filled: {
      // The search worked on the puzzle as it was; letters put into another
      // one would break what the user did meanwhile.
      if (!(host_.puzzle() == start)) {
        Tell(fill_text::GridChanged);
        return;
      }
      host_.place(fill_text::ChangeFill, result.letters);
      const fill::FillQuality q = fill::MeasureFill(result.entries, fill::FillOptions{}.weakBelow);
      std::vector<DiagramEntry> weak;
      for (const fill::FilledEntry& e : q.weak) weak.push_back(e.entry);
      Tell(QString(fill_text::Filled).arg(Seconds(seconds)) +
           QString(fill_text::Quality).arg(q.lowest).arg(q.mean, 0, 'f', 1).arg(q.weak.size()).arg(q.weakBelow));
      Shade(weak);
      Show(true);
      return;
    }
    case fill::FillStatus::Stopped:
      Tell(fill_text::Stopped);
      return;
    case fill::FillStatus::NoFillExists:
    case fill::FillStatus::TimedOut: {
      QString why = result.status == fill::FillStatus::NoFillExists
                        ? QString(fill_text::NoFillExists)
                        : QString(fill_text::NoFillFound).arg(timeLimit_->value());
      if (!result.unfillable.empty()) {
        why += QString(fill_text::NoWordFits).arg(Names(start, result.unfillable));
        Mark(result.unfillable);
      }
      Tell(why);
      return;
    }
  }
}

void FillPanel::UpdateButtons() {
  const bool filling = job_ != nullptr;
  const bool ready = source_->Index() != nullptr && !source_->Loading();
  fillGrid_->setEnabled(!filling && ready);
  fillSelection_->setEnabled(!filling && ready);
  stop_->setEnabled(filling);
  for (QPushButton* b : {wordList_, addList_, defaultList_, avoidList_, noAvoid_}) b->setEnabled(!filling);
}

}  // namespace kven
