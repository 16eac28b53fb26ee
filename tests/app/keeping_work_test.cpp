// Nothing is lost without a word: New, Open and Exit ask before unsaved
// work goes and name what Save will write; the title keeps every character
// through the Title field; a pasted text of another diagram brings none of
// the old clues with it.
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "app/published_puzzle.h"
#include "test_window.h"

using kven::UnsavedChoice;
using kven::test::Window;

namespace {

QString CluedDocument() {
  QFile file(QStringLiteral(KVEN_CLUED_EXAMPLE));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no clued example");
  return QString::fromUtf8(file.readAll());
}

int BlockCount(const kven::Puzzle& p) {
  int n = 0;
  for (int row = 1; row <= p.VSquares; ++row)
    for (int col = 1; col <= p.HSquares; ++col) n += p.Blocks(col, row);
  return n;
}

// Gives the puzzle a title in Puzzle Properties, as typed there.
void SetTitleInProperties(Window& w, const QString& title) {
  w.dialogs.whileShown = [title](QDialog& dialog) {
    kven::test::Find<QLineEdit>(dialog, "edPropertiesTitle").setText(title);
    dialog.accept();
  };
  w.Trigger("miProperties");
  w.dialogs.whileShown = nullptr;
}

// The title Puzzle Properties shows.
QString TitleInProperties(Window& w) {
  QString shown;
  w.dialogs.whileShown = [&shown](QDialog& dialog) {
    shown = kven::test::Find<QLineEdit>(dialog, "edPropertiesTitle").text();
  };
  w.Trigger("miProperties");
  w.dialogs.whileShown = nullptr;
  return shown;
}

}  // namespace

class KeepingWorkTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

  void theQuestionComesOnlyWhenWorkWouldGo_data() {
    QTest::addColumn<QString>("work");     // "blocks", "copied blocks", "clue", "nothing"
    QTest::addColumn<QString>("command");  // the key that would lose it, with Ctrl
    QTest::addColumn<QString>("format");   // what the question says Save writes; empty: no question
    QTest::newRow("three blocks, Ctrl+N") << "blocks" << "N" << "a KVEN text";
    QTest::newRow("three blocks, Ctrl+O") << "blocks" << "O" << "a KVEN text";
    QTest::newRow("three blocks, Ctrl+Q") << "blocks" << "Q" << "a KVEN text";
    QTest::newRow("blocks copied, Ctrl+N") << "copied blocks" << "N" << "";
    QTest::newRow("blocks copied, Ctrl+O") << "copied blocks" << "O" << "";
    QTest::newRow("a clue written, Ctrl+N") << "clue" << "N" << "an ipuz document";
    QTest::newRow("a clue written, Ctrl+Q") << "clue" << "Q" << "an ipuz document";
    QTest::newRow("nothing done, Ctrl+O") << "nothing" << "O" << "";
  }
  // Cancelled, the question leaves everything as it was; without one the
  // command goes ahead.
  void theQuestionComesOnlyWhenWorkWouldGo() {
    QFETCH(QString, work);
    QFETCH(QString, command);
    QFETCH(QString, format);
    Window w;
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    if (work == QLatin1String("clue")) {
      w.Paste(CluedDocument());
      w.Trigger("miLetter");
      w.Click(1, 1);
      w.form.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&w.form));
    } else if (work != QLatin1String("nothing")) {
      w.Trigger("miBlock");
      for (const int col : {2, 4, 6}) w.Click(col, 3);
      if (work == QLatin1String("copied blocks")) w.Trigger("miCopy");
    }
    const kven::Puzzle before = w.puzzle();
    const kven::PuzzleClues clues = w.form.clues();
    if (work == QLatin1String("clue")) {
      auto& field = kven::test::Find<QLineEdit>(w.form, "edClue");
      field.setText(QStringLiteral("Rewritten"));
      emit field.textEdited(field.text());
    }
    w.dialogs.unsavedAnswers = {UnsavedChoice::Cancel};
    QTest::keyClick(&w.Grid(), static_cast<Qt::Key>(command.at(0).unicode()), Qt::ControlModifier);
    if (format.isEmpty()) {
      QCOMPARE(w.dialogs.unsavedQuestions, 0);
      QCOMPARE(w.dialogs.openProposals.size(), command == QLatin1String("O") ? 1 : 0);
      return;
    }
    QCOMPARE(w.dialogs.questions,
             QStringList{QStringLiteral("The puzzle has changed since it was last saved or copied.\n"
                                        "Save it as %1 before closing?").arg(format)});
    QVERIFY(w.dialogs.openProposals.isEmpty());
    QVERIFY(w.form.isVisible());
    QCOMPARE(BlockCount(w.puzzle()), BlockCount(before));
    QCOMPARE(w.puzzle().HSquares, before.HSquares);
  }

  // Save in the question writes what it named; the command then goes on.
  void saveInTheQuestionWritesWhatItNamed_data() {
    QTest::addColumn<bool>("clued");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("begins");
    QTest::newRow("a diagram") << false << "Xword.txt" << "KVEN";
    QTest::newRow("a clued puzzle") << true << "Xword.ipuz" << "{";
  }
  void saveInTheQuestionWritesWhatItNamed() {
    QFETCH(bool, clued);
    QFETCH(QString, proposed);
    QFETCH(QString, begins);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept"));
    Window w;
    if (clued) w.Paste(CluedDocument());
    w.Trigger("miBlock");
    w.Trigger("miNone");
    w.Click(1, 1);
    w.dialogs.unsavedAnswers = {UnsavedChoice::Save};
    w.dialogs.saveAnswers = {file};
    w.Trigger("miNew");
    QCOMPARE(w.dialogs.saveRequests.size(), std::size_t{1});
    QCOMPARE(w.dialogs.saveRequests.front().proposed.section(QLatin1Char('/'), -1), proposed);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith(begins.toLatin1()));
    QCOMPARE(w.puzzle().HSquares, 12);  // New went on
    QVERIFY(w.form.clues() == kven::PuzzleClues{});
    w.Trigger("miUndo");  // New is one step
    QCOMPARE(w.puzzle().Blocks(1, 1), 1);
  }

  void theTitleFieldKeepsEveryCharacter_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("singleBytes");  // the KVEN text's title after the typing
    QTest::newRow("accents and a dash") << QStringLiteral("Café — Ünïcode")
                                        << QByteArray("Caf\xe9 ? \xdcn\xef" "code!");
    QTest::newRow("Greek") << QStringLiteral("Κρυπτό") << QByteArray("?????" "?!");
    QTest::newRow("beyond the first plane") << QStringLiteral("Clue \U0001F9E9") << QByteArray("Clue ?!");
    QTest::newRow("Latin-1 alone") << QStringLiteral("Clasp") << QByteArray("Clasp!");
  }
  // Set in Properties, shown whole in the field, one character typed there:
  // Properties, ipuz and the finished puzzle have it all; the KVEN text its
  // single bytes, as ever.
  void theTitleFieldKeepsEveryCharacter() {
    QFETCH(QString, title);
    QFETCH(QByteArray, singleBytes);
    Window w;
    w.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.form));
    SetTitleInProperties(w, title);
    QLineEdit& field = w.Field("edTitle");
    QCOMPARE(field.text(), title);
    field.setFocus();
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Exclam, Qt::ShiftModifier, '!');
    const QString typed = title + QLatin1Char('!');
    QCOMPARE(field.text(), typed);
    QCOMPARE(TitleInProperties(w), typed);
    QCOMPARE(QByteArray::fromStdString(w.puzzle().Title), singleBytes);
    QCOMPARE(QString::fromStdString(kven::PublishedPuzzle(w.puzzle(), w.form.clues()).title), typed);
    w.form.SetCopySaveChoice(kven::CopySaveAs::Ipuz);
    w.Trigger("miCopy");
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\"title\": \"%1\"").arg(typed)));
    // Undo puts the title back as it was, whole, and the field with it.
    w.Trigger("miUndo");
    QCOMPARE(field.text(), title);
    QCOMPARE(TitleInProperties(w), title);
    w.Trigger("miRedo");
    QCOMPARE(field.text(), typed);
  }

  void aPastedTextOfAnotherDiagramStartsWithoutClues_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("keeps");
    // The clued example's own diagram, blocks listed for the half turn.
    QTest::newRow("the same diagram") << "KVEN 2 5 5\r\nBLK 7 9 Z\r\n" << true;
    QTest::newRow("other blocks") << "KVEN 2 5 5\r\nBLK 7 Z\r\n" << false;
    QTest::newRow("another size") << "KVEN 2 7 7\r\nBLK 7 9 Z\r\n" << false;
  }
  void aPastedTextOfAnotherDiagramStartsWithoutClues() {
    QFETCH(QString, text);
    QFETCH(bool, keeps);
    Window w;
    w.Paste(CluedDocument());
    QVERIFY(kven::HasClueTexts(w.form.clues()));
    w.Paste(text);
    QCOMPARE(kven::HasClueTexts(w.form.clues()), keeps);
    QCOMPARE(w.form.clues().facts.author == "A. Setter", keeps);
    w.form.SetCopySaveChoice(kven::CopySaveAs::Ipuz);
    w.Trigger("miCopy");
    const QString exported = QGuiApplication::clipboard()->text();
    QCOMPARE(exported.contains(QStringLiteral("Groups of three")), keeps);
    QCOMPARE(exported.contains(QStringLiteral("A. Setter")), keeps);
    w.Trigger("miUndo");  // the paste is one step, clues and all
    QCOMPARE(w.form.clues().facts.author, std::string("A. Setter"));
  }
};

QTEST_MAIN(KeepingWorkTest)
#include "keeping_work_test.moc"
