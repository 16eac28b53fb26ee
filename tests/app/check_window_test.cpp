#include "app/check_window.h"

#include <QSpinBox>


#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "support/test_puzzles.h"

using kven::CheckWindow;
using Points = QList<QPoint>;

class CheckWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    Decode({"KVEN 0 5 5", "BLK 3 Z"});  // 1 across (1,1 2,1) and 3 across (4,1 5,1) are short
    reads_ = 0;
    window_ = std::make_unique<CheckWindow>([this] {
      ++reads_;
      return puzzle_;
    });
    window_->show();
    spy_ = std::make_unique<QSignalSpy>(window_.get(), &CheckWindow::findingSelected);
  }
  void cleanup() {
    spy_.reset();
    window_.reset();
  }

  void selectingAFindingOrEntryEmitsExactlyItsSquares() {
    QVERIFY(!window_->isModal());
    QCOMPARE(window_->findingList()->item(0)->text(), QStringLiteral("short: 1 across has 2 letters, fewer than 3"));
    window_->findingList()->setCurrentRow(1);
    QCOMPARE(Last(), (Points{QPoint(4, 1), QPoint(5, 1)}));
    window_->entryTable()->setCurrentItem(window_->entryTable()->topLevelItem(7));  // 6 across, then 1 and 2 down
    QCOMPARE(Last(), (Points{QPoint(2, 1), QPoint(2, 2), QPoint(2, 3), QPoint(2, 4), QPoint(2, 5)}));
    QVERIFY(window_->findingList()->selectedItems().isEmpty());
    window_->entryTable()->clearSelection();
    QCOMPARE(Last(), Points{});
    QCOMPARE(spy_->count(), 3);
  }

  void checkAgainReadsThePuzzleAgain() {
    window_->findingList()->setCurrentRow(0);
    Decode({"KVEN 0 5 5", "BLK 4 Z"});  // 3 letters and a lone square: nothing short
    QTest::mouseClick(window_->checkAgainButton(), Qt::LeftButton);
    QCOMPARE(reads_, 2);
    QCOMPARE(window_->findingList()->item(0)->text(), QStringLiteral("Every rule holds."));
    QCOMPARE(Last(), Points{});  // the old finding's squares are no longer marked
  }

  void settingsAndSquareNamesAsTheGridHasThem() {
    window_->minLengthBox()->setValue(2);  // two-letter entries allowed: nothing short
    QCOMPARE(window_->findingList()->item(0)->text(), QStringLiteral("Every rule holds."));
    QCOMPARE(window_->report().minLength, 2);
    window_->barredMinBox()->setValue(90);  // a range: its ends never cross
    window_->barredMaxBox()->setValue(50);
    QCOMPARE(std::pair(window_->barredMinBox()->value(), window_->barredMaxBox()->value()), std::pair(75, 75));
    QCOMPARE(window_->minLengthBox()->maximum(), 30);

    Decode({"KVEN 0 5 5", "BLK 4 10 Z"});  // square 5 of the top row is shut in
    window_->checkAgain();
    QStringList texts;
    for (int i = 0; i < window_->findingList()->count(); ++i) texts << window_->findingList()->item(i)->text();
    QVERIFY2(texts.contains(QStringLiteral("orphan: square row 1, column 5 is in no entry")),
             qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(window_->findingList()->wordWrap());
  }

  void anEditOrClosingClearsTheMarks() {
    window_->findingList()->setCurrentRow(1);
    window_->clearSelection();
    QCOMPARE(Last(), Points{});
    window_->clearSelection();  // nothing marked: nothing to tell
    QCOMPARE(spy_->count(), 2);
    window_->findingList()->setCurrentRow(1);
    QTest::mouseClick(window_->closeButton(), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QCOMPARE(Last(), Points{});
  }

 private:
  void Decode(std::vector<std::string> lines) {
    puzzle_ = kven::test::FreshPuzzle();
    kven::test::DecodeLines(puzzle_, std::move(lines));
  }
  Points Last() const { return spy_->isEmpty() ? Points{QPoint(-1, -1)} : spy_->last().at(0).value<Points>(); }

  kven::Puzzle puzzle_;
  int reads_ = 0;
  std::unique_ptr<CheckWindow> window_;
  std::unique_ptr<QSignalSpy> spy_;
};

QTEST_MAIN(CheckWindowTest)
#include "check_window_test.moc"
