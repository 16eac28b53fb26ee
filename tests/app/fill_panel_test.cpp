#include "app/fill_panel.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
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
// Three open squares by three in the corner of a blocked 5 x 5 grid, four by
// three, and an open 7 x 7.
const QString ThreeByThree = QStringLiteral("KVEN 0 5 5\r\nBLK 4 5 9 10 14 15 16 17 18 19 20 21 22 23 24 25 Z\r\n");
const QString FourByThree = QStringLiteral("KVEN 0 5 5\r\nBLK 5 10 15 16 17 18 19 20 21 22 23 24 25 Z\r\n");
const QString OpenSeven = QStringLiteral("KVEN 0 7 7\r\nBLK Z\r\n");
constexpr int LoadTimeoutMs = 60000;

void Write(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

}  // namespace

class FillPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    // The panel remembers its settings, and reads the default list, here.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath(QStringLiteral("settings")));
    QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("scowl")));
    Write(dir_.filePath(QStringLiteral("scowl/english-words.10")), "apple\nbanana\n");
    list_ = dir_.filePath(QStringLiteral("square.txt"));
    Write(list_, SquareWords.join(QLatin1Char('\n')).toLatin1());
    avoid_ = dir_.filePath(QStringLiteral("avoid.txt"));
    Write(avoid_, "cat\n");
    // Seven-letter strings at random: no fill of the open 7 x 7 exists, and
    // proving it takes the search far longer than a test waits.
    QByteArray random;
    QRandomGenerator letters(7);
    for (int w = 0; w < 3000; ++w) {
      for (int k = 0; k < 7; ++k) random += static_cast<char>('a' + letters.bounded(26));
      random += '\n';
    }
    randomList_ = dir_.filePath(QStringLiteral("random.txt"));
    Write(randomList_, random);
  }

  void init() {
    window_ = std::make_unique<Window>();
    window_->Paste(ThreeByThree);
    window_->Trigger("miFill");
    panel_ = window_->form.findChild<FillPanel*>();
    QVERIFY(panel_ != nullptr);
    QVERIFY(panel_->isVisible());
    // Shown, the panel reads the default list at once; the tests read theirs instead.
    QVERIFY(panel_->Running());
    panel_->SetDefaultListPlace({dir_.filePath(QStringLiteral("scowl")).toStdString(), "/nonexistent"});
    QTRY_VERIFY_WITH_TIMEOUT(!panel_->Running(), LoadTimeoutMs);
    QCOMPARE(panel_->listLabel()->text(), QStringLiteral("Word list: the default list"));
    Choose(panel_->wordListButton(), list_);
    // Only CAT and COW leave every down entry a word.
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("2 words fit"));
    empty_ = window_->puzzle();
  }
  void cleanup() { window_.reset(); }

  void aSuggestionGoesInAsOneUndoStep() {
    QCOMPARE(panel_->patternLabel()->text().right(3), QStringLiteral("..."));  // 1 across, under the cursor
    QCOMPARE(panel_->suggestionList()->count(), 2);
    QCOMPARE(panel_->suggestionList()->item(0)->text(), QStringLiteral("CAT  50"));
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

  void aFillNamesItsWeakEntriesAndShadesThemUntilTheNextChange() {
    QTest::mouseClick(panel_->fillGridButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    // TED scores 40, every other word 50.
    QVERIFY2(panel_->messageLabel()->text().endsWith(QStringLiteral("Lowest score 40, mean 48.3; 1 entries below 50 shaded")),
             qPrintable(panel_->messageLabel()->text()));
    const bool tedAcross = Row(3) == QStringLiteral("TED");
    QVERIFY(Shaded(3, 3));
    QCOMPARE(Shaded(1, 3), tedAcross);
    QCOMPARE(Shaded(3, 1), !tedAcross);
    QVERIFY(!panel_->progressLabel()->text().isEmpty());
    window_->Paste(ThreeByThree);
    QTRY_VERIFY(!Shaded(3, 3));
    QCOMPARE(panel_->messageLabel()->text(), QString());
    QCOMPARE(panel_->progressLabel()->text(), QString());
  }

  void stopLeavesThePuzzleAsItWasAndTheButtonsStay() {
    window_->Paste(OpenSeven);
    Choose(panel_->wordListButton(), randomList_);
    const QPoint stopAt = panel_->stopButton()->mapTo(panel_, QPoint(0, 0));
    const kven::Puzzle before = window_->puzzle();
    QTest::mouseClick(panel_->fillGridButton(), Qt::LeftButton);
    QVERIFY(panel_->Running());
    QTest::qWait(300);  // well past the progress line's first showing
    QVERIFY(panel_->Running());
    QCOMPARE(panel_->stopButton()->mapTo(panel_, QPoint(0, 0)), stopAt);
    QVERIFY(panel_->stopButton()->isEnabled());
    QTest::mouseClick(panel_->stopButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QVERIFY(window_->puzzle() == before);
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

  // What the search throws on its thread comes to the panel as its
  // message, and the window goes on, the puzzle as it was.
  void anErrorOfTheSearchIsToldAndTheWindowGoesOn() {
    const kven::Puzzle before = window_->puzzle();
    panel_->SetSearch([](const kven::Puzzle&, const kven::fill::WordIndex&,
                         const kven::fill::FillOptions&) -> kven::fill::FillResult {
      throw std::runtime_error("the index was cut short");
    });
    QTest::mouseClick(panel_->fillGridButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QCOMPARE(panel_->messageLabel()->text(), QStringLiteral("The fill ended in an error: the index was cut short"));
    QVERIFY(window_->puzzle() == before && panel_->fillGridButton()->isEnabled());
  }

  void entriesNoWordFitsAreFramedAndTheMessageGoesWithTheNextPuzzle() {
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
    QCOMPARE(panel_->messageLabel()->text(), QString());
  }

  void listsStackAvoidAndGoBackToTheDefault() {
    Choose(panel_->avoidListButton(), avoid_);
    QCOMPARE(panel_->listLabel()->text(), QStringLiteral("Word list: square.txt; avoiding avoid.txt"));
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("1 word fits"));  // COW
    QTest::mouseClick(panel_->defaultListButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QCOMPARE(panel_->listLabel()->text(), QStringLiteral("Word list: the default list; avoiding avoid.txt"));
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("0 words fit"));
    Choose(panel_->addListButton(), list_);
    QCOMPARE(panel_->listLabel()->text(), QStringLiteral("Word list: the default list + square.txt; avoiding avoid.txt"));
    QTest::mouseClick(panel_->noAvoidButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("2 words fit"));
  }

  void findsWordsByPatternAndAnagram() {
    panel_->findField()->setText(QStringLiteral("?O?"));
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("1 words match"));
    QCOMPARE(panel_->suggestionList()->item(0)->text(), QStringLiteral("COW  50"));
    panel_->anagramBox()->setChecked(true);
    panel_->findField()->setText(QStringLiteral("tac"));
    QCOMPARE(panel_->suggestionList()->item(0)->text(), QStringLiteral("CAT  50"));
    QTest::keyClick(panel_->suggestionList(), Qt::Key_Return);
    QCOMPARE(Row(1), QStringLiteral("CAT"));
    panel_->findField()->setText(QStringLiteral("c-t"));
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("An anagram is made of letters, and ? for any one"));
  }

  void theTimeLimitAndMinimumScoreAreRemembered() {
    panel_->timeLimitBox()->setValue(7);
    panel_->minScoreBox()->setValue(45);
    // Without TED, at 40, CAT leaves the third column no word.
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("1 word fits"));
    panel_->minScoreBox()->setValue(60);
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("0 words fit"));
    panel_->minScoreBox()->setValue(45);
    window_ = std::make_unique<Window>();
    window_->Trigger("miFill");
    panel_ = window_->form.findChild<FillPanel*>();
    QVERIFY(panel_ != nullptr);
    QCOMPARE(panel_->timeLimitBox()->value(), 7);
    QCOMPARE(panel_->minScoreBox()->value(), 45);
    panel_->timeLimitBox()->setValue(30);
    panel_->minScoreBox()->setValue(0);
  }

  void aListThatCannotBeReadIsNamed() {
    window_->dialogs.openAnswers.push_back(dir_.filePath(QStringLiteral("missing.txt")));
    QTest::mouseClick(panel_->wordListButton(), Qt::LeftButton);
    QTRY_VERIFY(!panel_->Running());
    QVERIFY2(panel_->messageLabel()->text().startsWith(QStringLiteral("Cannot open file")) &&
                 panel_->messageLabel()->text().contains(QStringLiteral("missing.txt")),
             qPrintable(panel_->messageLabel()->text()));
    QCOMPARE(panel_->countLabel()->text(), QStringLiteral("2 words fit"));  // the list read before stays
    QCOMPARE(panel_->listLabel()->text(), QStringLiteral("Word list: square.txt"));
  }

 private:
  void Choose(QPushButton* button, const QString& file) {
    window_->dialogs.openAnswers.push_back(file);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!panel_->Running(), LoadTimeoutMs);
  }
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
  // A shaded cell's white corner turns warm: more red than blue.
  bool Shaded(int col, int row) {
    const QImage shot = window_->Grid().grab().toImage();
    const QRect cell = window_->Grid().CellRect(col, row);
    const QColor corner = shot.pixelColor(cell.right() - 3, cell.bottom() - 3);
    return corner.red() > corner.blue() + 20;
  }

  QTemporaryDir dir_;
  QString list_;
  QString avoid_;
  QString randomList_;
  std::unique_ptr<Window> window_;
  FillPanel* panel_ = nullptr;
  kven::Puzzle empty_;
};

QTEST_MAIN(FillPanelTest)
#include "fill_panel_test.moc"
