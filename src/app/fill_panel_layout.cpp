// The Fill panel's controls and where they stand.
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/fill_panel.h"
#include "app/fill_panel_texts.h"

namespace kven {

namespace {

// Scores setters give run from about 0 to 100; room around that.
constexpr int ScoreRange = 10000;
constexpr int MaxTimeLimit = 24 * 60 * 60;

}  // namespace

void FillPanel::Build() {
  auto* body = new QWidget(this);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

  pattern_ = new QLabel(body);
  pattern_->setFont(fixed);
  count_ = new QLabel(body);
  find_ = new QLineEdit(body);
  find_->setPlaceholderText(fill_text::FindHint);
  find_->setClearButtonEnabled(true);
  find_->setObjectName(QStringLiteral("FillFind"));
  anagram_ = new QCheckBox(fill_text::Anagram, body);
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
  timeLimit_ = new QSpinBox(body);
  timeLimit_->setRange(1, MaxTimeLimit);
  timeLimit_->setSuffix(fill_text::Seconds);
  minScore_ = new QSpinBox(body);
  minScore_->setRange(-ScoreRange, ScoreRange);
  wordList_ = new QPushButton(fill_text::WordList, body);
  addList_ = new QPushButton(fill_text::AddList, body);
  defaultList_ = new QPushButton(fill_text::DefaultList, body);
  avoidList_ = new QPushButton(fill_text::AvoidList, body);
  noAvoid_ = new QPushButton(fill_text::NoAvoidList, body);
  list_ = new QLabel(body);
  list_->setWordWrap(true);
  progress_ = new QLabel(body);
  message_ = new QLabel(body);
  message_->setWordWrap(true);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* findRow = new QHBoxLayout;
  findRow->addWidget(new QLabel(fill_text::Find, body));
  findRow->addWidget(find_, 1);
  findRow->addWidget(anagram_);
  auto* lists = new QGridLayout;
  lists->addWidget(wordList_, 0, 0);
  lists->addWidget(addList_, 0, 1);
  lists->addWidget(defaultList_, 0, 2);
  lists->addWidget(avoidList_, 1, 0);
  lists->addWidget(noAvoid_, 1, 1);
  auto* settings = new QHBoxLayout;
  settings->addWidget(new QLabel(fill_text::TimeLimit, body));
  settings->addWidget(timeLimit_);
  settings->addWidget(new QLabel(fill_text::MinScore, body));
  settings->addWidget(minScore_);
  settings->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fillGrid_);
  buttons->addWidget(fillSelection_);
  buttons->addWidget(stop_);

  auto* layout = new QVBoxLayout(body);
  layout->addWidget(pattern_);
  layout->addWidget(count_);
  layout->addLayout(findRow);
  layout->addWidget(suggestions_, 3);
  layout->addWidget(entriesLabel);
  layout->addWidget(entries_, 2);
  layout->addWidget(list_);
  layout->addLayout(lists);
  // What the fill says grows and shrinks above the lists' stretch: the
  // buttons below stay where a click aimed at them lands.
  layout->addWidget(message_);
  progress_->setMinimumHeight(progress_->fontMetrics().height());
  layout->addWidget(progress_);
  layout->addLayout(settings);
  layout->addLayout(buttons);
  setWidget(body);
}

}  // namespace kven
