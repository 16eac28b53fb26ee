// The finished puzzle from the window: Export as PDF and Print ask whether
// to add the solution page where there is a solution, and remember the
// answer; the submission copy is written, or refused with its reason and
// nothing written; the web page carries the answers when asked.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "test_window.h"

using kven::test::Window;

namespace {

QString CluedDocument() {
  QFile file(QStringLiteral(KVEN_EXAMPLES "/clued.ipuz"));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no clued example");
  return QString::fromUtf8(file.readAll());
}

// A bar diagram without a solution.
const QString Bars = QStringLiteral("KVEN 4 6 6\r\nHBR 1 15 Z\r\nVBR 2 Z\r\nTTL Turnabout\r\n");

QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  return process.waitForFinished(30000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

int Pages(const QString& path) { return static_cast<int>(PdfText(path).count(QLatin1Char('\f'))); }

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class FinishedPuzzleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }
  void init() { QSettings(QStringLiteral("KVEN3"), QStringLiteral("kven3")).clear(); }

  // Unchecked at first; each answer is the next window's, for the PDF and
  // the print alike. A puzzle without a solution asks nothing.
  void theSolutionPageChoiceIsRemembered() {
    QTemporaryDir dir;
    const QString withSolution = dir.filePath(QStringLiteral("with.pdf"));
    const QString without = dir.filePath(QStringLiteral("without.pdf"));
    {
      Window w;
      w.Paste(CluedDocument());
      w.AnswerChoices(true);
      w.dialogs.saveAnswers = {withSolution};
      w.Trigger("miExportPdf");
      QCOMPARE(w.choicesAsked, QList<bool>{false});
    }
    QCOMPARE(Pages(withSolution), 2);
    QVERIFY(PdfText(withSolution).contains(QStringLiteral("Solution")));

    Window w;
    w.Paste(CluedDocument());
    w.AnswerChoices(false);
    w.dialogs.saveAnswers = {without};
    w.Trigger("miExportPdf");
    w.dialogs.printConfirmed = true;
    w.dialogs.printToFile = dir.filePath(QStringLiteral("printed.pdf"));
    w.AnswerChoices(true);
    w.Trigger("miPrint");
    QCOMPARE(w.choicesAsked, (QList<bool>{true, false}));
    QCOMPARE(Pages(without), 1);
    QCOMPARE(Pages(w.dialogs.printToFile), 2);

    // Cancelled, the question ends the command.
    w.dialogs.whileShown = [](QDialog& dialog) { dialog.reject(); };
    w.Trigger("miExportPdf");
    w.Trigger("miPrint");
    QCOMPARE(w.dialogs.saveRequests.size(), std::size_t{1});
    QCOMPARE(w.dialogs.printDialogs, 1);

    Window bars;
    bars.Paste(Bars);
    bars.AnswerChoices(true);
    bars.dialogs.saveAnswers = {dir.filePath(QStringLiteral("bars.pdf"))};
    bars.Trigger("miExportPdf");
    QVERIFY(bars.choicesAsked.isEmpty());
    QCOMPARE(Pages(dir.filePath(QStringLiteral("bars.pdf"))), 1);
  }

  void theSubmissionCopyIsWrittenOrRefused_data() {
    QTest::addColumn<bool>("letterTakenOut");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("the whole solution") << false << "";
    QTest::newRow("a square without its letter")
        << true << "The submission copy needs the whole solution; squares without a letter: 1";
  }
  void theSubmissionCopyIsWrittenOrRefused() {
    QFETCH(bool, letterTakenOut);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("editor.pdf"));
    Window w;
    w.Paste(CluedDocument());
    if (letterTakenOut) w.Paste(QStringLiteral("KVEN 2 5 5\r\nBLK 7 9 Z\r\nANS\r\nSTEMS\r\nE.N.A\r\nTOTAL\r\nS.E.S\r\nTRIO.\r\n"));
    w.dialogs.saveAnswers = {path};
    w.Trigger("miExportSubmission");
    if (!refusal.isEmpty()) {
      QCOMPARE(w.dialogs.errors, QStringList{refusal});
      QVERIFY(w.dialogs.saveRequests.empty());
      QVERIFY(QDir(dir.path()).isEmpty());
      return;
    }
    QVERIFY(w.dialogs.errors.isEmpty());
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.front().proposed).fileName(), QStringLiteral("Xword-submission.pdf"));
    const QString text = PdfText(path);
    for (const char* words : {"A. Setter", "1 Across", "STEMS", "Setter's first clue"})
      QVERIFY2(text.contains(QLatin1String(words)), words);
  }

  // With the answers at first; the page without them holds only the digest.
  // A puzzle without a whole solution asks nothing and says what its page
  // cannot do.
  void theWebPageCarriesTheAnswersWhenAsked() {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.html"));
    const QString second = dir.filePath(QStringLiteral("second.html"));
    const QString bars = dir.filePath(QStringLiteral("bars.html"));
    Window w;
    w.Paste(CluedDocument());
    w.AnswerChoices(false);
    w.dialogs.saveAnswers = {first};
    w.Trigger("miExportWebPage");
    w.AnswerChoices(true);
    w.dialogs.saveAnswers = {second};
    w.Trigger("miExportWebPage");
    QCOMPARE(w.choicesAsked, (QList<bool>{true, false}));
    QCOMPARE(QFileInfo(w.dialogs.saveRequests.front().proposed).fileName(), QStringLiteral("Xword.html"));
    QVERIFY(Bytes(first).contains("\"digest\":") && !Bytes(first).contains("\"solution\":"));
    QVERIFY(Bytes(second).contains("\"solution\":") && Bytes(second).contains("Setter's first clue"));
    QVERIFY(w.dialogs.information.isEmpty());

    Window b;
    b.Paste(Bars);
    b.AnswerChoices(true);
    b.dialogs.saveAnswers = {bars};
    b.Trigger("miExportWebPage");
    QVERIFY(b.choicesAsked.isEmpty());
    QVERIFY(Bytes(bars).contains("Turnabout") && !Bytes(bars).contains("\"solution\":"));
    QCOMPARE(b.dialogs.information, QStringList{QStringLiteral("The solution is not complete: the page has no Check "
                                                               "or Reveal and cannot tell a finished grid.")});
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(FinishedPuzzleTest)
#include "finished_puzzle_test.moc"
