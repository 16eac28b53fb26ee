// The window shows the grid whole at every size and zoom where the screen
// holds it, takes what the screen has where it does not, and stays on the
// screen; clicks land on the square drawn under them at every zoom. Run on
// screens of several sizes (see CMakeLists.txt).
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "app/window_fit.h"
#include "app/zoom.h"
#include "test_window.h"

using kven::test::Window;

namespace {

// Every zoom step from the smallest, as Zoom Out and Zoom In reach it.
void ZoomTo(Window& w, double zoom) {
  w.Trigger("miActualSize");
  while (w.Grid().Zoom() > zoom) w.Trigger("miZoomOut");
  while (w.Grid().Zoom() < zoom) w.Trigger("miZoomIn");
}

QScrollArea& Scroll(Window& w) { return kven::test::Find<QScrollArea>(w.form, "ScrollBox"); }

// Whether every pixel of the grid lies in the part of the window shown.
bool GridWhole(Window& w) {
  QScrollArea& scroll = Scroll(w);
  const QRect grid(w.Grid().mapTo(scroll.viewport(), QPoint(0, 0)), w.Grid().size());
  return scroll.viewport()->rect().contains(grid);
}

// Whether the window's frame takes all the room the screen has, less its margin, one way.
bool FillsTheScreen(Window& w, Qt::Orientation way) {
  const QRect area = w.form.screen()->availableGeometry();
  const QRect frame = w.form.frameGeometry();
  return way == Qt::Vertical ? frame.height() >= area.height() - 10 : frame.width() >= area.width() - 10;
}

QString KvenTextOf(int side) {
  return QStringLiteral("KVEN 0 %1 %1\r\nBLK 1 Z\r\n").arg(side);
}

}  // namespace

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

  void fitWindow_data() {
    QTest::addColumn<QSize>("squares");
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<QSize>("whole");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<QSize>("current");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("horizontal");
    const QSize big(1590, 1165);
    const QSize low(1270, 765);
    QTest::newRow("12 x 12 taller than the designed size")
        << QSize(12, 12) << QSize(342, 342) << QSize(469, 488) << big << QSize(580, 476)
        << QSize(580, 488) << false << false;
    QTest::newRow("a small grid keeps the designed size")
        << QSize(12, 12) << QSize(257, 257) << QSize(380, 400) << big << QSize(700, 700)
        << QSize(580, 476) << false << false;
    QTest::newRow("13 rows take the grid and 128 when that holds them")
        << QSize(12, 13) << QSize(342, 368) << QSize(469, 480) << big << QSize(580, 476)
        << QSize(580, 496) << false << false;
    QTest::newRow("15 rows grow to show the grid whole")
        << QSize(15, 15) << QSize(420, 420) << QSize(432, 566) << big << QSize(700, 476)
        << QSize(700, 566) << false << false;
    QTest::newRow("21 columns take the grid and 40")
        << QSize(21, 21) << QSize(576, 576) << QSize(588, 722) << big << QSize(580, 566)
        << QSize(616, 722) << false << false;
    QTest::newRow("taller than the screen: all its height, scrolled")
        << QSize(30, 30) << QSize(810, 810) << QSize(822, 956) << low << QSize(616, 722)
        << QSize(850, 765) << true << false;
    QTest::newRow("the scroll bar widens a kept width")
        << QSize(15, 15) << QSize(630, 630) << QSize(642, 776) << low << QSize(580, 566)
        << QSize(657, 765) << true << false;
    QTest::newRow("zoomed past the screen both ways")
        << QSize(12, 12) << QSize(1026, 1026) << QSize(1038, 1172) << QSize(1000, 700) << QSize(580, 488)
        << QSize(1000, 700) << true << true;
  }
  void fitWindow() {
    QFETCH(QSize, squares);
    QFETCH(QSize, grid);
    QFETCH(QSize, whole);
    QFETCH(QSize, room);
    QFETCH(QSize, current);
    QFETCH(QSize, size);
    QFETCH(bool, vertical);
    QFETCH(bool, horizontal);
    const kven::WindowFit fit = kven::FitWindow({current, squares.width(), squares.height(), grid, whole, room, 15});
    QCOMPARE(fit.size, size);
    QCOMPARE(fit.verticalScrollBar, vertical);
    QCOMPARE(fit.horizontalScrollBar, horizontal);
  }

  void theGridIsWholeAtEverySizeAndZoom_data() {
    QTest::addColumn<int>("side");
    for (const int side : {12, 15, 21, 30}) QTest::addRow("%d squares", side) << side;
  }
  // Whole where the screen holds it; where it does not, the window has all
  // the screen's room that way and scrolls.
  void theGridIsWholeAtEverySizeAndZoom() {
    QFETCH(int, side);
    Window w;
    QTRY_VERIFY(GridWhole(w));  // at start-up
    if (side != 12) w.Paste(KvenTextOf(side));
    int height = 0;
    for (const double zoom : kven::ZoomSteps) {
      ZoomTo(w, zoom);
      const QString at = QStringLiteral("%1 squares at %2").arg(side).arg(zoom);
      QTRY_VERIFY2(GridWhole(w) || FillsTheScreen(w, Qt::Vertical) || FillsTheScreen(w, Qt::Horizontal),
                   qPrintable(at));
      QVERIFY2(w.form.screen()->availableGeometry().contains(w.form.frameGeometry()), qPrintable(at));
      // Zoom In grows the window as a bigger grid does, up to the screen.
      QVERIFY2(w.form.height() >= height || FillsTheScreen(w, Qt::Vertical), qPrintable(at));
      height = w.form.height();
    }
    w.Trigger("miActualSize");
    if (side <= 21 && w.form.screen()->availableGeometry().height() >= 800) QTRY_VERIFY(GridWhole(w));
  }

  void clicksLandOnTheirSquareAtEveryZoom_data() {
    QTest::addColumn<double>("zoom");
    for (const double zoom : kven::ZoomSteps) QTest::addRow("%g", zoom) << zoom;
  }
  // Each corner square clicked in its middle, as drawn at the zoom; the
  // text tells which squares were blocked, the picture shown where.
  void clicksLandOnTheirSquareAtEveryZoom() {
    QFETCH(double, zoom);
    Window w;
    w.Trigger("miNone");
    w.Trigger("miBlock");
    ZoomTo(w, zoom);
    const auto middle = [zoom](int col, int row) { return QPointF(2 + col * 26 + 12.5, 2 + row * 26 + 12.5) * zoom; };
    for (const auto& [col, row] : {std::pair{1, 1}, {12, 1}, {1, 12}, {12, 12}})
      QTest::mouseClick(&w.Grid(), Qt::LeftButton, {}, middle(col, row).toPoint());
    w.Trigger("miCopy");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("KVEN   0  12  12\r\nBLK   1  12 133 144 Z\r\nNN\r\n"));
    const QImage shown = w.Grid().Snapshot();
    const qreal ratio = shown.devicePixelRatio();
    for (const auto& [col, row, colour] : {std::tuple{12, 12, QColor(0xC0, 0xC0, 0xC0)}, {11, 12, QColor(Qt::white)},
                                          {12, 11, QColor(Qt::white)}, {1, 12, QColor(0xC0, 0xC0, 0xC0)}})
      QCOMPARE(shown.pixelColor((middle(col, row) / zoom * ratio).toPoint()), colour);
  }

  // The window placed low on the screen grows downward with more rows, and
  // back again when a smaller size is undone; either way it ends up whole on
  // the screen, moved only as far as that needs.
  void aGrowingWindowStaysOnTheScreen() {
    Window w;
    const QRect area = w.form.screen()->availableGeometry();
    const auto onScreen = [&] { return area.contains(w.form.frameGeometry()); };
    // Its foot on the screen's foot.
    const QPoint low(area.x() + 40, area.y() + area.height() - w.form.frameGeometry().height());
    w.form.move(low);
    QVERIFY(onScreen());
    const int designed = w.form.height();
    w.Spin("SpinV", true);  // 13 rows: the window grows
    QVERIFY(w.form.height() > designed);
    QTRY_VERIFY(GridWhole(w));
    QVERIFY2(onScreen(), qPrintable(QStringLiteral("frame bottom %1").arg(w.form.frameGeometry().bottom())));
    QCOMPARE(w.form.frameGeometry().bottom(), area.bottom());
    QCOMPARE(w.form.frameGeometry().x(), low.x());
    const int grown = w.form.height();

    w.Spin("SpinV", false);  // back to the size of 12 rows, where it is
    QCOMPARE(w.form.height(), designed);
    w.form.move(low);
    w.Trigger("miUndo");  // undoing that grows the window again
    QCOMPARE(w.form.height(), grown);
    QVERIFY(onScreen());
  }

  // The status bar's note of what a KVEN text leaves out takes room below
  // the grid, which the window makes up.
  void theStatusBarLeavesTheGridWhole() {
    Window w;
    w.Trigger("miClues");
    w.Trigger("miLetter");
    w.Click(1, 1);
    auto& clue = kven::test::Find<QLineEdit>(w.form, "edClue");
    QTest::keyClicks(&clue, QStringLiteral("Set in motion"));
    w.Trigger("miCopy");
    QVERIFY(w.form.statusBar()->isVisible());
    QTRY_VERIFY(GridWhole(w));
  }

  // A scroll bar the screen made necessary stays once shown, as the grid
  // shrinks again.
  void aScrollBarOnceShownStays() {
    Window w;
    w.Paste(KvenTextOf(30));
    const bool scrolled = Scroll(w).verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
    QCOMPARE(scrolled, !GridWhole(w));
    w.ResizeTo(12, 12);
    QCOMPARE(Scroll(w).verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, scrolled);
    QTRY_VERIFY(GridWhole(w));
  }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
