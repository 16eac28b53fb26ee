#include "app/clues_panel.h"

#include <QColor>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/clues_texts.h"
#include "clues/clue_lines.h"

namespace kven {

namespace {

enum Role { IsAside = Qt::UserRole, DirectionRole, Col, Row, Length, AsideIndex };
enum Column { NumberColumn, EnumerationColumn, TextColumn };

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

// An enumeration that does not fit its entry, as the check reports it.
const QColor MisfitColour(0xC0, 0x00, 0x00);

}  // namespace

CluesPanel::CluesPanel(QWidget* parent) : QDockWidget(clues_text::PanelTitle, parent) {
  setObjectName(QLatin1String("CluesPanel"));
  auto* content = new QWidget(this);
  tree_ = new QTreeWidget(content);
  tree_->setObjectName(QLatin1String("clueTree"));
  tree_->setHeaderLabels({clues_text::NumberHeading, clues_text::EnumerationHeading, clues_text::TextHeading});
  tree_->setRootIsDecorated(false);
  tree_->setSelectionMode(QAbstractItemView::SingleSelection);
  // The number and enumeration take what they need; the clue gets the rest.
  tree_->header()->setSectionResizeMode(NumberColumn, QHeaderView::ResizeToContents);
  tree_->header()->setSectionResizeMode(EnumerationColumn, QHeaderView::ResizeToContents);
  tree_->header()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
  // Narrow enough to stand beside the window on a 1280-pixel screen.
  content->setMinimumWidth(300);
  text_ = new QLineEdit(content);
  text_->setObjectName(QLatin1String("edClue"));
  enumeration_ = new QLineEdit(content);
  enumeration_->setObjectName(QLatin1String("edEnumeration"));
  delete_ = new QPushButton(clues_text::DeleteButton, content);
  delete_->setObjectName(QLatin1String("deleteClue"));
  auto* fields = new QFormLayout;
  fields->addRow(clues_text::TextLabel, text_);
  fields->addRow(clues_text::EnumerationLabel, enumeration_);
  auto* layout = new QVBoxLayout(content);
  layout->addWidget(tree_, 1);
  layout->addLayout(fields);
  layout->addWidget(delete_, 0, Qt::AlignRight);
  setWidget(content);
  text_->installEventFilter(this);

  connect(tree_, &QTreeWidget::itemSelectionChanged, this, &CluesPanel::ChosenChanged);
  connect(text_, &QLineEdit::textEdited, this, &CluesPanel::textEdited);
  connect(enumeration_, &QLineEdit::textEdited, this, &CluesPanel::enumerationEdited);
  connect(delete_, &QPushButton::clicked, this, [this] {
    const auto chosen = Chosen();
    if (chosen && !chosen->entry) emit deleteRequested(chosen->aside);
  });
  ChosenChanged();
}

void CluesPanel::Show(const Puzzle& p, const PuzzleClues& clues) {
  puzzle_ = &p;
  clues_ = &clues;
  const std::optional<ClueTarget> before = Chosen();
  const QSignalBlocker quiet(tree_);
  tree_->clear();
  QTreeWidgetItem* chosen = nullptr;
  const auto group = [&](QLatin1String caption) {
    auto* item = new QTreeWidgetItem(tree_, {caption});
    item->setFlags(Qt::ItemIsEnabled);
    item->setFirstColumnSpanned(true);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    return item;
  };
  QTreeWidgetItem* across = group(clues_text::AcrossHeading);
  QTreeWidgetItem* down = group(clues_text::DownHeading);
  for (const DiagramEntry& e : DiagramEntries(p)) {
    const auto index = FindClue(clues, KeyOf(e));
    const Clue* clue = index ? &clues.clues[*index] : nullptr;
    const std::int32_t number = EntryNumber(p, e);
    const ClueLine shown = ShownClue(clue, e.length);
    auto* item = new QTreeWidgetItem(e.direction == EntryDirection::Across ? across : down,
                                     {number != 0 ? QString::number(number) : QString(), Utf8(shown.enumeration),
                                      Utf8(shown.text)});
    item->setData(0, IsAside, false);
    item->setData(0, DirectionRole, static_cast<int>(e.direction));
    item->setData(0, Col, e.col);
    item->setData(0, Row, e.row);
    item->setData(0, Length, e.length);
    if (const std::string misfit = clue != nullptr ? EnumerationMisfit(*clue, e.length) : std::string();
        !misfit.empty()) {
      item->setForeground(EnumerationColumn, MisfitColour);
      item->setToolTip(EnumerationColumn, Utf8(EntryName(p, e) + " " + misfit));
    }
    if (before && before->entry == KeyOf(e)) chosen = item;
  }
  const std::vector<std::size_t> aside = CluesWithoutEntry(clues, p);
  if (!aside.empty()) {
    QTreeWidgetItem* without = group(clues_text::WithoutEntryHeading);
    for (const std::size_t i : aside) {
      const Clue& clue = clues.clues[i];
      const ClueLine shown = ShownClue(clue.text, clue.enumeration, 0);
      auto* item = new QTreeWidgetItem(without, {Utf8(ClueName(clue, p)), Utf8(shown.enumeration), Utf8(shown.text)});
      item->setData(0, IsAside, true);
      item->setData(0, AsideIndex, static_cast<qulonglong>(i));
      if (before && !before->entry && before->aside == i) chosen = item;
    }
  }
  tree_->expandAll();
  if (chosen != nullptr) {
    chosen->setSelected(true);
    tree_->setCurrentItem(chosen);
  }
  // The fields keep what is being typed; only a new choice fills them.
  const auto now = Chosen();
  const bool same = before.has_value() == now.has_value() &&
                    (!now || (before->entry == now->entry && (now->entry || before->aside == now->aside)));
  if (!same) ChosenChanged();
}

std::optional<ClueTarget> CluesPanel::Chosen() const {
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  if (selected.isEmpty() || !selected.front()->data(0, IsAside).isValid()) return std::nullopt;
  const QTreeWidgetItem* item = selected.front();
  ClueTarget target;
  if (item->data(0, IsAside).toBool()) {
    target.aside = static_cast<std::size_t>(item->data(0, AsideIndex).toULongLong());
  } else {
    target.entry = EntryKey{static_cast<EntryDirection>(item->data(0, DirectionRole).toInt()), item->data(0, Col).toInt(),
                            item->data(0, Row).toInt()};
  }
  return target;
}

QList<QTreeWidgetItem*> CluesPanel::ClueItems() const {
  QList<QTreeWidgetItem*> items;
  for (int g = 0; g < tree_->topLevelItemCount(); ++g)
    for (int i = 0; i < tree_->topLevelItem(g)->childCount(); ++i) items << tree_->topLevelItem(g)->child(i);
  return items;
}

void CluesPanel::Choose(QTreeWidgetItem* item) {
  if (item == nullptr) {
    tree_->clearSelection();
    return;
  }
  // One change of the choice: none chosen in between would disable the
  // fields, and the focus would leave the one being typed in.
  tree_->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
  tree_->scrollToItem(item);
}

void CluesPanel::ChooseSquare(int col, int row) {
  QTreeWidgetItem* across = nullptr;
  QTreeWidgetItem* down = nullptr;
  for (QTreeWidgetItem* item : ClueItems()) {
    if (item->data(0, IsAside).toBool()) continue;
    const int c = item->data(0, Col).toInt();
    const int r = item->data(0, Row).toInt();
    const int length = item->data(0, Length).toInt();
    const bool isAcross = static_cast<EntryDirection>(item->data(0, DirectionRole).toInt()) == EntryDirection::Across;
    if (isAcross && r == row && col >= c && col < c + length) across = item;
    if (!isAcross && c == col && row >= r && row < r + length) down = item;
  }
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  const bool acrossChosen = across != nullptr && !selected.isEmpty() && selected.front() == across;
  Choose(acrossChosen && down != nullptr ? down : across != nullptr ? across : down);
}

void CluesPanel::ChooseNext(int step) {
  const QList<QTreeWidgetItem*> items = ClueItems();
  if (items.isEmpty()) return;
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  const qsizetype at = selected.isEmpty() ? -1 : items.indexOf(selected.front());
  const qsizetype n = items.size();
  Choose(items[at < 0 ? (step > 0 ? 0 : n - 1) : ((at + step) % n + n) % n]);
}

void CluesPanel::ChosenChanged() {
  const auto chosen = Chosen();
  const QSignalBlocker quietText(text_);
  const QSignalBlocker quietEnumeration(enumeration_);
  const Clue* clue = nullptr;
  if (chosen && clues_ != nullptr) {
    if (!chosen->entry && chosen->aside < clues_->clues.size()) clue = &clues_->clues[chosen->aside];
    if (chosen->entry)
      if (const auto index = FindClue(*clues_, *chosen->entry)) clue = &clues_->clues[*index];
  }
  text_->setText(clue != nullptr ? Utf8(clue->text) : QString());
  enumeration_->setText(clue != nullptr ? Utf8(clue->enumeration) : QString());
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  enumeration_->setPlaceholderText(chosen && chosen->entry && !selected.isEmpty()
                                       ? QString::number(selected.front()->data(0, Length).toInt())
                                       : QString());
  text_->setEnabled(chosen.has_value());
  enumeration_->setEnabled(chosen.has_value());
  delete_->setEnabled(chosen && !chosen->entry);
  QList<QPoint> squares;
  if (chosen && chosen->entry && !selected.isEmpty()) {
    const bool across = chosen->entry->direction == EntryDirection::Across;
    for (int i = 0; i < selected.front()->data(0, Length).toInt(); ++i)
      squares << QPoint(chosen->entry->col + (across ? i : 0), chosen->entry->row + (across ? 0 : i));
  }
  emit entryChosen(squares);
}

bool CluesPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      ChooseNext(key->key() == Qt::Key_Tab ? 1 : -1);
      return true;
    }
  }
  return QDockWidget::eventFilter(watched, event);
}

}  // namespace kven
