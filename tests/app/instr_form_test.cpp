#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/instr_form.h"

using kven::Instrform;

namespace {

QStringList Lines(const QPlainTextEdit* memo) { return memo->toPlainText().split(QLatin1Char('\n')); }

bool ShowsLabel(const Instrform& window, const QString& text) {
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (label->text() == text && label->isVisible()) return true;
  return false;
}

}  // namespace

class InstrformTest : public QObject {
  Q_OBJECT

 private slots:
  void startsHidden() {
    Instrform window;
    QVERIFY(window.isHidden());
    QVERIFY(!window.ShowingInstructions());
    QCOMPARE(window.windowTitle(), QStringLiteral("Instructions"));
    QCOMPARE(window.miDef()->text(), QStringLiteral("Show Language Definition"));
  }

  void switchBetweenTheTexts() {
    Instrform window;
    window.show();
    QVERIFY(window.ShowingInstructions());
    QVERIFY(window.memoInstr()->isVisible());
    QVERIFY(!window.memoLangDef()->isVisible());
    QCOMPARE(window.miDef()->text(), QStringLiteral("Show Language Definition"));
    QVERIFY(ShowsLabel(window, QStringLiteral("Version 3.3")));
    QCOMPARE(window.focusWidget(), static_cast<QWidget*>(window.btnOK()));

    window.miDef()->trigger();
    QVERIFY(!window.ShowingInstructions());
    QVERIFY(!window.memoInstr()->isVisible());
    QVERIFY(window.memoLangDef()->isVisible());
    QCOMPARE(window.miDef()->text(), QStringLiteral("Show Instructions"));

    window.miDef()->trigger();
    QVERIFY(window.ShowingInstructions());
    QVERIFY(window.memoInstr()->isVisible());
    QVERIFY(!window.memoLangDef()->isVisible());
    QCOMPARE(window.miDef()->text(), QStringLiteral("Show Language Definition"));
  }

  void okHidesAndReopeningShowsTheInstructions() {
    Instrform window;
    window.show();
    window.miDef()->trigger();
    QTest::mouseClick(window.btnOK(), Qt::LeftButton);
    QVERIFY(window.isHidden());
    QCOMPARE(window.result(), int(QDialog::Accepted));

    window.show();
    QVERIFY(window.ShowingInstructions());
    QVERIFY(window.memoInstr()->isVisible());
    QVERIFY(!window.memoLangDef()->isVisible());
    QCOMPARE(window.miDef()->text(), QStringLiteral("Show Language Definition"));
    // One click now shows the definition, as the caption promised.
    window.miDef()->trigger();
    QVERIFY(window.memoLangDef()->isVisible());
  }

  void texts() {
    Instrform window;
    const QStringList instructions = Lines(window.memoInstr());
    QCOMPARE(instructions.size(), 20);
    QCOMPARE(instructions.first(), QStringLiteral(" Decoding."));
    QCOMPARE(instructions[4],
             QStringLiteral("   Encode crosswords by first chosing the size.The top control gives you square grids. You "));
    QCOMPARE(instructions[7], QStringLiteral("  of the grid. "));
    QCOMPARE(instructions.last(), QStringLiteral(
        "  ctrl-b thickens the bars by one pixel. shift - ctrl - b thinnens them. Effect is not permanent."));
    QVERIFY(window.memoInstr()->isReadOnly());

    const QStringList definition = Lines(window.memoLangDef());
    QCOMPARE(definition.size(), 18);
    QCOMPARE(definition.first(),
             QStringLiteral("Ascii text   All Capital letters  Groups separated by one or more spaces"));
    QCOMPARE(definition[4], QStringLiteral("Horizontal squares, then vertical squares; Example   KVEN 4 12 12 "));
    QCOMPARE(definition[15],
             QStringLiteral("New Line Optional 'ANS' followed by solution, V lines of H characters."));
    QVERIFY(definition[16].isEmpty() && definition[17].isEmpty());
    QVERIFY(window.memoLangDef()->isReadOnly());
  }
};

QTEST_MAIN(InstrformTest)
#include "instr_form_test.moc"
