#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "app/kven_form.h"
#include "app/spin_button.h"
#include "app/window_fit.h"
#include "form_driver.h"
#include "scripted_dialogs.h"

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

  void keepWithin_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("corner");
    // The available area is 1280 x 994 from (0, 30), as below a top panel.
    QTest::newRow("inside stays") << QRect(350, 274, 580, 476) << QPoint(350, 274);
    QTest::newRow("past the bottom goes up") << QRect(215, 274, 850, 938) << QPoint(215, 86);
    QTest::newRow("past the right goes left") << QRect(900, 100, 580, 476) << QPoint(700, 100);
    QTest::newRow("past both goes up and left") << QRect(1000, 900, 400, 200) << QPoint(880, 824);
    QTest::newRow("above the top goes down") << QRect(-20, 10, 580, 476) << QPoint(0, 30);
    QTest::newRow("exactly filling stays") << QRect(0, 30, 1280, 994) << QPoint(0, 30);
    QTest::newRow("too tall keeps its height's place") << QRect(1000, 500, 580, 1100) << QPoint(700, 500);
    QTest::newRow("too wide keeps its width's place") << QRect(-50, 900, 1400, 200) << QPoint(-50, 824);
  }

  void keepWithin() {
    QFETCH(QRect, frame);
    QFETCH(QPoint, corner);
    QCOMPARE(kven::KeepWithin(frame, QRect(0, 30, 1280, 994)), corner);
  }

  // The window placed low on the screen grows downward with more rows, and
  // back again when a smaller size is undone; either way it ends up whole on
  // the screen, moved only as far as that needs.
  void aGrowingWindowStaysOnTheScreen() {
    kven::test::ScriptedDialogs dialogs;
    kven::KvenForm form(dialogs);
    form.show();
    const QRect area = form.screen()->availableGeometry();
    const auto spin = [&](const char* name, bool up) {
      auto& button = kven::test::Find<kven::SpinButton>(form, name);
      QTest::mouseClick(up ? button.upButton() : button.downButton(), Qt::LeftButton);
    };
    const auto onScreen = [&] { return area.contains(form.frameGeometry()); };
    // Its foot on the screen's foot.
    const QPoint low(area.x() + 40, area.y() + area.height() - form.frameGeometry().height());
    form.move(low);
    QVERIFY(onScreen());
    spin("SpinV", true);  // 13 rows: the window grows to the grid's height + 128
    QCOMPARE(form.height(), 14 * 26 + 4 + 128);
    QVERIFY2(onScreen(), qPrintable(QStringLiteral("frame bottom %1").arg(form.frameGeometry().bottom())));
    QCOMPARE(form.frameGeometry().bottom(), area.bottom());
    QCOMPARE(form.frameGeometry().x(), low.x());

    spin("SpinV", false);  // back to the designed size, where it is
    QCOMPARE(form.height(), 476);
    form.move(low);
    kven::test::Trigger(form, "miUndo");  // undoing that grows the window again
    QCOMPARE(form.height(), 14 * 26 + 4 + 128);
    QVERIFY(onScreen());
  }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
