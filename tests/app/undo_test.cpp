// Undo and Redo over random sequences of what a user does in the window:
// every change undone brings back the window as it was, every change redone
// the window as it became.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <random>

#include "app/spin_button.h"
#include "form_driver.h"
#include "read_puzzle.h"
#include "render/puzzle_picture.h"
#include "scripted_dialogs.h"
#include "text/encoder.h"

using kven::KvenForm;

namespace {

// What a user can see of the puzzle, and what its text and picture are.
struct Seen {
  kven::TextLineList text;
  std::string json;
  QImage picture;
  QString title, width, height;
  QSize windowSize;
  std::array<bool, 3> symmetryChecks;
  int cursorCol, cursorRow;
  bool operator==(const Seen&) const = default;
};

Seen Look(KvenForm& form) {
  const kven::Puzzle& p = form.puzzle();
  Seen seen{kven::EncodeText(p),
            kven::tool::PuzzleJson(p, kven::TextRead()),
            kven::MakePuzzleBitmap(p, form.editor().BarWidth),
            kven::test::Find<QLineEdit>(form, "edTitle").text(),
            kven::test::Find<QLineEdit>(form, "EditH").text(),
            kven::test::Find<QLineEdit>(form, "EditV").text(),
            form.size(),
            {kven::test::Find<QAction>(form, "miNone").isChecked(), kven::test::Find<QAction>(form, "miTwo").isChecked(),
             kven::test::Find<QAction>(form, "miFour").isChecked()},
            form.editor().CursorCol,
            form.editor().CursorRow};
  return seen;
}

const char* const Texts[] = {
    "KVEN 2 5 5\r\nBLK 2 4 7 Z\r\nMN\r\n1 0 2 0 3\r\n0 0 4 5 0\r\n6 7 0 0 0\r\n8 0 0 0 0\r\n0 0 0 0 0\r\nTTL Mini\r\n",
    "KVEN 4 6 6\r\nHBR 1 Z\r\nVBR Z\r\nTTL Bars\r\nANS\r\nABCDEF\r\n",
    "no puzzle in this letter\r\n",
    "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/crossword#1\"],"
    " \"dimensions\": {\"width\": 5, \"height\": 5}, \"title\": \"Imported\","
    " \"puzzle\": [[1, 0, 2, \"#\", 3], [0, 0, 0, 0, 0], [4, 0, 0, 0, 0], [0, 0, 0, 0, 0], [\"#\", 5, 0, 0, 0]]}",
};

const char* const Items[] = {"miNew",  "miClear", "miBlock", "miHbar", "miVbar", "miLetter", "miAuto",
                             "miManual", "miNone", "miTwo",  "miFour"};

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

  void undoingEveryChangeBringsBackTheStartAndRedoingTheEnd() {
    std::mt19937 rng(20261208);
    for (int run = 0; run < 12; ++run) {
      kven::test::ScriptedDialogs dialogs;
      KvenForm form(dialogs);
      form.show();
      const Seen start = Look(form);
      const int actions = 10 + run * 4;
      for (int i = 0; i < actions; ++i) Act(form, rng);
      const Seen end = Look(form);
      QAction& undo = kven::test::Find<QAction>(form, "miUndo");
      QAction& redo = kven::test::Find<QAction>(form, "miRedo");
      int steps = 0;
      for (; undo.isEnabled(); ++steps) undo.trigger();
      QVERIFY2(steps <= actions, "no more steps than actions");
      QVERIFY2(Look(form) == start, qPrintable(QStringLiteral("run %1: the start is back").arg(run)));
      QVERIFY(redo.isEnabled() || steps == 0);
      for (int i = 0; i < steps; ++i) redo.trigger();
      QVERIFY(!redo.isEnabled());
      QVERIFY2(Look(form) == end, qPrintable(QStringLiteral("run %1: the end is back").arg(run)));
    }
  }

  void stepsAreNamedAndANewChangeDropsTheRedo() {
    kven::test::ScriptedDialogs dialogs;
    KvenForm form(dialogs);
    form.show();
    QAction& undo = kven::test::Find<QAction>(form, "miUndo");
    QAction& redo = kven::test::Find<QAction>(form, "miRedo");
    QVERIFY(!undo.isEnabled() && !redo.isEnabled());
    QCOMPARE(undo.shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(redo.shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    kven::test::Trigger(form, "miBlock");  // a mode is no change of the puzzle
    QVERIFY(!undo.isEnabled());
    QTest::mouseClick(&kven::test::Grid(form), Qt::LeftButton, {}, kven::test::Grid(form).CellRect(2, 2).center());
    QCOMPARE(undo.text(), QStringLiteral("Undo Block"));
    // A burst of typing in the title field is one step.
    QLineEdit& title = kven::test::Find<QLineEdit>(form, "edTitle");
    QTest::keyClicks(&title, QStringLiteral("Sunday"));
    QCOMPARE(undo.text(), QStringLiteral("Undo Title"));
    undo.trigger();
    QCOMPARE(title.text(), QString());
    QCOMPARE(redo.text(), QStringLiteral("Redo Title"));
    undo.trigger();
    QCOMPARE(form.puzzle().Blocks(2, 2), 0);
    QCOMPARE(redo.text(), QStringLiteral("Redo Block"));
    kven::test::Trigger(form, "miClear");
    QCOMPARE(undo.text(), QStringLiteral("Undo Clear"));
    QVERIFY(!redo.isEnabled());
    // The mode stays as the user set it.
    QCOMPARE(form.editor().EntryMode, kven::EntryMode::Block);
  }

  // Storing a number where the square already holds it changes nothing the
  // puzzle shows, so it is no step: Undo takes back the number stored before.
  void aNumberStoredAgainIsNoStep() {
    kven::test::ScriptedDialogs dialogs;
    KvenForm form(dialogs);
    form.show();
    kven::test::Trigger(form, "miAuto");
    kven::test::Trigger(form, "miManual");
    QLineEdit& field = kven::test::Find<QLineEdit>(form, "EdNum");
    kven::KvenGrid& grid = kven::test::Grid(form);
    field.setText(QStringLiteral("7"));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(3, 2).center());
    field.setText(QStringLiteral("1"));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(1, 1).center());  // numbered 1 already
    QCOMPARE(field.text(), QStringLiteral("2"));
    kven::test::Trigger(form, "miUndo");
    QCOMPARE(form.puzzle().Numbers(3, 2), 0);
    QCOMPARE(form.puzzle().Numbers(1, 1), 1);
  }

 private:
  // One thing a user does, picked at random.
  void Act(KvenForm& form, std::mt19937& rng) {
    kven::KvenGrid& grid = kven::test::Grid(form);
    const kven::Puzzle& p = form.puzzle();
    switch (rng() % 7) {
      case 0: {
        auto& spin = kven::test::Find<kven::SpinButton>(form, rng() % 2 ? "SpinH" : "SpinV");
        QTest::mouseClick(rng() % 2 ? spin.upButton() : spin.downButton(), Qt::LeftButton);
        break;
      }
      case 1:
        kven::test::Trigger(form, Items[rng() % std::size(Items)]);
        break;
      case 2:
      case 3: {
        const int col = static_cast<int>(rng() % static_cast<unsigned>(p.HSquares)) + 1;
        const int row = static_cast<int>(rng() % static_cast<unsigned>(p.VSquares)) + 1;
        QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(col, row).center());
        break;
      }
      case 4: {
        static const Qt::Key keys[] = {Qt::Key_A, Qt::Key_Q, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Down};
        QTest::keyClick(&grid, keys[rng() % std::size(keys)]);
        break;
      }
      case 5:
        kven::test::Find<QLineEdit>(form, "edTitle").setText(QStringLiteral("Title %1").arg(rng() % 100));
        break;
      default:
        QGuiApplication::clipboard()->setText(QString::fromLatin1(Texts[rng() % std::size(Texts)]));
        kven::test::Trigger(form, "miPaste");
        break;
    }
  }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
