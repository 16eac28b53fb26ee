// The window with other programs' formats: Open and Paste of Across Lite,
// Crossword Compiler and xd puzzles with their notes told once; Export,
// Save and Copy in each, or the refusal with its reason and nothing
// written; Save in the Unsaved Changes question in the format last kept.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "clues/plain_text.h"
#include "test_window.h"

using kven::FileFormat;
using kven::UnsavedChoice;
using kven::test::Window;

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QString Example(const QString& name) { return QStringLiteral(KVEN_EXAMPLES) + QLatin1Char('/') + name; }
QString TestData(const QString& name) { return QStringLiteral(KVEN_TEST_DATA) + QLatin1Char('/') + name; }

void Open(Window& w, const QString& path) {
  w.dialogs.openAnswers = {path};
  w.Trigger("miOpen");
}

// Numbers by hand that are not the grid's: 1 stands on no entry's start.
const char* const HandNumbered = "KVEN 0 5 5\r\nBLK 5 21 Z\r\nMN\r\n  0  2  3  4  0\r\n  5  0  0  0  6\r\n"
                                 "  7  0  0  0  0\r\n  8  0  0  0  0\r\n  0  9  0  0  0\r\n";

// The same diagram, numbers, letters, title and clue texts (a format may
// hold them without their markup).
void CompareReadBack(const Window& back, const Window& w, const char* how) {
  const kven::Puzzle& a = back.puzzle();
  const kven::Puzzle& b = w.puzzle();
  QVERIFY2(kven::SameDiagram(a, b), how);
  QVERIFY2(a.Numbers == b.Numbers && a.Letters == b.Letters, how);
  QCOMPARE(a.Title, b.Title);
  std::vector<std::string> textsBack, texts;
  for (const kven::Clue& clue : back.form.clues().clues) textsBack.push_back(kven::PlainText(clue.text));
  for (const kven::Clue& clue : w.form.clues().clues) texts.push_back(kven::PlainText(clue.text));
  // Each format keeps its own order of the clues.
  std::ranges::sort(textsBack);
  std::ranges::sort(texts);
  QCOMPARE(textsBack, texts);
}

}  // namespace

class OtherFormatsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }
  void init() { QGuiApplication::clipboard()->clear(); }

  void everyFormatIsWrittenOrRefused_data() {
    QTest::addColumn<QString>("example");  // a file of the examples, or a KVEN text pasted
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("choice");  // the Copy/Save as choice of the same format
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("note");  // what the document leaves out
    const QString bars = QStringLiteral("it is a bar diagram, and the format has no bars.");
    const QString hand = QStringLiteral(
        "its numbers were given by hand and are not the ones its grid gives, by which the format numbers.");
    const auto refused = [](const char* format, const QString& why) {
      return QStringLiteral("Cannot write this puzzle as %1: %2").arg(QLatin1String(format), why);
    };
    using kven::CopySaveAs;
    QTest::newRow("clued blocks, ipuz") << "clued.ipuz" << "miExportIpuz" << int(CopySaveAs::Ipuz) << "" << "";
    QTest::newRow("clued blocks, .puz") << "clued.ipuz" << "miExportPuz" << int(CopySaveAs::Puz) << ""
                                << "Markup in the clues (italics, bold) was left out.";
    QTest::newRow("clued blocks, .jpz") << "clued.ipuz" << "miExportJpz" << int(CopySaveAs::Jpz) << "" << "";
    QTest::newRow("clued blocks, .xd") << "clued.ipuz" << "miExportXd" << int(CopySaveAs::Xd) << "" << "";
    QTest::newRow("bars, ipuz") << "bar-fourfold.txt" << "miExportIpuz" << int(CopySaveAs::Ipuz) << "" << "";
    QTest::newRow("bars, .jpz") << "bar-fourfold.txt" << "miExportJpz" << int(CopySaveAs::Jpz) << "" << "";
    QTest::newRow("bars, .puz") << "bar-fourfold.txt" << "miExportPuz" << int(CopySaveAs::Puz)
                                << refused("an Across Lite puzzle", bars) << "";
    QTest::newRow("bars, .xd") << "bar-fourfold.txt" << "miExportXd" << int(CopySaveAs::Xd)
                               << refused("an xd crossword", bars) << "";
    QTest::newRow("hand numbers, .jpz") << HandNumbered << "miExportJpz" << int(CopySaveAs::Jpz) << "" << "";
    QTest::newRow("hand numbers, .puz") << HandNumbered << "miExportPuz" << int(CopySaveAs::Puz)
                                        << refused("an Across Lite puzzle", hand) << "";
    QTest::newRow("hand numbers, .xd") << HandNumbered << "miExportXd" << int(CopySaveAs::Xd)
                                       << refused("an xd crossword", hand) << "";
  }
  // Export, Save and Copy write the same document, which Open and Paste
  // read back to the same puzzle; a refusal names its reason for each and
  // writes nothing, the clipboard untouched.
  void everyFormatIsWrittenOrRefused() {
    QFETCH(QString, example);
    QFETCH(QString, item);
    QFETCH(int, choice);
    QFETCH(QString, refusal);
    QFETCH(QString, note);
    QTemporaryDir dir;
    const QString exported = dir.filePath(QStringLiteral("exported"));
    const QString saved = dir.filePath(QStringLiteral("saved"));
    Window w;
    if (example.startsWith(QLatin1String("KVEN"))) w.Paste(example);
    else Open(w, Example(example));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    w.dialogs.saveAnswers = {exported, saved};
    w.Trigger(item.toLatin1().constData());
    w.form.SetCopySaveChoice(static_cast<kven::CopySaveAs>(choice));
    w.Trigger("miSave");
    w.Trigger("miCopy");
    const FileFormat format = *kven::DocumentFormatOf(static_cast<kven::CopySaveAs>(choice));
    if (!refusal.isEmpty()) {
      QCOMPARE(w.dialogs.errors, QStringList({refusal, refusal, refusal}));
      QVERIFY(w.dialogs.saveRequests.empty());
      QVERIFY(QDir(dir.path()).isEmpty());
      QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
      return;
    }
    QVERIFY2(w.dialogs.errors.isEmpty(), qPrintable(w.dialogs.errors.join(QLatin1Char('\n'))));
    const QString proposed = QString::fromLatin1(kven::InfoOf(format).proposed.data());
    QCOMPARE(w.dialogs.saveRequests.size(), std::size_t{2});
    for (const auto& request : w.dialogs.saveRequests) QCOMPARE(QFileInfo(request.proposed).fileName(), proposed);
    const QByteArray file = Bytes(exported);
    QVERIFY(!file.isEmpty());
    QCOMPARE(Bytes(saved), file);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(format == FileFormat::Puz ? copied->data(QStringLiteral("application/x-crossword"))
                                       : copied->text().toUtf8(),
             file);
    // Told of each command that wrote it.
    QCOMPARE(w.dialogs.information, note.isEmpty() ? QStringList() : QStringList({note, note, note}));
    QVERIFY(!w.form.doc().IsModified());

    Window pasted;
    pasted.Trigger("miPaste");
    CompareReadBack(pasted, w, "pasted");
    QCOMPARE(pasted.form.CopySaveChoice(), kven::CopySaveAs::Grid);
    Window opened;
    Open(opened, exported);
    CompareReadBack(opened, w, "opened");
  }

  // What a reader tells of a file comes once, all of it in one message.
  void anOpenedFileTellsItsNotesOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wrong.puz"));
    QByteArray puz = Bytes(TestData(QStringLiteral("puz/clued.puz")));
    puz[0] = static_cast<char>(puz[0] ^ 0x5a);  // the file's own checksum
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(puz);
    file.close();
    Window w;
    Open(w, path);
    QCOMPARE(w.dialogs.information,
             QStringList{QStringLiteral("The file's checksums do not agree with its contents; it was read all the same.")});
    QCOMPARE(w.puzzle().Title, std::string("Stems"));
    QCOMPARE(w.form.clues().facts.author, std::string("A. Setter"));
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::Grid);
    // Open's filter offers every format the program reads, and any file.
    const QString filter = w.dialogs.openFilters.front();
    for (const char* pattern : {"*.txt", "*.ipuz", "*.puz", "*.jpz", "*.xd"})
      QVERIFY2(filter.section(QLatin1String(";;"), 0, 0).contains(QLatin1String(pattern)), pattern);
    QVERIFY(filter.endsWith(QLatin1String(";;Any Ascii File (*)")));
  }

  void pastedTextOfAnyFormatIsRead_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("Crossword Compiler") << "jpz/clued.jpz";
    QTest::newRow("xd") << "xd/clued.xd";
    QTest::newRow("ipuz") << "ipuz/styled.ipuz";
  }
  void pastedTextOfAnyFormatIsRead() {
    QFETCH(QString, file);
    Window opened;
    Open(opened, TestData(file));
    Window w;
    w.Paste(QString::fromUtf8(Bytes(TestData(file))));
    QVERIFY(w.dialogs.errors.isEmpty() && w.dialogs.invalidData.isEmpty());
    CompareReadBack(w, opened, "pasted");
    QVERIFY(w.form.doc().styles() == opened.form.doc().styles());
    QCOMPARE(w.form.CopySaveChoice(), kven::CopySaveAs::Grid);
  }

  void savingInTheQuestionKeepsTheFormatOpened_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("Across Lite") << "puz/clued.puz" << "an Across Lite puzzle" << "Xword.puz";
    QTest::newRow("Crossword Compiler") << "jpz/clued.jpz" << "a Crossword Compiler puzzle" << "Xword.jpz";
    QTest::newRow("xd") << "xd/clued.xd" << "an xd crossword" << "Xword.xd";
  }
  // A puzzle read from a format that holds all of it is saved in that
  // format, and what Save wrote reads back with the change.
  void savingInTheQuestionKeepsTheFormatOpened() {
    QFETCH(QString, file);
    QFETCH(QString, named);
    QFETCH(QString, proposed);
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("kept"));
    Window w;
    Open(w, TestData(file));
    w.Field("edTitle").setText(QStringLiteral("Stems again"));
    w.dialogs.unsavedAnswers = {UnsavedChoice::Save};
    w.dialogs.saveAnswers = {saved};
    w.Trigger("miNew");
    QCOMPARE(w.dialogs.questions.size(), 1);
    QVERIFY(w.dialogs.questions.front().endsWith(QStringLiteral("Save it as %1 before closing?").arg(named)));
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.front().proposed).fileName(), proposed);
    QCOMPARE(w.puzzle().HSquares, 12);  // New went on
    Window back;
    Open(back, saved);
    QCOMPARE(back.puzzle().Title, std::string("Stems again"));
    QCOMPARE(back.form.clues().facts.author, std::string("A. Setter"));
  }
};

QTEST_MAIN(OtherFormatsTest)
#include "other_formats_test.moc"
