// The side windows open wholly on the screen, beside the main window where
// there is room and never over its menus, clear of each other, and keep
// beside the main window as it grows. Run on screens of several sizes (see
// CMakeLists.txt).
#include <QDockWidget>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "app/beside.h"
#include "app/check_window.h"
#include "app/fill_panel.h"
#include "test_window.h"

using kven::test::Window;

namespace {

QRect MenusOnScreen(const QMainWindow& window) {
  const QMenuBar* menus = window.menuBar();
  return QRect(menus->mapToGlobal(QPoint(0, 0)), menus->size());
}

}  // namespace

class SideWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

  void besideRect_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QList<QRect>>("taken");
    QTest::addColumn<QRect>("placed");
    // A 1280 x 800 screen; the owner's menus end 40 pixels below its top.
    const QRect centred(349, 135, 582, 513);
    const QSize check(560, 440);
    const QSize least(433, 232);
    QTest::newRow("room on the right") << QRect(100, 100, 580, 476) << check << least << QList<QRect>{}
                                       << QRect(688, 100, 560, 440);
    QTest::newRow("room only on the left") << QRect(700, 50, 580, 476) << check << least << QList<QRect>{}
                                           << QRect(132, 50, 560, 440);
    QTest::newRow("below another side window") << QRect(100, 100, 580, 476) << QSize(300, 400) << QSize(300, 232)
                                               << QList<QRect>{{688, 100, 300, 400}} << QRect(688, 508, 300, 292);
    QTest::newRow("narrowed into the room beside") << centred << QSize(380, 500) << QSize(300, 200) << QList<QRect>{}
                                                   << QRect(939, 135, 341, 500);
    QTest::newRow("below the owner") << QRect(300, 0, 700, 400) << QSize(380, 360) << QSize(300, 200)
                                     << QList<QRect>{} << QRect(300, 408, 380, 360);
    QTest::newRow("no room: at the edge, below the menus") << centred << check << least << QList<QRect>{}
                                                           << QRect(847, 175, 433, 440);
    QTest::newRow("no room: on the side the others leave")
        << centred << check << least << QList<QRect>{{939, 135, 341, 600}} << QRect(0, 175, 433, 440);
    QTest::newRow("taller than the screen") << centred << QSize(300, 1000) << QSize(300, 200) << QList<QRect>{}
                                            << QRect(939, 0, 300, 800);
  }
  void besideRect() {
    QFETCH(QRect, owner);
    QFETCH(QSize, size);
    QFETCH(QSize, minimum);
    QFETCH(QList<QRect>, taken);
    QFETCH(QRect, placed);
    const QRect screen(0, 0, 1280, 800);
    const QRect at = kven::BesideRect(owner, owner.y() + 40, size, minimum, screen, taken);
    QCOMPARE(at, placed);
    QVERIFY(screen.contains(at));
  }

  // The check window, then the Fill and Clues panels, opened from the menu;
  // then the window grows for a bigger grid. On a screen with room for all
  // (1600 x 1200), nothing lies over anything else.
  void sideWindowsOpenOnTheScreenBesideTheWindow() {
    Window w;
    const QRect area = w.form.screen()->availableGeometry();
    const bool roomForAll = area.width() >= 1600 && area.height() >= 1200;
    w.Trigger("miCheck");
    w.Trigger("miFill");
    w.Trigger("miClues");
    const QList<QWidget*> sides{&kven::test::Find<kven::CheckWindow>(w.form, "CheckWindow"),
                                &kven::test::Find<kven::FillPanel>(w.form, "FillPanel"),
                                &kven::test::Find<QDockWidget>(w.form, "CluesPanel")};
    const auto check = [&](const char* when) {
      for (const QWidget* side : sides) {
        const QString what = QStringLiteral("%1 %2").arg(side->objectName(), QLatin1String(when));
        const QRect frame = side->frameGeometry();
        QVERIFY2(side->isVisible(), qPrintable(what));
        QVERIFY2(area.contains(frame), qPrintable(what));
        QVERIFY2(!frame.intersects(MenusOnScreen(w.form)), qPrintable(what));
        if (!roomForAll) continue;
        QVERIFY2(!frame.intersects(w.form.frameGeometry()), qPrintable(what));
        for (const QWidget* other : sides)
          QVERIFY2(other == side || !frame.intersects(other->frameGeometry()),
                   qPrintable(QStringLiteral("%1 over %2").arg(what, other->objectName())));
      }
    };
    check("at first");
    w.Paste(QStringLiteral("KVEN 2 21 21\r\nBLK 1 Z\r\n"));
    check("after the window grew");
  }

  // A 1280-pixel screen leaves (1280 - 580) / 2 - 8 = 342 pixels beside the
  // centred window on either side: the check window and the Clues panel fit
  // there at their narrowest, frame included (the Fill panel's width follows
  // the pattern it shows).
  void sideWindowsFitBesideTheWindowOnA1280PixelScreen() {
    Window w;
    w.Trigger("miCheck");
    w.Trigger("miClues");
    for (const char* name : {"CheckWindow", "CluesPanel"}) {
      const QWidget& side = kven::test::Find<QWidget>(w.form, name);
      const int frame = side.frameGeometry().width() - side.geometry().width();
      QVERIFY2(side.minimumSizeHint().expandedTo(side.minimumSize()).width() + frame <= 342, name);
    }
  }
};

QTEST_MAIN(SideWindowsTest)
#include "side_windows_test.moc"
