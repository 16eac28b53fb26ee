// The window with other programs' formats: Export, Save and Copy in each,
// or the refusal with its reason and nothing written; Paste of what was
// copied; a file's notes told once; Save in the Unsaved Changes question in
// the format last kept.
#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "clues/plain_text.h"
#include "formats/format_messages.h"
#include "test_files.h"
#include "test_window.h"

using kven::CopySaveAs;
using kven::FileFormat;
using kven::test::FileBytes;
using kven::test::Window;

namespace {

QString TestData(const char* name) { return QStringLiteral(KVEN_TEST_DATA "/") + QLatin1String(name); }

void Open(Window& w, const QString& path) {
  w.dialogs.openAnswers = {path};
  w.Trigger("miOpen");
}

// Numbers by hand that are not the grid's: 1 stands on no entry's start.
const char* const HandNumbered = "KVEN 0 5 5\r\nBLK 5 21 Z\r\nMN\r\n  0  2  3  4  0\r\n  5  0  0  0  6\r\n"
                                 "  7  0  0  0  0\r\n  8  0  0  0  0\r\n  0  9  0  0  0\r\n";

// The same diagram, numbers, letters, title and clue texts (in the order
// and without the markup a format may not keep).
void CompareReadBack(const Window& back, const Window& w) {
  const kven::Puzzle& a = back.puzzle();
  const kven::Puzzle& b = w.puzzle();
  QVERIFY(kven::SameDiagram(a, b) && a.Numbers == b.Numbers && a.Letters == b.Letters && a.Title == b.Title);
  const auto texts = [](const Window& window) {
    std::vector<std::string> plain;
    for (const kven::Clue& clue : window.form.clues().clues) plain.push_back(kven::PlainText(clue.text));
    std::ranges::sort(plain);
    return plain;
  };
  QCOMPARE(texts(back), texts(w));
}

}  // namespace

class OtherFormatsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

  void everyFormatIsWrittenOrRefused_data() {
    QTest::addColumn<QString>("example");  // a file of the examples, or a KVEN text pasted
    QTest::addColumn<int>("choice");       // the Copy/Save as choice, its Export item beside it
    QTest::addColumn<QString>("refusal");  // the reason; empty: written
    QTest::addColumn<QString>("note");     // what the written document leaves out
    const QString bars = QStringLiteral("it is a bar diagram, and the format has no bars.");
    const QString hand = QStringLiteral(
        "its numbers were given by hand and are not the ones its grid gives, by which the format numbers.");
    const QString clued = QStringLiteral("clued.ipuz");
    const QString barred = QStringLiteral("bar-fourfold.txt");
    const QString none;
    QTest::newRow("clued blocks, ipuz") << clued << int(CopySaveAs::Ipuz) << none << none;
    QTest::newRow("clued blocks, .puz") << clued << int(CopySaveAs::Puz) << none
                                        << "Markup in the clues (italics, bold) was left out.";
    QTest::newRow("clued blocks, .jpz") << clued << int(CopySaveAs::Jpz) << none << none;
    QTest::newRow("clued blocks, .xd") << clued << int(CopySaveAs::Xd) << none << none;
    QTest::newRow("bars, ipuz") << barred << int(CopySaveAs::Ipuz) << none << none;
    QTest::newRow("bars, .jpz") << barred << int(CopySaveAs::Jpz) << none << none;
    QTest::newRow("bars, .puz") << barred << int(CopySaveAs::Puz) << bars << none;
    QTest::newRow("bars, .xd") << barred << int(CopySaveAs::Xd) << bars << none;
    QTest::newRow("hand numbers, .jpz") << HandNumbered << int(CopySaveAs::Jpz) << none << none;
    QTest::newRow("hand numbers, .puz") << HandNumbered << int(CopySaveAs::Puz) << hand << none;
    QTest::newRow("hand numbers, .xd") << HandNumbered << int(CopySaveAs::Xd) << hand << none;
  }
  // Export, Save and Copy write the same document, which Paste reads back
  // to the same puzzle; a refusal names its reason for each and writes
  // nothing, the clipboard untouched.
  void everyFormatIsWrittenOrRefused() {
    QFETCH(QString, example);
    QFETCH(int, choice);
    QFETCH(QString, refusal);
    QFETCH(QString, note);
    const FileFormat format = *kven::DocumentFormatOf(static_cast<CopySaveAs>(choice));
    const char* const items[] = {"", "miExportIpuz", "miExportPuz", "miExportJpz", "miExportXd"};
    QTemporaryDir dir;
    const QString exported = dir.filePath(QStringLiteral("exported"));
    const QString saved = dir.filePath(QStringLiteral("saved"));
    Window w;
    if (example.startsWith(QLatin1String("KVEN"))) w.Paste(example);
    else Open(w, kven::test::ExamplePath(example));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    w.dialogs.saveAnswers = {exported, saved};
    w.Trigger(items[static_cast<int>(format)]);
    w.form.SetCopySaveChoice(static_cast<CopySaveAs>(choice));
    w.Trigger("miSave");
    w.Trigger("miCopy");
    if (!refusal.isEmpty()) {
      const QString told = QStringLiteral("Cannot write this puzzle as %1: %2")
                               .arg(QString::fromStdString(kven::message::WithArticle(kven::InfoOf(format).name)), refusal);
      QCOMPARE(w.dialogs.errors, QStringList({told, told, told}));
      QVERIFY(w.dialogs.saveRequests.empty() && QDir(dir.path()).isEmpty());
      QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
      return;
    }
    QVERIFY(w.dialogs.errors.isEmpty());
    QCOMPARE(w.dialogs.saveRequests.size(), std::size_t{2});
    for (const auto& request : w.dialogs.saveRequests)
      QCOMPARE(QFileInfo(request.proposed).fileName(), QLatin1String(kven::InfoOf(format).proposed.data()));
    const QByteArray file = FileBytes(exported);
    QVERIFY(!file.isEmpty() && FileBytes(saved) == file);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(format == FileFormat::Puz ? copied->data(QStringLiteral("application/x-crossword")) : copied->text().toUtf8(),
             file);
    QCOMPARE(w.dialogs.information, note.isEmpty() ? QStringList() : QStringList({note, note, note}));
    QVERIFY(!w.form.doc().IsModified());
    Window pasted;
    pasted.Trigger("miPaste");
    CompareReadBack(pasted, w);
    QCOMPARE(pasted.form.CopySaveChoice(), CopySaveAs::Grid);
  }

  // All the reader noted, in one message; Open's filter offers every format.
  void anOpenedFileTellsItsNotesOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wrong.puz"));
    QByteArray puz = FileBytes(TestData("puz/clued.puz"));
    puz[0] = static_cast<char>(puz[0] ^ 0x5a);  // the file's own checksum
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(puz) == puz.size());
    file.close();
    Window w;
    Open(w, path);
    QCOMPARE(w.dialogs.information, QStringList{QStringLiteral("The file's checksums do not agree with its contents; "
                                                               "it was read all the same.")});
    QCOMPARE(w.form.clues().facts.author, std::string("A. Setter"));
    const QString filter = w.dialogs.openFilters.front();
    for (const char* pattern : {"*.txt", "*.ipuz", "*.puz", "*.jpz", "*.xd"})
      QVERIFY2(filter.section(QLatin1String(";;"), 0, 0).contains(QLatin1String(pattern)), pattern);
    QVERIFY(filter.endsWith(QLatin1String(";;Any Ascii File (*)")));
  }

  // A puzzle read from a format that holds all of it is saved in it, and
  // reads back with the change.
  void savingInTheQuestionKeepsTheFormatOpened() {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("kept"));
    Window w;
    Open(w, TestData("xd/clued.xd"));
    w.Field("edTitle").setText(QStringLiteral("Stems again"));
    w.dialogs.unsavedAnswers = {kven::UnsavedChoice::Save};
    w.dialogs.saveAnswers = {saved};
    w.Trigger("miNew");
    QVERIFY(w.dialogs.questions.front().endsWith(QStringLiteral("Save it as an xd crossword before closing?")));
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.front().proposed).fileName(), QStringLiteral("Xword.xd"));
    QCOMPARE(w.puzzle().HSquares, 12);  // New went on
    Window back;
    Open(back, saved);
    QCOMPARE(back.puzzle().Title, std::string("Stems again"));
    QCOMPARE(back.form.clues().facts.author, std::string("A. Setter"));
  }
};

QTEST_MAIN(OtherFormatsTest)
#include "other_formats_test.moc"
