#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>

#include "app/instr_form.h"
#include "app/kven_form.h"
#include "app/spin_button.h"
#include "render/kven_grid.h"
#include "test_window.h"
#include "scripted_dialogs.h"

using kven::KvenForm;

namespace {

using kven::test::Window;

// A 5 x 5 twofold block diagram with a title and a solution, in a letter.
const char* const ExampleText =
    "Dear setter, here it is:\r\nKVEN   2   5   5\r\nBLK   5   7   9 Z\r\nTTL Example\r\n"
    "ANS\r\nSTEM.\r\nE.N.A\r\nTOTAL\r\nS.E.S\r\n.TRIO\r\nRegards\r\n";

kven::TextLineList Lines(const kven::TextLines& text) {
  kven::TextLineList lines;
  for (std::size_t i = 0; i < text.size(); ++i) lines.emplace_back(text[i]);
  return lines;
}

int BlockCount(const kven::Puzzle& p) {
  int n = 0;
  for (int row = 1; row <= kven::MaxSide; ++row)
    for (int col = 1; col <= kven::MaxSide; ++col) n += p.Blocks(col, row);
  return n;
}

// The non-blank lines pdftotext finds in a PDF file, trimmed.
QStringList PdfLines(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  if (!process.waitForFinished(30000)) return {};
  QStringList lines;
  for (const QString& line : QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n')))
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
  return lines;
}

}  // namespace

class KvenFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }
  void init() { QGuiApplication::clipboard()->clear(); }

  void startUpStateAndNew() {
    Window w;
    QCOMPARE(w.form.focusWidget(), static_cast<QWidget*>(&w.Grid()));
    QVERIFY(w.instr.isHidden());
    for (int pass = 0; pass < 2; ++pass) {  // at start-up, then after New has undone some changes
      const kven::Puzzle& p = w.puzzle();
      QCOMPARE(std::tuple(p.HSquares, p.VSquares, p.Symmetry, BlockCount(p)), std::tuple(12, 12, 2, 0));
      QCOMPARE(w.form.editor().EntryMode, kven::EntryMode::Hbar);
      QCOMPARE(w.form.editor().BarWidth, 2);
      QVERIFY(!p.BlockDiagram && p.Title.empty());
      QVERIFY(w.form.memo().empty());
      QCOMPARE(w.Field("EditV").text(), QStringLiteral("12"));
      QVERIFY(w.Item("miHbar").isChecked() && w.Item("miTwo").isChecked() && w.Item("miFour").isEnabled());
      QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::KvenText);
      QVERIFY(w.Field("edTitle").text().isEmpty());
      QVERIFY(w.Field("EdNum").isHidden() && kven::test::Find<QLabel>(w.form, "LblNUm").isHidden());
      QCOMPARE(w.Grid().size(), QSize(342, 342));

      w.Spin("SpinV", true);
      w.Trigger("miBlock");
      w.Click(2, 2);
      w.Field("edTitle").setText(QStringLiteral("Old"));
      w.Trigger("miNone");
      w.form.SetCopySaveChoice(kven::CopySaveAs::ClueList);
      w.Trigger("miCopy");
      QVERIFY(!w.form.memo().empty());
      w.dialogs.unsavedAnswers = {kven::UnsavedChoice::Discard};
      w.Trigger("miNew");
    }
    // A later activation does not set the start-up state again.
    w.Spin("SpinH", true);
    w.form.hide();
    w.form.show();
    QCOMPARE(w.puzzle().HSquares, 13);
  }

  void spinners_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("spinner");
    QTest::addColumn<QSize>("want");
    QTest::newRow("upper up keeps the difference") << QSize(12, 15) << QStringLiteral("HUp") << QSize(13, 16);
    QTest::newRow("upper up at the largest size") << QSize(30, 30) << QStringLiteral("HUp") << QSize(30, 30);
    QTest::newRow("upper down at the smallest size") << QSize(5, 7) << QStringLiteral("HDown") << QSize(5, 6);
    QTest::newRow("lower down at 5 rows") << QSize(9, 5) << QStringLiteral("VDown") << QSize(9, 5);
  }

  // Every size change empties the grid and the title, but keeps the mode and the diagram kind.
  void spinners() {
    QFETCH(QSize, size);
    QFETCH(QString, spinner);
    QFETCH(QSize, want);
    Window w;
    w.ResizeTo(size.width(), size.height());
    w.Trigger("miBlock");
    w.Click(1, 1);
    w.Click(0, 2);  // a header cell
    w.Field("edTitle").setText(QStringLiteral("Gone"));
    QCOMPARE(BlockCount(w.puzzle()), 2);
    w.Spin(spinner.startsWith(QLatin1Char('H')) ? "SpinH" : "SpinV", spinner.endsWith(QLatin1String("Up")));

    QCOMPARE(QSize(w.puzzle().HSquares, w.puzzle().VSquares), want);
    QCOMPARE(QSize(w.Field("EditH").text().toInt(), w.Field("EditV").text().toInt()), want);
    QCOMPARE(BlockCount(w.puzzle()), 0);
    QVERIFY(w.puzzle().Title.empty() && w.Field("edTitle").text().isEmpty());
    QVERIFY(w.puzzle().BlockDiagram);
    QCOMPARE(w.form.editor().EntryMode, kven::EntryMode::Block);
    QCOMPARE(w.Grid().size(), (want + QSize(1, 1)) * 26 + QSize(4, 4));
  }

  void fourfoldAvailability() {
    Window w;
    w.Trigger("miFour");
    w.Spin("SpinH", true);  // 13 x 13 in Hbar mode
    QVERIFY(!w.Item("miFour").isEnabled());
    // Withdrawn, Fourfold still shows what the puzzle keeps and the clicks obey.
    QVERIFY(w.Item("miFour").isChecked() && !w.Item("miTwo").isChecked());
    QCOMPARE(w.puzzle().Symmetry, 4);
    w.Trigger("miBlock");
    QVERIFY(w.Item("miFour").isEnabled());
    QVERIFY(w.Item("miFour").isChecked());
    w.Spin("SpinV", true);  // 13 x 14, Block checked: stays available
    QVERIFY(w.Item("miFour").isEnabled());
    w.Trigger("miVbar");
    QVERIFY(!w.Item("miFour").isEnabled());
    w.Spin("SpinH", false);  // 12 x 13
    w.Spin("SpinV", false);  // 12 x 12: every reset makes it available
    QVERIFY(w.Item("miFour").isEnabled());
  }

  void numberEntryAndAutoIgnoredInManualMode() {
    Window w;
    w.Trigger("miManual");
    QCOMPARE(w.form.editor().EntryMode, kven::EntryMode::ManualNumber);
    QVERIFY(w.Item("miNumber").isChecked() && w.Field("EdNum").isVisible() && kven::test::Find<QLabel>(w.form, "LblNUm").isVisible());
    w.Field("EdNum").setText(QStringLiteral("7"));
    w.Click(3, 2);
    QCOMPARE(w.puzzle().Numbers(3, 2), 7);
    QCOMPARE(w.Field("EdNum").text(), QStringLiteral("8"));

    w.Trigger("miAuto");
    QVERIFY(!w.puzzle().AutoNumbered);
    QCOMPARE(w.puzzle().Numbers(1, 1), 0);
    QCOMPARE(w.form.editor().EntryMode, kven::EntryMode::ManualNumber);

    w.Trigger("miBlock");
    QVERIFY(w.Field("EdNum").isHidden());
    w.Trigger("miAuto");
    QCOMPARE(w.puzzle().Numbers(1, 1), 1);
    QCOMPARE(w.form.editor().EntryMode, kven::EntryMode::Block);
    // Numbers once given by hand stay the kind, and one flag says so.
    QCOMPARE(kven::NumberingKindOf(w.puzzle()), kven::NumberingKind::Manual);
    QVERIFY(!w.puzzle().AutoNumbered);
    w.Trigger("miNew");
    w.Trigger("miAuto");
    w.Trigger("miManual");
    QVERIFY(w.puzzle().ManualNumbered && !w.puzzle().AutoNumbered);
  }

  void autoNumbersThreeHundredAcrossEntries() {
    Window w;
    // Two-square runs between blocks in every third column: 300 across entries.
    QString blocks = QStringLiteral("KVEN 0 30 30\nBLK");
    for (int row = 1; row <= 30; ++row)
      for (int col = 3; col <= 30; col += 3) blocks += QStringLiteral(" %1").arg((row - 1) * 30 + col);
    w.Paste(blocks + QStringLiteral(" Z\nNN\n"));
    w.Trigger("miAuto");
    QVERIFY(w.dialogs.errors.isEmpty());
    QVERIFY(w.Item("miNumber").isChecked());
    QCOMPARE(w.puzzle().AcrossCount, 300);
    QCOMPARE(w.puzzle().Numbers(28, 30), 310);
  }

  void typingTheSolutionIgnoresStrayReleases() {
    Window w;
    w.Trigger("miLetter");
    QCOMPARE(w.form.focusWidget(), static_cast<QWidget*>(&w.Grid()));
    // The release of the access key that chose Solution types nothing.
    QTest::keyRelease(&w.Grid(), Qt::Key_S);
    QCOMPARE(w.puzzle().Letters(1, 1), '.');
    QTest::keyClicks(&w.Grid(), QStringLiteral("ab"));
    QCOMPARE(w.puzzle().Letters(1, 1), 'A');
    QCOMPARE(w.puzzle().Letters(2, 1), 'B');
    QVERIFY(w.puzzle().HasSolution);
    w.Trigger("miClear");
    QCOMPARE(w.puzzle().Letters(1, 1), ' ');
    QVERIFY(!w.puzzle().HasSolution);
  }

  // A file that cannot be read leaves the puzzle; a readable one is decoded and its picture copied.
  void openFiles() {
    Window w;
    w.Spin("SpinH", true);
    w.Field("edTitle").setText(QStringLiteral("Keep me"));
    w.Trigger("miBlock");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("letter.txt"));
    w.dialogs.openAnswers = {path, path};
    w.dialogs.unsavedAnswers = {kven::UnsavedChoice::Discard, kven::UnsavedChoice::Discard};
    w.Trigger("miOpen");
    QCOMPARE(QFileInfo(w.dialogs.openProposals.value(0)).fileName(), QStringLiteral("Xword.txt"));
    QCOMPARE(w.dialogs.errors, QStringList{QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(path)});
    QCOMPARE(w.puzzle().HSquares, 13);
    QCOMPARE(w.puzzle().Title, std::string("Keep me"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ExampleText) > 0);
    file.close();
    w.Trigger("miOpen");
    QCOMPARE(w.dialogs.openProposals.last(), path);  // the file chosen last
    const kven::Puzzle& p = w.puzzle();
    QCOMPARE(std::tuple(p.HSquares, p.VSquares, BlockCount(p), p.Letters(1, 1)), std::tuple(5, 5, 6, 'S'));
    QCOMPARE(w.Field("edTitle").text(), QStringLiteral("Example"));
    QCOMPARE(w.form.memo().size(), std::size_t(11));
    QCOMPARE(w.form.editor().EntryMode, kven::EntryMode::Hbar);  // Open starts with New
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::Grid);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(32 * 5 + 8, 32 * 6 + 8));
    QVERIFY(w.dialogs.invalidData.isEmpty());

    // A pipe is not read (without a writer it would block for ever), nor a
    // file larger than a text may be; neither touches the puzzle.
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    const QString big = dir.filePath(QStringLiteral("big.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile bigFile(big);
    QVERIFY(bigFile.open(QIODevice::WriteOnly) && bigFile.resize(qint64{65} << 20));
    bigFile.close();
    w.dialogs.openAnswers = {fifo, big};
    w.dialogs.errors.clear();
    w.Trigger("miOpen");
    w.Trigger("miOpen");
    QCOMPARE(w.dialogs.errors,
             QStringList({QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(fifo),
                          QStringLiteral("Cannot open file ") + QDir::toNativeSeparators(big) +
                              QStringLiteral(": it is larger than 64 MiB, the most a text may be")}));
    QCOMPARE(w.puzzle().HSquares, 5);
    QCOMPARE(w.puzzle().Title, std::string("Example"));

  }

  void pasteDecodesAndLeavesTheClipboard() {
    Window w;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    w.Trigger("miPaste");  // no text: nothing happens
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::KvenText);

    w.Paste(QString::fromLatin1(ExampleText));
    QCOMPARE(std::tuple(w.puzzle().HSquares, BlockCount(w.puzzle())), std::tuple(5, 6));
    QCOMPARE(w.puzzle().Title, std::string("Example"));
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::Grid);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(ExampleText));
    QVERIFY(w.dialogs.invalidData.isEmpty());

    w.form.SetCopySaveChoice(kven::CopySaveAs::KvenText);
    w.Paste(QStringLiteral("Hello\nworld"));
    QCOMPARE(w.dialogs.invalidData, QStringList{QStringLiteral("Oops - We hit Invalid Data")});
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::Grid);
    QCOMPARE(w.form.memo().size(), std::size_t(2));
  }

  void copyAsGridLeavesTheTextLists() {
    Window w;
    w.Paste(QString::fromLatin1(ExampleText));
    w.form.SetCopySaveChoice(kven::CopySaveAs::ClueList);
    w.Trigger("miCopy");
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("ACROSS")));
    const kven::TextLineList clues = Lines(w.form.memo());
    QCOMPARE(clues.at(1), std::string("ACROSS"));

    w.form.SetCopySaveChoice(kven::CopySaveAs::Grid);
    w.Trigger("miCopy");
    QCOMPARE(Lines(w.form.memo()), clues);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(168, 200));
  }

  void saveWritesTheChosenFileOrNothing_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("proposal");  // with the filter index
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("KVEN Text") << 0 << QStringLiteral("Xword.txt 1") << QByteArray("KVEN   2   5   5\r\nBLK   5");
    QTest::newRow("Grid") << 1 << QStringLiteral("Xword.bmp 2") << QByteArray("BM");
    QTest::newRow("Clue List") << 2 << QStringLiteral("Clues.txt 1") << QByteArray(" \r\nACROSS\r\n \r\n1");
  }

  void saveWritesTheChosenFileOrNothing() {
    QFETCH(int, choice);
    QFETCH(QString, proposal);
    QFETCH(QByteArray, start);
    Window w;
    w.Paste(QString::fromLatin1(ExampleText));
    w.form.SetCopySaveChoice(static_cast<kven::CopySaveAs>(choice));
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("saved"));  // no extension added
    w.dialogs.saveAnswers.push_back(name);
    w.Trigger("miSave");
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.readAll().startsWith(start), qPrintable(name));
    QVERIFY(QFile::remove(name));

    // Cancelled: proposed in the folder of the last save, nothing written, the memo kept.
    const kven::TextLineList memo = Lines(w.form.memo());
    w.Trigger("miSave");
    const auto& request = w.dialogs.saveRequests.back();
    QCOMPARE(request.proposed + QStringLiteral(" %1").arg(request.filterIndex), QDir(dir.path()).filePath(proposal));
    QVERIFY(QDir(dir.path()).isEmpty(QDir::Files | QDir::Hidden));
    QCOMPARE(Lines(w.form.memo()), memo);

    const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/x"));
    w.dialogs.saveAnswers.push_back(unwritable);
    w.Trigger("miSave");
    QCOMPARE(w.dialogs.errors,
             QStringList{QStringLiteral("Cannot create file ") + QDir::toNativeSeparators(unwritable)});
  }

  void titleFieldHolds255Latin1Bytes() {
    Window w;
    w.Field("edTitle").setText(QString(300, QLatin1Char('T')));
    QCOMPARE(w.puzzle().Title, std::string(255, 'T'));
    std::string bytes;  // every byte but the line ends
    for (int c = 1; c < 256; ++c)
      if (c != '\r' && c != '\n') bytes.push_back(static_cast<char>(c));
    w.Paste(QString::fromLatin1(QByteArray::fromStdString("KVEN 2 12 12\nBLK Z\nNN\nTTL " + bytes)));
    QCOMPARE(w.puzzle().Title, bytes);
    QCOMPARE(w.Field("edTitle").text().toLatin1(), QByteArray::fromStdString(bytes));
    w.form.SetCopySaveChoice(kven::CopySaveAs::KvenText);

    // Through the clipboard as KVEN text and back.
    w.Trigger("miBlock");
    w.Click(3, 2);
    w.Field("edTitle").setText(QStringLiteral("Caf\u00e9"));
    w.Trigger("miCopy");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("KVEN   2  12  12\r\nBLK  15 Z\r\nNN\r\nTTL Caf\u00e9\r\n"));
    QCOMPARE(Lines(w.form.memo()),
             (kven::TextLineList{"KVEN   2  12  12", "BLK  15 Z", "NN", "TTL Caf\xe9"}));
    Window other;
    other.Trigger("miPaste");
    QCOMPARE(other.puzzle().Blocks(10, 11), 1);
    QCOMPARE(other.puzzle().Title, std::string("Caf\xe9"));
  }

  // Cancelled: nothing; outside Solution mode: the picture; in Solution mode also the number list.
  void printing() {
    Window w;
    w.Trigger("miPrint");
    QTemporaryDir dir;
    w.dialogs.printConfirmed = true;
    w.dialogs.printToFile = dir.filePath(QStringLiteral("only.pdf"));
    w.Trigger("miPrint");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("only.pdf")});
    QCOMPARE(w.dialogs.printDialogs, 2);

    w.Paste(QString::fromLatin1(ExampleText));
    w.Trigger("miLetter");
    w.dialogs.printToFile = dir.filePath(QStringLiteral("puzzle.pdf"));
    w.Trigger("miPrint");
    QVERIFY(w.dialogs.errors.isEmpty());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("puzzle.pdf"))));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("puzzle-numbers.pdf"))));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) QSKIP("pdftotext is missing");
    QVERIFY(PdfLines(dir.filePath(QStringLiteral("puzzle.pdf"))).contains(QStringLiteral("Example")));
    QCOMPARE(PdfLines(dir.filePath(QStringLiteral("puzzle-numbers.pdf"))),
             QStringList({QStringLiteral("ACROSS"), QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("5"),
                          QStringLiteral("DOWN"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
  }

  void howToUseShowsTheInstructions() {
    Window w;
    bool shownWhileOpen = false;
    w.dialogs.whileShown = [&](QDialog& dialog) {
      shownWhileOpen = &dialog == &w.instr && w.instr.isVisible() && w.instr.ShowingInstructions();
    };
    w.Trigger("miInstr");
    QVERIFY(shownWhileOpen);
    QVERIFY(w.instr.isHidden());
  }
};

QTEST_MAIN(KvenFormTest)
#include "kven_form_test.moc"
