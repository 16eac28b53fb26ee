#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtMath>

#include "app/dialogs.h"
#include "app/text_page.h"
#include "editing/numbering.h"
#include "kven_version.h"
#include "render/current_entry.h"
#include "test_window.h"

// What setters expect of the window beyond its commands: chords that stay
// chords, menus that tell the truth about the puzzle, numbers that keep up
// with the diagram, and no work lost on the way out.
namespace {

using kven::test::Window;

const char* const HandNumbered =
    "KVEN   0   5   5\r\nBLK   5  21 Z\r\nMN\r\n   1   2   3   4   0\r\n   5   0   0   0   6\r\n"
    "   7   0   0   0   0\r\n   8   0   0   0   0\r\n   0   9   0   0   0\r\nTTL Hand numbered\r\n";

enum class Release { LetterFirst, CtrlFirst };

void Chord(kven::KvenGrid& grid, Qt::Key letter, bool shift, Release order) {
  const Qt::KeyboardModifiers held = Qt::ControlModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier);
  const Qt::KeyboardModifiers afterCtrl = shift ? Qt::ShiftModifier : Qt::NoModifier;
  QTest::keyPress(&grid, Qt::Key_Control, Qt::ControlModifier);
  QTest::keyPress(&grid, letter, held);
  if (order == Release::LetterFirst) {
    QTest::keyRelease(&grid, letter, held);
    QTest::keyRelease(&grid, Qt::Key_Control, afterCtrl);
  } else {
    QTest::keyRelease(&grid, Qt::Key_Control, afterCtrl);
    QTest::keyRelease(&grid, letter, afterCtrl);
  }
}

}  // namespace

class SetterHabitsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void ctrlChordsNeverTypeAndChangeTheBarsInEveryMode_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<Release>("order");
    for (const char* mode : {"miLetter", "miHbar", "miVbar", "miBlock"})
      for (auto [order, name] : {std::pair{Release::LetterFirst, "B let go first"}, {Release::CtrlFirst, "Ctrl let go first"}})
        QTest::addRow("%s, %s", mode, name) << QString::fromLatin1(mode) << order;
  }
  void ctrlChordsNeverTypeAndChangeTheBarsInEveryMode() {
    QFETCH(QString, mode);
    QFETCH(Release, order);
    Window w;
    w.Trigger(mode.toLatin1().constData());
    if (mode == QLatin1String("miLetter")) w.Trigger("miLetter");
    Chord(w.Grid(), Qt::Key_B, false, order);
    Chord(w.Grid(), Qt::Key_B, false, order);
    QCOMPARE(w.form.editor().BarWidth, 4);
    Chord(w.Grid(), Qt::Key_B, true, order);
    QCOMPARE(w.form.editor().BarWidth, 3);
    Chord(w.Grid(), Qt::Key_S, false, order);
    QVERIFY(!w.puzzle().HasSolution);
    QCOMPARE(w.puzzle().Letters(1, 1), '.');
    // A plain letter after the chords is still typed.
    if (mode == QLatin1String("miLetter")) {
      QTest::keyClick(&w.Grid(), Qt::Key_K);
      QCOMPARE(w.puzzle().Letters(1, 1), 'K');
    }
  }

  void symmetryMarkFollowsThePuzzle() {
    {
      Window w;  // a text without symmetry on an odd size, read in Hbar mode
      w.Paste(QString::fromLatin1(HandNumbered));
      QCOMPARE(w.puzzle().Symmetry, 0);
      QVERIFY(w.Item("miNone").isChecked() && !w.Item("miTwo").isChecked() && !w.Item("miFour").isEnabled());
      // ...and Entry > Number shows that the numbers are by hand.
      QVERIFY(w.Item("miManual").isChecked() && w.Item("miNumber").isChecked());
    }
    for (const char* barMode : {"miHbar", "miVbar"}) {
      Window w;
      w.Trigger("miFour");
      w.Trigger(barMode);
      w.ResizeTo(13, 13);
      QCOMPARE(w.puzzle().Symmetry, 4);
      QVERIFY(w.Item("miFour").isChecked() && !w.Item("miTwo").isChecked());
      w.Trigger("miBlock");
      w.Trigger(barMode);
      QVERIFY(w.Item("miFour").isChecked());
    }
  }

  void automaticNumbersFollowEveryEditInOneStep() {
    Window w;
    w.Trigger("miNone");
    w.Trigger("miBlock");
    w.ResizeTo(5, 5);
    w.Trigger("miAuto");
    QCOMPARE(w.puzzle().Numbers(3, 1), 3);
    w.Click(3, 1);  // a block on square 3 of the top row
    // 1 and 2 across the top, then 3 (4 down) and 4 across the right.
    QCOMPARE(w.puzzle().Numbers(3, 1), 0);
    QCOMPARE(w.puzzle().Numbers(4, 1), 3);
    QCOMPARE(w.puzzle().Numbers(1, 2), 5);
    const QImage shown = w.Grid().Snapshot();
    const QRect numberBox = w.Grid().CellRect(3, 1).adjusted(2, 2, -18, -18);
    for (const QPoint at : {numberBox.topLeft(), numberBox.bottomRight()})
      QCOMPARE(shown.pixelColor(at * shown.devicePixelRatio()), QColor(0xC0, 0xC0, 0xC0));
    w.Trigger("miUndo");
    QVERIFY(w.puzzle().Blocks(3, 1) == 0);
    QCOMPARE(w.puzzle().Numbers(3, 1), 3);
    QCOMPARE(w.puzzle().Numbers(4, 1), 4);

    Window hand;  // numbers given by hand stay as given
    hand.Paste(QString::fromLatin1(HandNumbered));
    hand.Trigger("miBlock");
    hand.Click(3, 2);
    QCOMPARE(hand.puzzle().Blocks(3, 2), 1);
    QCOMPARE(hand.puzzle().Numbers(5, 2), 6);
    QCOMPARE(hand.puzzle().Numbers(2, 5), 9);
  }

  void exitAsksOnlyWhenWorkWouldBeLost_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<kven::UnsavedChoice>("answer");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("saved");
    using kven::UnsavedChoice;
    QTest::newRow("nothing changed") << false << UnsavedChoice::Cancel << true << false;
    QTest::newRow("changed, cancelled") << true << UnsavedChoice::Cancel << false << false;
    QTest::newRow("changed, discarded") << true << UnsavedChoice::Discard << true << false;
    QTest::newRow("changed, saved") << true << UnsavedChoice::Save << true << true;
  }
  void exitAsksOnlyWhenWorkWouldBeLost() {
    QFETCH(bool, changed);
    QFETCH(kven::UnsavedChoice, answer);
    QFETCH(bool, ends);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept.txt"));
    Window w;
    w.Trigger("miBlock");
    w.Click(2, 2);
    w.Trigger("miCopy");  // copied: kept
    if (changed) w.Click(3, 2);
    w.dialogs.unsavedAnswers.push_back(answer);
    w.dialogs.saveAnswers.push_back(file);
    w.Trigger("miExit");
    QCOMPARE(w.dialogs.unsavedQuestions, changed ? 1 : 0);
    QCOMPARE(w.form.isVisible(), !ends);
    QCOMPARE(QFile::exists(file), saved);
  }

  void typedSizesResizeInOneStep_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("steps");  // one for each field whose size changed
    QTest::newRow("both typed") << QStringLiteral("30") << QStringLiteral("7") << QSize(30, 7) << 2;
    QTest::newRow("beyond the largest") << QStringLiteral("45") << QStringLiteral("12") << QSize(30, 12) << 1;
    QTest::newRow("below the smallest") << QStringLiteral("2") << QStringLiteral("12") << QSize(5, 12) << 1;
  }
  void typedSizesResizeInOneStep() {
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QSize, size);
    QFETCH(int, steps);
    Window w;
    for (auto [field, text] : {std::pair{"EditH", width}, {"EditV", height}}) {
      QLineEdit& edit = w.Field(field);
      edit.selectAll();
      QTest::keyClicks(&edit, text);
      QTest::keyClick(&edit, Qt::Key_Return);
    }
    QCOMPARE(QSize(w.puzzle().HSquares, w.puzzle().VSquares), size);
    QCOMPARE(w.Field("EditH").text(), QString::number(size.width()));
    QCOMPARE(w.Grid().ColumnCount(), size.width() + 1);
    for (int step = 0; step < steps; ++step) w.Trigger("miUndo");
    QCOMPARE(QSize(w.puzzle().HSquares, w.puzzle().VSquares), QSize(12, 12));
    QCOMPARE(w.Field("EditH").text(), QStringLiteral("12"));
  }

  void ctrlZInTheTitleUndoesThroughTheHistory() {
    Window w;
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    QLineEdit& title = w.Field("edTitle");
    title.setFocus();
    QTest::keyClicks(&title, QStringLiteral("Clasp"));
    w.Trigger("miBlock");
    w.Click(1, 1);
    QTest::keyClick(&title, Qt::Key_Z, Qt::ControlModifier);  // the block goes first
    QCOMPARE(w.puzzle().Blocks(1, 1), 0);
    QCOMPARE(title.text(), QStringLiteral("Clasp"));
    QTest::keyClick(&title, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.puzzle().Title.empty() && title.text().isEmpty());
  }

  void theCurrentEntryRunsBetweenBlocksAndBars_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<QPoint>>("entry");
    const QString blocks = QStringLiteral("KVEN 0 5 5\r\nBLK 2 12 Z\r\n");  // (2,1) and (2,3)
    const QString bars = QStringLiteral("KVEN 0 5 5\r\nHBR 8 Z\r\nVBR 7 Z\r\n");  // below (3,2), right of (2,2)
    const auto right = static_cast<int>(kven::Direction::Right);
    const auto down = static_cast<int>(kven::Direction::Down);
    QTest::newRow("across, after a block") << blocks << QPoint(4, 1) << right
                                           << QList<QPoint>{{3, 1}, {4, 1}, {5, 1}};
    QTest::newRow("down, between blocks") << blocks << QPoint(2, 2) << down << QList<QPoint>{{2, 2}};
    QTest::newRow("down, to the foot") << blocks << QPoint(2, 5) << down << QList<QPoint>{{2, 4}, {2, 5}};
    QTest::newRow("across, cut by a bar") << bars << QPoint(4, 2) << right
                                          << QList<QPoint>{{3, 2}, {4, 2}, {5, 2}};
    QTest::newRow("down, cut by a bar") << bars << QPoint(3, 1) << down << QList<QPoint>{{3, 1}, {3, 2}};
    QTest::newRow("on a block") << blocks << QPoint(2, 1) << right << QList<QPoint>{};
  }
  void theCurrentEntryRunsBetweenBlocksAndBars() {
    QFETCH(QString, text);
    QFETCH(QPoint, cursor);
    QFETCH(int, direction);
    QFETCH(QList<QPoint>, entry);
    Window w;
    w.Paste(text);
    kven::EditorState editor = w.form.editor();
    editor.CursorCol = cursor.x();
    editor.CursorRow = cursor.y();
    editor.Direction = static_cast<kven::Direction>(direction);
    editor.EntryMode = kven::EntryMode::Hbar;
    QVERIFY(kven::CurrentEntry(w.puzzle(), editor).empty());  // shaded only while typing the solution
    editor.EntryMode = kven::EntryMode::Solution;
    QList<QPoint> found;
    for (const auto& [col, row] : kven::CurrentEntry(w.puzzle(), editor)) found << QPoint(col, row);
    QCOMPARE(found, entry);
  }

  void zoomScalesTheViewAndItsClicksOnly() {
    Window w;
    w.Trigger("miNone");
    w.Trigger("miBlock");
    const QSize actual = w.Grid().size();
    w.Trigger("miZoomIn");
    w.Trigger("miZoomIn");  // 1.25, then 1.5
    QCOMPARE(w.Grid().size(), QSize(qCeil(actual.width() * 1.5), qCeil(actual.height() * 1.5)));
    // A click lands on the square drawn under it: the square's middle at 1.5
    // times its place lies in the third column's zoomed cell, not the fifth.
    const QPoint middle = QPoint(2 + 3 * 26 + 12, 2 + 2 * 26 + 12) * 3 / 2;
    QTest::mouseClick(&w.Grid(), Qt::LeftButton, {}, middle);
    QCOMPARE(w.puzzle().Blocks(3, 2), 1);
    const QImage shown = w.Grid().Snapshot();
    QCOMPARE(shown.devicePixelRatio(), 1.5 * w.Grid().devicePixelRatioF());
    QCOMPARE(shown.pixelColor(middle * w.Grid().devicePixelRatioF()), QColor(0xC0, 0xC0, 0xC0));
    // The picture for Copy is the same at any zoom.
    w.form.SetCopySaveChoice(kven::CopySaveAs::Grid);
    w.Trigger("miCopy");
    const QImage zoomedPicture = w.form.image();
    w.Trigger("miActualSize");
    QCOMPARE(w.Grid().size(), actual);
    w.Trigger("miCopy");
    QCOMPARE(w.form.image(), zoomedPicture);
    for (int i = 0; i < 10; ++i) w.Trigger("miZoomOut");
    QCOMPARE(w.Grid().Zoom(), 0.75);
  }

  void helpPagesShowWhatIsBeyondAndTheVersion() {
    Window w;
    QStringList shown;
    w.dialogs.whileShown = [&](QDialog& dialog) {
      if (auto* page = qobject_cast<kven::TextPage*>(&dialog)) shown << page->textBox()->toPlainText();
    };
    w.Trigger("miBeyond");
    w.Trigger("miAbout");
    QCOMPARE(shown.size(), 2);
    for (const char* topic : {"Undo", "ipuz", "SVG", "Check Diagram", "Fill Grid", "Clues", "Ctrl+Q", "Across Lite",
                              "Entry > Circle", "Ctrl+Shift+H", "Web Page", "Submission"})
      QVERIFY2(shown[0].contains(QLatin1String(topic)), topic);
    QVERIFY(shown[1].contains(QLatin1String(kven::Version)) && shown[1].contains(QLatin1String(kven::Licence)));
  }

  void invalidDataBoxOffersOk() {
    QStringList buttons;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      for (QAbstractButton* button : box->buttons())
        buttons << QString::fromLatin1(box->standardButton(button) == QMessageBox::Ok ? "OK" : "other");
      box->done(0);
    });
    kven::QtDialogs dialogs;
    dialogs.showInvalidData(nullptr, QStringLiteral("Oops"));
    QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
  }
};

QTEST_MAIN(SetterHabitsTest)
#include "setter_habits_test.moc"
