#include "app/check_window.h"

#include "check/check_clues.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "check/check_diagram.h"
#include "check/check_text.h"

namespace kven {
namespace {

constexpr int IndexRole = Qt::UserRole;
constexpr int MinCheckLength = 1;

}  // namespace

CheckWindow::CheckWindow(PuzzleSource puzzle, QWidget* parent) : QDialog(parent), puzzle_(std::move(puzzle)) {
  setWindowTitle(QStringLiteral("Check Diagram"));
  setObjectName(QStringLiteral("CheckWindow"));
  setModal(false);

  styleBox_ = new QComboBox(this);
  styleBox_->addItem(QStringLiteral("automatic (uk for blocks, barred for bars)"),
                     static_cast<int>(CheckStyle::Automatic));
  styleBox_->addItem(QStringLiteral("us: every letter checked"), static_cast<int>(CheckStyle::Us));
  styleBox_->addItem(QStringLiteral("uk: no two unchecked in a row"), static_cast<int>(CheckStyle::Uk));
  const CheckOptions defaults;
  styleBox_->addItem(QStringLiteral("barred: %1 to %2% checked")
                         .arg(defaults.barredMinPercent)
                         .arg(defaults.barredMaxPercent),
                     static_cast<int>(CheckStyle::Barred));
  styleBox_->addItem(QStringLiteral("none: checking not judged"), static_cast<int>(CheckStyle::None));
  // Its longest item need not widen the window past the room beside the
  // main window on a small screen; the list opens as wide as its items.
  styleBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  styleBox_->setMinimumContentsLength(16);
  auto* styleLabel = new QLabel(QStringLiteral("&Style:"), this);
  styleLabel->setBuddy(styleBox_);

  // The ranges kventool check accepts, and its defaults.
  const auto spin = [this](int low, int high, int value, const QString& suffix) {
    auto* box = new QSpinBox(this);
    box->setRange(low, high);
    box->setValue(value);
    box->setSuffix(suffix);
    connect(box, &QSpinBox::valueChanged, this, &CheckWindow::checkAgain);
    return box;
  };
  minLength_ = spin(MinCheckLength, MaxSide, defaults.minLength, QString());
  barredMin_ = spin(0, 100, defaults.barredMinPercent, QStringLiteral(" %"));
  barredMax_ = spin(0, 100, defaults.barredMaxPercent, QStringLiteral(" %"));
  // The share checked is a range: neither end may pass the other.
  connect(barredMin_, &QSpinBox::valueChanged, barredMax_, [this](int low) { barredMax_->setMinimum(low); });
  connect(barredMax_, &QSpinBox::valueChanged, barredMin_, [this](int high) { barredMin_->setMaximum(high); });
  barredMax_->setMinimum(barredMin_->value());
  barredMin_->setMaximum(barredMax_->value());
  auto* lengthLabel = new QLabel(QStringLiteral("&Minimum length:"), this);
  lengthLabel->setBuddy(minLength_);
  auto* barredLabel = new QLabel(QStringLiteral("&Barred, checked:"), this);
  barredLabel->setBuddy(barredMin_);

  summary_ = new QLabel(this);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  summary_->setWordWrap(true);

  findings_ = new QListWidget(this);
  findings_->setSelectionMode(QAbstractItemView::SingleSelection);
  // A long finding wraps onto more lines rather than needing sideways scrolling.
  findings_->setWordWrap(true);
  findings_->setResizeMode(QListView::Adjust);
  findings_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  entries_ = new QTreeWidget(this);
  entries_->setRootIsDecorated(false);
  entries_->setSelectionMode(QAbstractItemView::SingleSelection);
  entries_->setHeaderLabels({QStringLiteral("Entry"), QStringLiteral("Dir"), QStringLiteral("Length"),
                             QStringLiteral("Checked"), QStringLiteral("Unchecked"), QStringLiteral("Longest run")});
  entries_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

  tabs_ = new QTabWidget(this);
  tabs_->addTab(findings_, QStringLiteral("Findings"));
  tabs_->addTab(entries_, QStringLiteral("Entries"));

  checkAgain_ = new QPushButton(QStringLiteral("Check &Again"), this);
  close_ = new QPushButton(QStringLiteral("Close"), this);
  checkAgain_->setDefault(true);

  auto* top = new QHBoxLayout;
  top->addWidget(styleLabel);
  top->addWidget(styleBox_, 1);
  // Two rows, so that the window is narrow enough to stand beside the main
  // window on a 1280-pixel screen.
  auto* length = new QHBoxLayout;
  length->addWidget(lengthLabel);
  length->addWidget(minLength_);
  length->addStretch(1);
  auto* barred = new QHBoxLayout;
  barred->addWidget(barredLabel);
  barred->addWidget(barredMin_);
  barred->addWidget(new QLabel(QStringLiteral("to"), this));
  barred->addWidget(barredMax_);
  barred->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(checkAgain_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(length);
  layout->addLayout(barred);
  layout->addWidget(summary_);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
  resize(560, 440);

  connect(styleBox_, &QComboBox::currentIndexChanged, this, &CheckWindow::checkAgain);
  connect(checkAgain_, &QPushButton::clicked, this, &CheckWindow::checkAgain);
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  connect(findings_, &QListWidget::itemSelectionChanged, this, &CheckWindow::FindingSelectionChanged);
  connect(entries_, &QTreeWidget::itemSelectionChanged, this, &CheckWindow::EntrySelectionChanged);
}

CheckStyle CheckWindow::chosenStyle() const { return static_cast<CheckStyle>(styleBox_->currentData().toInt()); }

void CheckWindow::checkAgain() {
  CheckOptions options;
  options.style = chosenStyle();
  options.minLength = minLength_->value();
  options.barredMinPercent = barredMin_->value();
  options.barredMaxPercent = barredMax_->value();
  // The grid labels its columns along the top and its rows down the side.
  options.squareNames = SquareNaming::RowColumn;
  report_ = CheckDiagram(puzzle_ ? puzzle_() : Puzzle{}, options);
  if (clues_) AddClueFindings(report_, clues_());
  ShowReport();
  if (marking_) Emit({});
}

void CheckWindow::clearSelection() {
  UnselectQuietly();
  if (marking_) Emit({});
}

void CheckWindow::UnselectQuietly() {
  const QSignalBlocker blockFindings(findings_);
  const QSignalBlocker blockEntries(entries_);
  findings_->clearSelection();
  entries_->clearSelection();
}

void CheckWindow::ShowReport() {
  const QSignalBlocker blockFindings(findings_);
  const QSignalBlocker blockEntries(entries_);
  const TextLineList lines = CheckReportLines(report_);
  QStringList summary;
  for (std::size_t i = 0; i < lines.size() && i < 4; ++i) summary << FromLatin1(lines[i]);
  summary_->setText(summary.join(QLatin1Char('\n')));

  findings_->clear();
  for (std::size_t i = 0; i < report_.findings.size(); ++i) {
    auto* item = new QListWidgetItem(FromLatin1(FindingLine(report_.findings[i])), findings_);
    item->setData(IndexRole, static_cast<int>(i));
  }
  if (report_.findings.empty()) {
    auto* item = new QListWidgetItem(QStringLiteral("Every rule holds."), findings_);
    item->setFlags(Qt::NoItemFlags);
  }
  entries_->clear();
  for (std::size_t i = 0; i < report_.entries.size(); ++i) {
    const CheckedEntry& e = report_.entries[i];
    auto* item = new QTreeWidgetItem(entries_);
    item->setText(0, FromLatin1(EntryLabel(e)));
    item->setText(1, e.direction == EntryDirection::Across ? QStringLiteral("across") : QStringLiteral("down"));
    item->setText(2, QString::number(e.length));
    item->setText(3, QString::number(e.checked));
    item->setText(4, QString::number(e.unchecked));
    item->setText(5, QString::number(e.longestUncheckedRun));
    for (int column = 2; column <= 5; ++column) item->setTextAlignment(column, Qt::AlignRight);
    item->setData(0, IndexRole, static_cast<int>(i));
  }
  tabs_->setTabText(0, QStringLiteral("Findings (%1)").arg(report_.findings.size()));
  tabs_->setTabText(1, QStringLiteral("Entries (%1)").arg(report_.entries.size()));
}

void CheckWindow::FindingSelectionChanged() {
  const QList<QListWidgetItem*> selected = findings_->selectedItems();
  if (selected.isEmpty()) {
    if (entries_->selectedItems().isEmpty()) Emit({});
    return;
  }
  {
    const QSignalBlocker block(entries_);
    entries_->clearSelection();
  }
  const auto index = static_cast<std::size_t>(selected.front()->data(IndexRole).toInt());
  if (index < report_.findings.size()) Emit(report_.findings[index].squares);
}

void CheckWindow::EntrySelectionChanged() {
  const QList<QTreeWidgetItem*> selected = entries_->selectedItems();
  if (selected.isEmpty()) {
    if (findings_->selectedItems().isEmpty()) Emit({});
    return;
  }
  {
    const QSignalBlocker block(findings_);
    findings_->clearSelection();
  }
  const auto index = static_cast<std::size_t>(selected.front()->data(0, IndexRole).toInt());
  if (index < report_.entries.size()) Emit(report_.entries[index].squares);
}

void CheckWindow::Emit(const std::vector<SquarePos>& squares) {
  QList<QPoint> points;
  points.reserve(static_cast<qsizetype>(squares.size()));
  for (const SquarePos& s : squares) points.append(QPoint(s.col, s.row));
  marking_ = !points.isEmpty();
  emit findingSelected(points);
}

// Each opening shows the puzzle as it is now; a window brought back from
// the task bar keeps what it showed.
void CheckWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) checkAgain();
}

// However the window goes (Close, Escape, the frame's button, the owner
// hiding it), the grid must stop marking squares.
void CheckWindow::hideEvent(QHideEvent* event) {
  if (event->spontaneous()) {
    QDialog::hideEvent(event);
    return;
  }
  UnselectQuietly();
  Emit({});
  QDialog::hideEvent(event);
}

}  // namespace kven
