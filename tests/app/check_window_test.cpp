#include "app/check_window.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "support/test_puzzles.h"

using kven::CheckStyle;
using kven::CheckWindow;
using kven::Puzzle;
using Points = QList<QPoint>;

namespace {

Puzzle Decoded(std::vector<std::string> lines) {
  Puzzle p = kven::testing::FreshPuzzle();
  kven::testing::DecodeLines(p, std::move(lines));
  return p;
}

Points LastSquares(QSignalSpy& spy) {
  return spy.isEmpty() ? Points{QPoint(-1, -1)} : spy.last().at(0).value<Points>();
}

}  // namespace

class CheckWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // A block mid top row: 1 across (1,1 2,1) and 3 across (4,1 5,1) are short.
    puzzle_ = Decoded({"KVEN 0 5 5", "BLK 3 Z"});
    reads_ = 0;
    window_ = std::make_unique<CheckWindow>([this] {
      ++reads_;
      return puzzle_;
    });
    window_->show();
  }
  void cleanup() { window_.reset(); }

  void opensNonModalWithTheReport() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Check Diagram"));
    QVERIFY(!window_->isModal());
    QCOMPARE(reads_, 1);
    QCOMPARE(window_->findingList()->count(), 2);
    QCOMPARE(window_->findingList()->item(0)->text(), QStringLiteral("short: 1 across has 2 letters, fewer than 3"));
    QCOMPARE(window_->entryTable()->topLevelItemCount(), 11);  // 6 across, 5 down
    QVERIFY(window_->summaryLabel()->text().startsWith(QStringLiteral("Check: 5 x 5 block diagram")));
    QCOMPARE(window_->chosenStyle(), CheckStyle::Automatic);
  }

  void selectingAFindingEmitsExactlyItsSquares() {
    QSignalSpy spy(window_.get(), &CheckWindow::findingSelected);
    window_->findingList()->setCurrentRow(1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(LastSquares(spy), (Points{QPoint(4, 1), QPoint(5, 1)}));
    window_->findingList()->setCurrentRow(0);
    QCOMPARE(LastSquares(spy), (Points{QPoint(1, 1), QPoint(2, 1)}));
    window_->findingList()->clearSelection();
    QCOMPARE(LastSquares(spy), Points{});
  }

  // Entry rows mark their squares too; picking one drops the finding.
  void selectingAnEntryEmitsItsSquares() {
    QSignalSpy spy(window_.get(), &CheckWindow::findingSelected);
    window_->findingList()->setCurrentRow(0);
    window_->entryTable()->setCurrentItem(window_->entryTable()->topLevelItem(7));  // 2 down
    QCOMPARE(window_->entryTable()->topLevelItem(7)->text(0), QStringLiteral("2"));
    QCOMPARE(LastSquares(spy), (Points{QPoint(2, 1), QPoint(2, 2), QPoint(2, 3), QPoint(2, 4), QPoint(2, 5)}));
    QVERIFY(window_->findingList()->selectedItems().isEmpty());
  }

  void checkAgainReadsThePuzzleAgain() {
    QSignalSpy spy(window_.get(), &CheckWindow::findingSelected);
    window_->findingList()->setCurrentRow(0);
    puzzle_ = Decoded({"KVEN 0 5 5", "BLK 4 Z"});  // 3 letters and a lone square: nothing short
    QTest::mouseClick(window_->checkAgainButton(), Qt::LeftButton);
    QCOMPARE(reads_, 2);
    QVERIFY(window_->report().Passed());
    QCOMPARE(window_->findingList()->count(), 1);
    QCOMPARE(window_->findingList()->item(0)->text(), QStringLiteral("Every rule holds."));
    QCOMPARE(LastSquares(spy), Points{});  // the old finding's marks go
  }

  void choosingAStyleChecksAgain() {
    window_->styleBox()->setCurrentIndex(window_->styleBox()->findData(static_cast<int>(CheckStyle::Barred)));
    QCOMPARE(reads_, 2);
    QCOMPARE(window_->report().style, CheckStyle::Barred);
    // Every letter is checked: the eight entries of 5 have more checked
    // letters than barred allows, beside the two short ones.
    QCOMPARE(window_->findingList()->count(), 10);
  }

  void anEditClearsTheMarks() {
    QSignalSpy spy(window_.get(), &CheckWindow::findingSelected);
    window_->findingList()->setCurrentRow(1);
    window_->clearSelection();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(LastSquares(spy), Points{});
    QVERIFY(window_->findingList()->selectedItems().isEmpty());
    window_->clearSelection();  // nothing marked: nothing to tell
    QCOMPARE(spy.count(), 2);
  }

  void closingEmitsAnEmptySelection() {
    QSignalSpy spy(window_.get(), &CheckWindow::findingSelected);
    window_->findingList()->setCurrentRow(1);
    QTest::mouseClick(window_->closeButton(), Qt::LeftButton);
    QVERIFY(!window_->isVisible());
    QCOMPARE(LastSquares(spy), Points{});
    QVERIFY(window_->findingList()->selectedItems().isEmpty());
    window_->show();  // opened again: read anew
    QCOMPARE(reads_, 2);
  }

 private:
  Puzzle puzzle_;
  int reads_ = 0;
  std::unique_ptr<CheckWindow> window_;
};

QTEST_MAIN(CheckWindowTest)
#include "check_window_test.moc"
