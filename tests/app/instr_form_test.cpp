#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/instr_form.h"

using kven::Instrform;

class InstrformTest : public QObject {
  Q_OBJECT

  // The shown text, the caption of the switch and ShowingInstructions agree.
  static void ShowsInstructions(const Instrform& window, bool instructions) {
    QCOMPARE(window.ShowingInstructions(), instructions);
    QCOMPARE(window.memoInstr()->isVisible(), instructions);
    QCOMPARE(window.memoLangDef()->isVisible(), !instructions);
    QCOMPARE(window.miDef()->text(),
             instructions ? QStringLiteral("Show Language Definition") : QStringLiteral("Show Instructions"));
  }

 private slots:
  void switchesBetweenTheTextsAndReopensOnTheInstructions() {
    Instrform window;
    QVERIFY(window.isHidden());
    window.show();
    ShowsInstructions(window, true);
    QCOMPARE(window.focusWidget(), static_cast<QWidget*>(window.btnOK()));
    window.miDef()->trigger();
    ShowsInstructions(window, false);
    QVERIFY(window.memoLangDef()->toPlainText().contains(QStringLiteral("KVEN 4 12 12")));
    window.miDef()->trigger();
    ShowsInstructions(window, true);

    window.miDef()->trigger();
    QTest::mouseClick(window.btnOK(), Qt::LeftButton);
    QVERIFY(window.isHidden());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    window.show();
    ShowsInstructions(window, true);
    window.miDef()->trigger();  // one click shows the definition, as the caption promised
    ShowsInstructions(window, false);
  }
};

QTEST_MAIN(InstrformTest)
#include "instr_form_test.moc"
