// The Clues panel in the window: a clued ipuz document pasted in, its
// clues edited, each edit one step that Undo takes back with the clue
// store; choosing clues frames their entries, and the clues go out as ipuz.
#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTreeWidget>

#include "app/clues_panel.h"
#include "app/properties_dialog.h"
#include "test_window.h"

using kven::test::Window;

namespace {

QString ClueDocument() {
  QFile file(QStringLiteral(KVEN_CLUED_EXAMPLE));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no clued example");
  return QString::fromUtf8(file.readAll());
}

kven::CluesPanel& Panel(Window& w) { return kven::test::Find<kven::CluesPanel>(w.form, "CluesPanel"); }

void Type(QLineEdit& field, const QString& text) { QTest::keyClicks(&field, text); }

}  // namespace

class CluesPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

  void editsOfCluesAreStepsThatUndoTakesBack() {
    Window w;
    w.Paste(ClueDocument());
    kven::CluesPanel& panel = Panel(w);
    QVERIFY(panel.isVisible());  // a document with clue texts shows them
    const kven::PuzzleClues pasted = w.form.clues();
    QCOMPARE(pasted.clues.size(), std::size_t{6});

    // Choosing 4 across frames its squares; typing replaces its clue in one step.
    w.Trigger("miLetter");
    QSignalSpy framed(&panel, &kven::CluesPanel::entryChosen);
    w.Click(2, 3);
    QCOMPARE(panel.textField()->text(), QStringLiteral("Sum of the <i>whole</i> lot"));
    QCOMPARE(framed.last().at(0).value<QList<QPoint>>().size(), 5);
    QCOMPARE(framed.last().at(0).value<QList<QPoint>>().front(), QPoint(1, 3));
    panel.textField()->selectAll();
    Type(*panel.textField(), QStringLiteral("Total"));
    QAction& undo = w.Item("miUndo");
    QCOMPARE(undo.text(), QStringLiteral("Undo Clue 4 Across"));
    // Tab goes on to 5 across; its enumeration is a step of its own.
    QTest::keyClick(panel.textField(), Qt::Key_Tab);
    QCOMPARE(panel.textField()->text(), QStringLiteral("Groups of three"));
    panel.enumerationField()->selectAll();
    Type(*panel.enumerationField(), QStringLiteral("(2,3)"));
    QCOMPARE(kven::EnumerationText(&w.form.clues().clues[2], 5), std::string("(2,3)"));
    QCOMPARE(undo.text(), QStringLiteral("Undo Enumeration 5 Across"));

    undo.trigger();
    QCOMPARE(w.form.clues().clues[2].enumeration, std::string("5"));
    undo.trigger();
    QVERIFY(w.form.clues() == pasted);
    QCOMPARE(undo.text(), QStringLiteral("Undo Paste"));
    w.Item("miRedo").trigger();
    QCOMPARE(w.form.clues().clues[1].text, std::string("Total"));
  }

  void tabKeepsTheTypingInTheClueField_data() {
    QTest::addColumn<bool>("back");
    QTest::addColumn<int>("typedInto");  // the index of the clue in the store
    QTest::addColumn<QString>("text");
    QTest::newRow("Tab: the next clue") << false << 2 << QStringLiteral("Groups of three, said");
    QTest::newRow("Shift+Tab: the clue before") << true << 0 << QStringLiteral("Setter's first clue, said");
  }
  // Keys go where the focus is, as from a keyboard: the field keeps it.
  void tabKeepsTheTypingInTheClueField() {
    QFETCH(bool, back);
    QFETCH(int, typedInto);
    QFETCH(QString, text);
    Window w;
    w.Paste(ClueDocument());
    w.Trigger("miLetter");
    w.Click(2, 3);  // 4 across
    kven::CluesPanel& panel = Panel(w);
    panel.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    QTest::mouseClick(panel.textField(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), panel.textField());
    QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), panel.textField());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(", said"));
    QCOMPARE(QString::fromStdString(w.form.clues().clues[static_cast<std::size_t>(typedInto)].text), text);
    QCOMPARE(w.form.clues().clues[1].text, std::string("Sum of the <i>whole</i> lot"));
  }

  void aClueWithoutItsEntryIsShownAndDeletable() {
    Window w;
    w.Paste(ClueDocument());
    w.Trigger("miBlock");
    w.Trigger("miNone");
    w.Click(3, 1);  // 2 down now starts a row lower
    QTreeWidget& tree = *Panel(w).clueTree();
    QTreeWidgetItem* without = tree.topLevelItem(tree.topLevelItemCount() - 1);
    QCOMPARE(without->text(0), QStringLiteral("Without an entry"));
    QCOMPARE(without->childCount(), 1);
    QCOMPARE(without->child(0)->text(2), QStringLiteral("Go in"));
    tree.setCurrentItem(without->child(0));
    without->child(0)->setSelected(true);
    QVERIFY(Panel(w).deleteButton()->isEnabled());
    Panel(w).deleteButton()->click();
    QCOMPARE(w.form.clues().clues.size(), std::size_t{5});
    w.Item("miUndo").trigger();
    QCOMPARE(w.form.clues().clues.size(), std::size_t{6});
  }

  void cluesGoOutAsIpuzAndKvenTextSaysItLeavesThemOut() {
    Window w;
    w.Paste(ClueDocument());
    w.form.SetCopySaveChoice(kven::CopySaveAs::KvenText);
    w.Trigger("miCopy");
    QVERIFY(w.form.statusBar()->currentMessage().contains(QStringLiteral("leaves out clues")));
    w.form.SetCopySaveChoice(kven::CopySaveAs::Ipuz);
    w.Trigger("miCopy");
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.contains(QStringLiteral("\"author\": \"A. Setter\"")));
    w.dialogs.saveAnswers.clear();
    w.Trigger("miSave");
    QCOMPARE(w.dialogs.saveRequests.back().proposed.section(QLatin1Char('/'), -1), QStringLiteral("Xword.ipuz"));
    // Read back, the clues are there again.
    w.Trigger("miNew");
    QVERIFY(w.form.clues() == kven::PuzzleClues{});
    w.Paste(copied);
    QCOMPARE(w.form.clues().facts.author, std::string("A. Setter"));
    QCOMPARE(w.form.clues().clues.size(), std::size_t{6});
  }

  // The enumeration column says in red when an enumeration does not fit its
  // entry, and why; a fitting one is shown plain again.
  void anEnumerationThatDoesNotFitItsEntryIsMarked() {
    Window w;
    w.Paste(ClueDocument());
    kven::CluesPanel& panel = Panel(w);
    w.Trigger("miLetter");
    w.Click(1, 5);  // 5 across, five letters
    const auto fiveAcross = [&] {
      QTreeWidgetItem* across = panel.clueTree()->topLevelItem(0);
      for (int i = 0; i < across->childCount(); ++i)
        if (across->child(i)->text(0) == QStringLiteral("5")) return across->child(i);
      return static_cast<QTreeWidgetItem*>(nullptr);
    };
    const QBrush plain = fiveAcross()->foreground(1);
    panel.enumerationField()->selectAll();
    Type(*panel.enumerationField(), QStringLiteral("2,4"));
    QCOMPARE(fiveAcross()->text(1), QStringLiteral("(2,4)"));
    QCOMPARE(fiveAcross()->toolTip(1), QStringLiteral("5 across has 5 letters but its enumeration (2,4) counts 6"));
    QVERIFY(fiveAcross()->foreground(1) != plain);
    panel.enumerationField()->selectAll();
    Type(*panel.enumerationField(), QStringLiteral("2,3"));
    QCOMPARE(fiveAcross()->toolTip(1), QString());
    QVERIFY(fiveAcross()->foreground(1) == plain);
  }

  void propertiesAreOneStep() {
    Window w;
    w.dialogs.whileShown = [](QDialog& dialog) {
      kven::test::Find<QLineEdit>(dialog, "edPropertiesTitle").setText(QStringLiteral("Κρυπτό"));
      kven::test::Find<QLineEdit>(dialog, "edAuthor").setText(QStringLiteral("Émile"));
      dialog.accept();
    };
    w.Trigger("miProperties");
    QCOMPARE(w.form.clues().facts.author, std::string("Émile"));
    QCOMPARE(w.Field("edTitle").text(), QStringLiteral("Κρυπτό"));
    QCOMPARE(kven::UnicodeTitle(w.form.clues(), w.puzzle()), std::string("Κρυπτό"));
    w.Item("miUndo").trigger();
    QVERIFY(w.form.clues() == kven::PuzzleClues{});
    QCOMPARE(w.Field("edTitle").text(), QString());
  }
};

QTEST_MAIN(CluesPanelTest)
#include "clues_panel_test.moc"
