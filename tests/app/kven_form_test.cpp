#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/instr_form.h"
#include "app/kven_form.h"
#include "app/spin_button.h"
#include "render/kven_grid.h"
#include "scripted_dialogs.h"

using kven::KvenForm;
using kven::testing::ScriptedDialogs;

namespace {

// A 5 x 5 twofold block diagram with a title and a solution.
const char* const ExampleText =
    "Dear setter, here it is:\r\n"
    "KVEN   2   5   5\r\n"
    "BLK   5   7   9 Z\r\n"
    "TTL Example\r\n"
    "ANS\r\n"
    "STEM.\r\n"
    "E.N.A\r\n"
    "TOTAL\r\n"
    "S.E.S\r\n"
    ".TRIO\r\n"
    "Regards\r\n";

struct Window {
  ScriptedDialogs dialogs;
  KvenForm form{dialogs};
  kven::Instrform instr{&form};

  Window() {
    form.SetInstructionsWindow(&instr);
    form.show();
  }
  kven::Puzzle& puzzle() { return form.puzzle(); }
  void Click(int col, int row) {
    QTest::mouseClick(form.kvenGrid(), Qt::LeftButton, {}, form.kvenGrid()->CellRect(col, row).center());
  }
  void ResizeTo(int h, int v) {
    puzzle().HSquares = h;
    puzzle().VSquares = v;
    kven::ResetPuzzle(puzzle(), form);
  }
};

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return QString();
  file.write(bytes);
  return path;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int BlockCount(const kven::Puzzle& p) {
  int n = 0;
  for (int row = 1; row <= kven::MaxSide; ++row)
    for (int col = 1; col <= kven::MaxSide; ++col) n += p.Blocks(col, row);
  return n;
}

QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  if (!process.waitForFinished(30000)) return QString();
  return QString::fromLatin1(process.readAllStandardOutput());
}

}  // namespace

class KvenFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }
  void init() { QGuiApplication::clipboard()->clear(); }

  void startUpState() {
    Window w;
    const kven::Puzzle& p = w.puzzle();
    QCOMPARE(w.form.windowTitle(), QStringLiteral("Gridlark"));
    QCOMPARE(p.HSquares, 12);
    QCOMPARE(p.VSquares, 12);
    QCOMPARE(p.Symmetry, 2);
    QCOMPARE(w.form.editor().EntryMode, kven::Hbar);
    QCOMPARE(w.form.editor().BarWidth, 2);
    QCOMPARE(w.form.editH()->text(), QStringLiteral("12"));
    QCOMPARE(w.form.editV()->text(), QStringLiteral("12"));
    QVERIFY(w.form.miHbar->isChecked());
    QVERIFY(!w.form.miBlock->isChecked());
    QVERIFY(w.form.miTwo->isChecked());
    QVERIFY(w.form.miFour->isEnabled());
    QVERIFY(!w.form.miNumber->isChecked());
    QCOMPARE(w.form.CopySaveChoice(), 0);
    QVERIFY(w.form.edTitle()->text().isEmpty());
    QVERIFY(w.form.edNum()->isHidden());
    QVERIFY(w.form.lblNum()->isHidden());
    QCOMPARE(w.form.edNum()->text(), QStringLiteral("1"));
    QCOMPARE(w.form.size(), QSize(580, 476));
    QCOMPARE(w.form.kvenGrid()->size(), QSize(342, 342));
    QCOMPARE(w.form.focusWidget(), static_cast<QWidget*>(w.form.kvenGrid()));
    QVERIFY(w.instr.isHidden());

    // A later activation does not set the start-up state again.
    w.form.SpinHUpClick();
    w.form.hide();
    w.form.show();
    QCOMPARE(w.puzzle().HSquares, 13);
  }

  void menuItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("checkable");
    const auto row = [](const char* item, const char* caption, const char* shortcut, bool checkable) {
      QTest::newRow(item) << QString::fromLatin1(item) << QString::fromLatin1(caption)
                          << QString::fromLatin1(shortcut) << checkable;
    };
    row("miNew", "&New", "", false);
    row("miOpen", "&Open...", "", false);
    row("miSave", "&Save...", "", false);
    row("miPrint", "&Print...", "", false);
    row("miExit", "E&xit", "", false);
    row("miCopy", "&Copy", "Ctrl+C", false);
    row("miPaste", "Paste", "Ctrl+V", false);
    row("miClear", "Clear", "Ctrl+Y", false);
    row("miHbar", "&Hbar", "", true);
    row("miVbar", "&Vbar", "", true);
    row("miBlock", "&Block", "", true);
    row("miNumber", "&Number", "", true);
    row("miAuto", "Auto", "", false);
    row("miManual", "Manual", "", false);
    row("miLetter", "&Solution", "", true);
    row("miNone", "&None", "", true);
    row("miTwo", "&Twofold", "", true);
    row("miFour", "&Fourfold", "", true);
    row("miInstr", "&How to Use...", "", false);
  }

  void menuItems() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, checkable);
    Window w;
    const std::map<QString, QAction*> items{
        {QStringLiteral("miNew"), w.form.miNew},     {QStringLiteral("miOpen"), w.form.miOpen},
        {QStringLiteral("miSave"), w.form.miSave},   {QStringLiteral("miPrint"), w.form.miPrint},
        {QStringLiteral("miExit"), w.form.miExit},   {QStringLiteral("miCopy"), w.form.miCopy},
        {QStringLiteral("miPaste"), w.form.miPaste}, {QStringLiteral("miClear"), w.form.miClear},
        {QStringLiteral("miHbar"), w.form.miHbar},   {QStringLiteral("miVbar"), w.form.miVbar},
        {QStringLiteral("miBlock"), w.form.miBlock}, {QStringLiteral("miNumber"), w.form.miNumber},
        {QStringLiteral("miAuto"), w.form.miAuto},   {QStringLiteral("miManual"), w.form.miManual},
        {QStringLiteral("miLetter"), w.form.miLetter}, {QStringLiteral("miNone"), w.form.miNone},
        {QStringLiteral("miTwo"), w.form.miTwo},     {QStringLiteral("miFour"), w.form.miFour},
        {QStringLiteral("miInstr"), w.form.miInstr},
    };
    QAction* action = items.at(item);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->isCheckable(), checkable);
    QVERIFY(action->isEnabled());
  }

  void newCommand() {
    Window w;
    w.form.SpinVUpClick();
    w.form.miBlock->trigger();
    w.Click(2, 2);
    w.form.edTitle()->setText(QStringLiteral("Old"));
    w.form.miNone->trigger();
    QCOMPARE(w.puzzle().Symmetry, 0);
    QVERIFY(!w.form.miTwo->isChecked());
    w.form.SetCopySaveChoice(KvenForm::AsClueList);
    w.form.miCopy->trigger();
    QVERIFY(!w.form.memo().empty());

    w.form.miNew->trigger();
    const kven::Puzzle& p = w.puzzle();
    QCOMPARE(p.HSquares, 12);
    QCOMPARE(p.VSquares, 12);
    QCOMPARE(p.Symmetry, 2);
    QCOMPARE(BlockCount(p), 0);
    QVERIFY(!p.BlockDiagram);
    QVERIFY(p.Title.empty());
    QVERIFY(w.form.edTitle()->text().isEmpty());
    QVERIFY(p.TextLines.empty() && p.ClueLines.empty() && w.form.memo().empty());
    QCOMPARE(w.form.editor().EntryMode, kven::Hbar);
    QVERIFY(w.form.miHbar->isChecked());
    QVERIFY(w.form.miTwo->isChecked());
    QCOMPARE(w.form.CopySaveChoice(), 0);
    QCOMPARE(w.form.editV()->text(), QStringLiteral("12"));
  }

  void spinners_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<QString>("spinner");
    QTest::addColumn<int>("wantH");
    QTest::addColumn<int>("wantV");
    QTest::newRow("upper up keeps the difference") << 12 << 15 << QStringLiteral("HUp") << 13 << 16;
    QTest::newRow("upper up at the largest size") << 30 << 30 << QStringLiteral("HUp") << 30 << 30;
    QTest::newRow("upper down") << 12 << 15 << QStringLiteral("HDown") << 11 << 14;
    QTest::newRow("upper down at the smallest size") << 5 << 7 << QStringLiteral("HDown") << 5 << 6;
    QTest::newRow("lower up") << 12 << 12 << QStringLiteral("VUp") << 12 << 13;
    QTest::newRow("lower down at 5 rows") << 9 << 5 << QStringLiteral("VDown") << 9 << 5;
  }

  void spinners() {
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(QString, spinner);
    QFETCH(int, wantH);
    QFETCH(int, wantV);
    Window w;
    w.ResizeTo(h, v);
    w.form.miBlock->trigger();
    w.Click(1, 1);
    w.form.edTitle()->setText(QStringLiteral("Gone"));
    QCOMPARE(BlockCount(w.puzzle()), 2);

    kven::SpinButton* button = spinner.startsWith(QLatin1Char('H')) ? w.form.spinH() : w.form.spinV();
    QTest::mouseClick(spinner.endsWith(QLatin1String("Up")) ? button->upButton() : button->downButton(),
                      Qt::LeftButton);

    QCOMPARE(w.puzzle().HSquares, wantH);
    QCOMPARE(w.puzzle().VSquares, wantV);
    QCOMPARE(w.form.editH()->text(), QString::number(wantH));
    QCOMPARE(w.form.editV()->text(), QString::number(wantV));
    QCOMPARE(BlockCount(w.puzzle()), 0);
    QVERIFY(w.puzzle().Title.empty());
    QVERIFY(w.form.edTitle()->text().isEmpty());
    QVERIFY(w.puzzle().BlockDiagram);
    QCOMPARE(w.form.editor().EntryMode, kven::Block);
    QCOMPARE(w.form.kvenGrid()->size(), QSize((wantH + 1) * 26 + 4, (wantV + 1) * 26 + 4));
  }

  void fourfoldAvailability() {
    Window w;
    w.form.miFour->trigger();
    QCOMPARE(w.puzzle().Symmetry, 4);
    w.form.SpinHUpClick();  // 13 x 13 in Hbar mode
    QVERIFY(!w.form.miFour->isEnabled());
    QVERIFY(w.form.miTwo->isChecked());
    QCOMPARE(w.puzzle().Symmetry, 4);  // the menu changes, the puzzle does not

    w.form.miBlock->trigger();
    QVERIFY(w.form.miFour->isEnabled());
    QVERIFY(w.form.miTwo->isChecked());

    w.form.SpinVUpClick();  // 13 x 14, Block checked: stays available
    QVERIFY(w.form.miFour->isEnabled());
    w.form.miVbar->trigger();
    QVERIFY(!w.form.miFour->isEnabled());

    w.form.SpinHDownClick();  // 12 x 13
    w.form.SpinVDownClick();  // 12 x 12: every reset makes it available
    QVERIFY(w.form.miFour->isEnabled());
    w.form.miHbar->trigger();
    QVERIFY(w.form.miFour->isEnabled());
  }

  void manualNumberEntry() {
    Window w;
    w.form.miManual->trigger();
    QCOMPARE(w.form.editor().EntryMode, kven::ManualNumber);
    QVERIFY(w.puzzle().ManualNumbered);
    QVERIFY(w.form.miNumber->isChecked());
    QVERIFY(!w.form.miManual->isChecked());
    QVERIFY(w.form.edNum()->isVisible());
    QVERIFY(w.form.lblNum()->isVisible());
    w.form.edNum()->setText(QStringLiteral("7"));
    w.Click(3, 2);
    QCOMPARE(w.puzzle().Numbers(3, 2), 7);
    QCOMPARE(w.form.edNum()->text(), QStringLiteral("8"));

    w.form.miLetter->trigger();
    QVERIFY(w.form.edNum()->isHidden());
    QVERIFY(!w.form.miNumber->isChecked());
  }

  void autoIsIgnoredInManualMode() {
    Window w;
    w.form.miManual->trigger();
    w.form.miAuto->trigger();
    QVERIFY(!w.puzzle().AutoNumbered);
    QCOMPARE(w.puzzle().Numbers(1, 1), 0);
    QCOMPARE(w.form.editor().EntryMode, kven::ManualNumber);

    w.form.miBlock->trigger();
    w.form.miAuto->trigger();
    QVERIFY(w.puzzle().AutoNumbered);
    QCOMPARE(w.puzzle().Numbers(1, 1), 1);
    QVERIFY(w.form.miNumber->isChecked());
    QCOMPARE(w.form.editor().EntryMode, kven::Block);
  }

  void autoPastItsListsReportsRangeError() {
    Window w;
    w.ResizeTo(30, 30);
    // Two-square runs between blocks in every third column: 300 across entries.
    for (int row = 1; row <= 30; ++row)
      for (int col = 3; col <= 30; col += 3) kven::ToggleBlock(w.puzzle(), w.form, col, row);
    w.form.miAuto->trigger();
    QCOMPARE(w.dialogs.errors, QStringList{QStringLiteral("Range check error")});
    QVERIFY(!w.form.miNumber->isChecked());
  }

  void blockClicksFollowSymmetry() {
    Window w;
    w.form.miBlock->trigger();
    w.Click(3, 2);
    QCOMPARE(w.puzzle().Blocks(3, 2), 1);
    QCOMPARE(w.puzzle().Blocks(10, 11), 1);
    QCOMPARE(BlockCount(w.puzzle()), 2);
    w.Click(0, 2);  // header cell
    QCOMPARE(BlockCount(w.puzzle()), 2);
  }

  void typingTheSolution() {
    Window w;
    w.form.miLetter->trigger();
    QCOMPARE(w.form.focusWidget(), static_cast<QWidget*>(w.form.kvenGrid()));
    // The release of the access key that chose Solution types nothing.
    QTest::keyRelease(w.form.kvenGrid(), Qt::Key_S);
    QCOMPARE(w.puzzle().Letters(1, 1), '.');
    QTest::keyClicks(w.form.kvenGrid(), QStringLiteral("ab"));
    QCOMPARE(w.puzzle().Letters(1, 1), 'A');
    QCOMPARE(w.puzzle().Letters(2, 1), 'B');
    QCOMPARE(w.form.editor().CursorCol, 3);
    QVERIFY(w.puzzle().HasSolution);

    w.form.miClear->trigger();
    QCOMPARE(w.puzzle().Letters(1, 1), ' ');
    QVERIFY(!w.puzzle().HasSolution);
  }

  void openDecodesAndCopiesThePicture() {
    Window w;
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("letter.txt"), ExampleText);
    w.form.SetCopySaveChoice(KvenForm::AsClueList);
    w.form.miBlock->trigger();
    w.dialogs.openAnswers.push_back(path);
    w.form.miOpen->trigger();

    const kven::Puzzle& p = w.puzzle();
    QCOMPARE(p.HSquares, 5);
    QCOMPARE(p.VSquares, 5);
    QCOMPARE(BlockCount(p), 6);
    QCOMPARE(p.Title, std::string("Example"));
    QCOMPARE(w.form.edTitle()->text(), QStringLiteral("Example"));
    QCOMPARE(p.Letters(1, 1), 'S');
    QCOMPARE(w.form.memo().size(), std::size_t(11));
    QCOMPARE(w.form.editor().EntryMode, kven::Hbar);  // Open starts with New
    QCOMPARE(w.form.CopySaveChoice(), 1);
    QVERIFY(w.dialogs.invalidData.isEmpty());
    const QImage clip = QGuiApplication::clipboard()->image();
    QCOMPARE(clip.size(), QSize(32 * 5 + 8, 32 * 6 + 8));
    QCOMPARE(w.form.image().size(), clip.size());

    // The next Open proposes the file chosen last.
    w.form.miOpen->trigger();
    QCOMPARE(w.dialogs.openProposals.last(), path);
    QCOMPARE(p.HSquares, 5);
  }

  void openProposesXwordFirst() {
    Window w;
    w.form.miOpen->trigger();
    QCOMPARE(QFileInfo(w.dialogs.openProposals.value(0)).fileName(), QStringLiteral("Xword.txt"));
    QCOMPARE(w.puzzle().HSquares, 12);
  }

  void openOfAMissingFileLeavesThePuzzle() {
    Window w;
    w.form.SpinHUpClick();
    w.form.edTitle()->setText(QStringLiteral("Keep me"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing.txt"));
    w.dialogs.openAnswers.push_back(path);
    w.form.miOpen->trigger();
    QCOMPARE(w.dialogs.errors, QStringList{QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(path)});
    QCOMPARE(w.puzzle().HSquares, 13);
    QCOMPARE(w.puzzle().Title, std::string("Keep me"));
  }

  void openOfInvalidDataReportsAndStillCopies() {
    Window w;
    QTemporaryDir dir;
    w.dialogs.openAnswers.push_back(WriteFile(dir, QStringLiteral("plain.txt"), "no puzzle here\n"));
    w.form.miOpen->trigger();
    QCOMPARE(w.dialogs.invalidData, QStringList{QStringLiteral("Oops - We hit Invalid Data")});
    QCOMPARE(w.form.CopySaveChoice(), 1);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(32 * 12 + 8, 32 * 13 + 8));
  }

  void pasteDecodesAndLeavesTheClipboard() {
    Window w;
    w.form.edTitle()->setText(QStringLiteral("Before"));
    const QString text = QString::fromLatin1(ExampleText);
    QGuiApplication::clipboard()->setText(text);
    w.form.miPaste->trigger();
    QCOMPARE(w.puzzle().HSquares, 5);
    QCOMPARE(BlockCount(w.puzzle()), 6);
    QCOMPARE(w.puzzle().Title, std::string("Example"));
    QCOMPARE(w.form.CopySaveChoice(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
    QCOMPARE(w.puzzle().TextLines.front(), std::string("Dear setter, here it is:"));
    QVERIFY(w.dialogs.invalidData.isEmpty());
  }

  void pasteWithoutTextDoesNothing() {
    Window w;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    w.form.miPaste->trigger();
    QCOMPARE(w.form.CopySaveChoice(), 0);
    QCOMPARE(w.puzzle().HSquares, 12);
    QVERIFY(w.dialogs.invalidData.isEmpty());
  }

  void pasteOfOtherTextReportsInvalidData() {
    Window w;
    QGuiApplication::clipboard()->setText(QStringLiteral("Hello\nworld"));
    w.form.miPaste->trigger();
    QCOMPARE(w.dialogs.invalidData, QStringList{QStringLiteral("Oops - We hit Invalid Data")});
    QCOMPARE(w.form.CopySaveChoice(), 1);
    QCOMPARE(w.form.memo().size(), std::size_t(2));
  }

  void copyAsKvenTextRoundTrips() {
    Window w;
    w.form.miBlock->trigger();
    w.Click(3, 2);
    w.form.edTitle()->setText(QStringLiteral("Caf\u00e9"));
    w.form.miCopy->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("KVEN   2  12  12\r\nBLK  15 Z\r\nNN\r\nTTL Caf\u00e9\r\n"));
    QCOMPARE(w.form.memo(), w.puzzle().TextLines);

    Window other;
    other.form.miPaste->trigger();
    QCOMPARE(other.puzzle().Blocks(3, 2), 1);
    QCOMPARE(other.puzzle().Blocks(10, 11), 1);
    QCOMPARE(other.puzzle().Title, std::string("Caf\xe9"));
  }

  void copyAsGridLeavesTheTextLists() {
    Window w;
    QGuiApplication::clipboard()->setText(QString::fromLatin1(ExampleText));
    w.form.miPaste->trigger();
    w.form.SetCopySaveChoice(KvenForm::AsClueList);
    w.form.miCopy->trigger();
    const kven::TextLineList text = w.puzzle().TextLines;
    const kven::TextLineList clues = w.puzzle().ClueLines;
    const kven::TextLineList memo = w.form.memo();
    QVERIFY(!clues.empty());

    w.form.SetCopySaveChoice(KvenForm::AsGrid);
    w.form.miCopy->trigger();
    QCOMPARE(w.puzzle().TextLines, text);
    QCOMPARE(w.puzzle().ClueLines, clues);
    QCOMPARE(w.form.memo(), memo);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(168, 200));
  }

  void copyAsClueList() {
    Window w;
    QGuiApplication::clipboard()->setText(QString::fromLatin1(ExampleText));
    w.form.miPaste->trigger();
    w.form.SetCopySaveChoice(KvenForm::AsClueList);
    w.form.miCopy->trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.contains(QStringLiteral("ACROSS")));
    QVERIFY(copied.contains(QStringLiteral("DOWN")));
    QCOMPARE(w.form.memo(), w.puzzle().ClueLines);
  }

  void cancelledSaveWritesNothing_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("proposal");
    QTest::addColumn<int>("filterIndex");
    QTest::newRow("KVEN Text") << 0 << QStringLiteral("Xword.txt") << 1;
    QTest::newRow("Grid") << 1 << QStringLiteral("Xword.bmp") << 2;
    QTest::newRow("Clue List") << 2 << QStringLiteral("Clues.txt") << 1;
  }

  void cancelledSaveWritesNothing() {
    QFETCH(int, choice);
    QFETCH(QString, proposal);
    QFETCH(int, filterIndex);
    Window w;
    QTemporaryDir dir;
    // Confirm one save into dir so the next proposal is in that folder.
    w.dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("first")));
    w.form.miSave->trigger();
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("first"))));
    w.puzzle().TextLines = {"kept"};
    w.puzzle().ClueLines = {"kept too"};

    w.form.SetCopySaveChoice(choice);
    w.form.miSave->trigger();
    QCOMPARE(w.dialogs.saveRequests.size(), std::size_t(2));
    const auto& request = w.dialogs.saveRequests.back();
    QCOMPARE(request.proposed, QDir(dir.path()).filePath(proposal));
    QCOMPARE(request.filterIndex, filterIndex);
    QCOMPARE(request.filters.size(), 2);
    QVERIFY(request.filters[0].startsWith(QStringLiteral("Text Files")));
    QVERIFY(request.filters[1].startsWith(QStringLiteral("Bitmap Files")));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QCOMPARE(w.puzzle().TextLines, kven::TextLineList{"kept"});
    QCOMPARE(w.puzzle().ClueLines, kven::TextLineList{"kept too"});
    QVERIFY(w.dialogs.errors.isEmpty());
  }

  void saveWritesTheChosenFile() {
    Window w;
    QGuiApplication::clipboard()->setText(QString::fromLatin1(ExampleText));
    w.form.miPaste->trigger();
    QTemporaryDir dir;

    w.form.SetCopySaveChoice(KvenForm::AsKvenText);
    const QString textFile = dir.filePath(QStringLiteral("puzzle"));  // no extension added
    w.dialogs.saveAnswers.push_back(textFile);
    w.form.miSave->trigger();
    const QByteArray text = ReadFile(textFile);
    QVERIFY(text.startsWith("KVEN   2   5   5\r\nBLK   5   7   9 Z\r\nTTL Example\r\nANS\r\nSTEM.\r\n"));
    QVERIFY(text.endsWith(".TRIO\r\n"));

    w.form.SetCopySaveChoice(KvenForm::AsGrid);
    const QString bitmapFile = dir.filePath(QStringLiteral("grid.bmp"));
    w.dialogs.saveAnswers.push_back(bitmapFile);
    w.form.miSave->trigger();
    QVERIFY(ReadFile(bitmapFile).startsWith("BM"));
    QCOMPARE(QImage(bitmapFile).size(), QSize(168, 200));

    w.form.SetCopySaveChoice(KvenForm::AsClueList);
    const QString clueFile = dir.filePath(QStringLiteral("clues.txt"));
    w.dialogs.saveAnswers.push_back(clueFile);
    w.form.miSave->trigger();
    const QByteArray clues = ReadFile(clueFile);
    QVERIFY(clues.contains("ACROSS\r\n"));
    QVERIFY(w.dialogs.errors.isEmpty());
  }

  void saveIntoAMissingFolderReportsCannotCreate() {
    Window w;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/Xword.txt"));
    w.dialogs.saveAnswers.push_back(path);
    w.form.miSave->trigger();
    QCOMPARE(w.dialogs.errors,
             QStringList{QStringLiteral("Cannot create file ") + QDir::toNativeSeparators(path)});
  }

  void titleField() {
    Window w;
    const QString longTitle(300, QLatin1Char('T'));
    w.form.edTitle()->setText(longTitle);
    QCOMPARE(w.puzzle().Title, std::string(255, 'T'));

    // Every single byte survives the trip through the field.
    std::string bytes;
    for (int c = 0; c < 256; ++c)
      if (c != '\r' && c != '\n') bytes.push_back(static_cast<char>(c));
    w.form.SetTitleField(bytes);
    QCOMPARE(w.puzzle().Title, bytes);
    QCOMPARE(w.form.edTitle()->text().toLatin1(), QByteArray::fromStdString(bytes));
  }

  void windowGrowsForBigGrids() {
    Window w;
    const QSize screen = w.form.screen()->availableGeometry().size();
    w.ResizeTo(12, 13);
    const int gridHeight = 14 * 26 + 4;
    if (screen.height() - 10 > gridHeight + 128) QCOMPARE(w.form.height(), gridHeight + 128);
    QCOMPARE(w.form.width(), 580);

    w.ResizeTo(21, 12);
    QCOMPARE(w.form.height(), 476);
    const int gridWidth = 22 * 26 + 4;
    if (screen.width() - 10 > gridWidth + 40) QCOMPARE(w.form.width(), gridWidth + 40);

    w.ResizeTo(15, 12);  // 13..20 columns keep the width
    if (screen.width() - 10 > gridWidth + 40) QCOMPARE(w.form.width(), gridWidth + 40);

    w.ResizeTo(12, 12);
    QCOMPARE(w.form.size(), QSize(580, 476));
  }

  void scrollBarsWhenTheScreenIsTooSmall() {
    Window w;
    const QSize screen = w.form.screen()->availableGeometry().size();
    const int big = 31 * 26 + 4;
    if (screen.height() - 10 > big + 128 || screen.width() - 10 > big + 40)
      QSKIP("the screen holds a 30 x 30 grid");
    QCOMPARE(w.form.scrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    w.ResizeTo(30, 30);
    QCOMPARE(w.form.scrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w.form.scrollArea()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QTRY_VERIFY(w.form.scrollArea()->horizontalScrollBar()->maximum() > 0);
    w.ResizeTo(12, 12);  // never hidden again
    QCOMPARE(w.form.scrollArea()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }

  void printingInSolutionModeWritesBothFiles() {
    Window w;
    QGuiApplication::clipboard()->setText(QString::fromLatin1(ExampleText));
    w.form.miPaste->trigger();
    w.form.miLetter->trigger();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("puzzle.pdf"));
    w.dialogs.printConfirmed = true;
    w.dialogs.printToFile = pdf;
    w.form.miPrint->trigger();
    const QString numbers = dir.filePath(QStringLiteral("puzzle-numbers.pdf"));
    QVERIFY(QFile::exists(pdf));
    QVERIFY(QFile::exists(numbers));
    QVERIFY(w.dialogs.errors.isEmpty());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is missing");
    QVERIFY(PdfText(pdf).contains(QStringLiteral("Example")));
    QStringList lines;
    for (const QString& line : PdfText(numbers).split(QLatin1Char('\n')))
      if (!line.trimmed().isEmpty()) lines << line.trimmed();
    QCOMPARE(lines, (QStringList{QStringLiteral("ACROSS"), QStringLiteral("1"), QStringLiteral("4"),
                                      QStringLiteral("5"), QStringLiteral("DOWN"), QStringLiteral("1"),
                                      QStringLiteral("2"), QStringLiteral("3")}));
  }

  void printingOutsideSolutionModePrintsThePictureOnly() {
    Window w;
    QTemporaryDir dir;
    w.dialogs.printConfirmed = true;
    w.dialogs.printToFile = dir.filePath(QStringLiteral("only.pdf"));
    w.form.miPrint->trigger();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("only.pdf"))));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
  }

  void cancelledPrintPrintsNothing() {
    Window w;
    w.form.miLetter->trigger();
    w.form.miPrint->trigger();
    QCOMPARE(w.dialogs.printDialogs, 1);
    QVERIFY(w.dialogs.errors.isEmpty());
  }

  void howToUseShowsTheInstructions() {
    Window w;
    bool shownWhileOpen = false;
    w.dialogs.whileShown = [&](QDialog& dialog) {
      shownWhileOpen = &dialog == &w.instr && w.instr.isVisible() && w.instr.ShowingInstructions();
    };
    w.form.miInstr->trigger();
    QCOMPARE(w.dialogs.shownDialogs, 1);
    QVERIFY(shownWhileOpen);
    QVERIFY(w.instr.isHidden());
  }

  void exitClosesTheWindow() {
    Window w;
    QVERIFY(w.form.isVisible());
    w.form.miExit->trigger();
    QVERIFY(!w.form.isVisible());
  }
};

QTEST_MAIN(KvenFormTest)
#include "kven_form_test.moc"
