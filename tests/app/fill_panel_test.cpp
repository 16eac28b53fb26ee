#include "app/fill_panel.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "render/canvas.h"
#include "test_window.h"

using kven::FillPanel;
using kven::test::Window;

namespace {

// The one 3 x 3 square these six words make, and its mirror image: rows CAT
// ORE WED, columns COW ARE TED.
const QStringList SquareWords{QStringLiteral("cat"), QStringLiteral("ore"), QStringLiteral("wed"),
                              QStringLiteral("cow"), QStringLiteral("are"), QStringLiteral("ted;40")};
// Three open squares by three in the corner of a blocked 5 x 5 grid, and four by three.
const QString ThreeByThree = QStringLiteral("KVEN 0 5 5\r\nBLK 4 5 9 10 14 15 16 17 18 19 20 21 22 23 24 25 Z\r\n");
const QString FourByThree = QStringLiteral("KVEN 0 5 5\r\nBLK 5 10 15 16 17 18 19 20 21 22 23 24 25 Z\r\n");
constexpr int LoadTimeoutMs = 60000;  // the default list may be read first

}  // namespace

class FillPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    list_ = dir_.filePath(QStringLiteral("square.txt"));
    QFile file(list_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(SquareWords.join(QLatin1Char('\n')).toLatin1());
  }

  void init() {
    window_ = std::make_unique<Window>();
    window_->Paste(ThreeByThree);
    window_->Trigger("miFill");
    panel_ = window_->form.findChild<FillPanel*>();
    QVERIFY(panel_ != nullptr);
    QVERIFY(panel_->isVisible());
    window_->dialogs.openAnswers.push_back(list_);
    QTest::mouseClick(panel_->wordListButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!panel_->Running(), LoadTimeoutMs);
    // Only CAT and COW leave every down entry a word.
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("2 words fit"));
    empty_ = window_->puzzle();
  }
  void cleanup() { window_.reset(); }

  void aSuggestionGoesInAsOneUndoStep() {
    QCOMPARE(panel_->patternLabel()->text().right(3), QStringLiteral("..."));  // 1 across, under the cursor
    QCOMPARE(panel_->suggestionList()->count(), 2);
    panel_->suggestionList()->setCurrentRow(1);
    const QString word = panel_->suggestionList()->currentItem()->text().left(3);
    QTest::keyClick(panel_->suggestionList(), Qt::Key_Return);
    QCOMPARE(Row(1), word);
    QCOMPARE(window_->Item("miUndo").text(), QStringLiteral("Undo Fill Entry"));
    QVERIFY(panel_->patternLabel()->text().endsWith(word));
    window_->Trigger("miUndo");
    QVERIFY(window_->puzzle() == empty_);
  }

  void aFillGoesInAsOneUndoStep_data() {
    QTest::addColumn<bool>("selection");
    QTest::addColumn<QList<int>>("chosen");  // rows of the entry list
    QTest::addColumn<int>("filledRows");
    QTest::newRow("the whole grid") << false << QList<int>{} << 3;
    QTest::newRow("one chosen entry") << true << QList<int>{0} << 1;
    QTest::newRow("nothing chosen: the entry under the cursor") << true << QList<int>{} << 1;
  }
  void aFillGoesInAsOneUndoStep() {
    QFETCH(bool, selection);
    QFETCH(QList<int>, chosen);
    QFETCH(int, filledRows);
    for (const int row : chosen) panel_->entryList()->item(row)->setSelected(true);
    QTest::mouseClick(selection ? panel_->fillSelectionButton() : panel_->fillGridButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QVERIFY2(panel_->messageLabel()->text().startsWith(QStringLiteral("Filled")),
             qPrintable(panel_->messageLabel()->text()));
    QSet<QString> words;
    for (const QString& w : SquareWords) words << w.left(3).toUpper();
    QSet<QString> used;
    for (int row = 1; row <= 3; ++row) {
      const QString letters = Row(row);
      if (row > filledRows) {
        QCOMPARE(letters, QStringLiteral("..."));
        continue;
      }
      QVERIFY2(words.contains(letters), qPrintable(letters));
      used << letters;
    }
    if (filledRows == 3)
      for (int col = 1; col <= 3; ++col) {
        QVERIFY2(words.contains(Column(col)), qPrintable(Column(col)));
        used << Column(col);
      }
    QCOMPARE(used.size(), filledRows == 3 ? 6 : 1);  // no word twice
    QCOMPARE(window_->Item("miUndo").text(), QStringLiteral("Undo Fill"));
    window_->Trigger("miUndo");
    QVERIFY(window_->puzzle() == empty_);
  }

  void stopLeavesThePuzzleAsItWas() {
    QTest::mouseClick(panel_->fillGridButton(), Qt::LeftButton);
    QVERIFY(panel_->Running());
    QVERIFY(panel_->stopButton()->isEnabled());
    QTest::mouseClick(panel_->stopButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QVERIFY(window_->puzzle() == empty_);
    QCOMPARE(panel_->messageLabel()->text(), QStringLiteral("Stopped: the grid is as it was"));
    QCOMPARE(window_->Item("miUndo").text(), QStringLiteral("Undo Paste"));  // no step of its own
  }

  void aFillOfAGridEditedMeanwhileIsDiscarded() {
    QTest::mouseClick(panel_->fillGridButton(), Qt::LeftButton);
    window_->Field("edTitle").setText(QStringLiteral("Edited"));
    const kven::Puzzle edited = window_->puzzle();
    QTRY_VERIFY(!panel_->Running());
    QVERIFY(window_->puzzle() == edited);
    QCOMPARE(panel_->messageLabel()->text(), QStringLiteral("The grid changed while filling: the fill was discarded"));
  }

  void entriesNoWordFitsAreFramedUntilTheNextChange() {
    window_->Paste(FourByThree);  // three-letter words only: no across entry takes one
    QTRY_VERIFY(Framed(1, 1));
    QVERIFY(Framed(4, 3));
    QTest::mouseClick(panel_->fillGridButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QVERIFY2(panel_->messageLabel()->text().startsWith(QStringLiteral("No fill exists; no word fits ")),
             qPrintable(panel_->messageLabel()->text()));
    QVERIFY(Framed(1, 1));
    window_->Paste(ThreeByThree);
    QTRY_VERIFY(!Framed(1, 1));
  }

  void aListThatCannotBeReadIsNamed() {
    const QString missing = dir_.filePath(QStringLiteral("missing.txt"));
    window_->dialogs.openAnswers.push_back(missing);
    QTest::mouseClick(panel_->wordListButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QVERIFY2(panel_->messageLabel()->text().startsWith(QStringLiteral("Cannot open file")) &&
                 panel_->messageLabel()->text().contains(QStringLiteral("missing.txt")),
             qPrintable(panel_->messageLabel()->text()));
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("2 words fit"));  // the list read before stays
  }

 private:
  QString Row(int row) const {
    QString s;
    for (int col = 1; col <= 3; ++col) s += QLatin1Char(window_->puzzle().Letters(col, row));
    return s;
  }
  QString Column(int col) const {
    QString s;
    for (int row = 1; row <= 3; ++row) s += QLatin1Char(window_->puzzle().Letters(col, row));
    return s;
  }
  // The frame runs along the cell's left edge.
  bool Framed(int col, int row) {
    const QImage shot = window_->Grid().grab().toImage();
    const QRect cell = window_->Grid().CellRect(col, row);
    for (int x = cell.left(); x < cell.left() + 3; ++x)
      if (shot.pixel(x, cell.center().y()) == kven::rgb::Mark) return true;
    return false;
  }

  QTemporaryDir dir_;
  QString list_;
  std::unique_ptr<Window> window_;
  FillPanel* panel_ = nullptr;
  kven::Puzzle empty_;
};

QTEST_MAIN(FillPanelTest)
#include "fill_panel_test.moc"
