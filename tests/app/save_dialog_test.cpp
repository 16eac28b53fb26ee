#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialogs.h"
#include "app/kven_form_texts.h"
#include "app/qt_text.h"
#include "formats/file_format.h"

namespace ft = kven::form_text;

namespace {

QString FileNameShown(const QFileDialog& dialog) { return QFileInfo(dialog.selectedFiles().value(0)).fileName(); }

QString FilterOf(kven::FileFormat format) { return kven::FromLatin1(kven::InfoOf(format).filter); }

}  // namespace

class SaveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void proposesTheNameAsGiven_data() {
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<int>("filterIndex");
    const QStringList saveFilters{FilterOf(kven::FileFormat::KvenText), ft::FilterBitmap};
    QTest::newRow("KVEN text") << QStringLiteral("Xword.txt") << saveFilters << 1;
    QTest::newRow("grid picture") << QStringLiteral("Xword.bmp") << saveFilters << 2;
    QTest::newRow("clue list") << QStringLiteral("Clues.txt") << saveFilters << 1;
    QTest::newRow("ipuz export") << QStringLiteral("Xword.ipuz") << QStringList{FilterOf(kven::FileFormat::Ipuz)} << 1;
    QTest::newRow("SVG export") << QStringLiteral("Xword.svg") << QStringList{ft::FilterSvg} << 1;
    QTest::newRow("PDF export") << QStringLiteral("Xword.pdf") << QStringList{ft::FilterPdf} << 1;
  }

  // In the folder proposed, with the filter chosen and the name untouched.
  void proposesTheNameAsGiven() {
    QFETCH(QString, proposed);
    QFETCH(QStringList, filters);
    QFETCH(int, filterIndex);
    QTemporaryDir dir;
    const auto dialog = kven::MakeSaveDialog(nullptr, dir.filePath(proposed), filters, filterIndex);
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog->selectedNameFilter(), filters.at(filterIndex - 1));
    dialog->show();
    QCOMPARE(FileNameShown(*dialog), proposed);
    QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
  }

  void keepsTheNameTheUserConfirms() {
    QTemporaryDir dir;
    for (const QString& typed : {QStringLiteral("My Puzzle.Txt"), QStringLiteral("no-suffix"),
                                 QStringLiteral("grid.BMP.txt")}) {
      const auto dialog =
          kven::MakeSaveDialog(nullptr, dir.filePath(QStringLiteral("Xword.bmp")),
                               {FilterOf(kven::FileFormat::KvenText), ft::FilterBitmap}, 2);
      dialog->show();
      auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QVERIFY(field != nullptr);
      field->setText(typed);
      QMetaObject::invokeMethod(dialog.get(), "accept");
      QCOMPARE(dialog->result(), static_cast<int>(QDialog::Accepted));
      QCOMPARE(dialog->selectedFiles(), QStringList{QFileInfo(dir.path()).absoluteFilePath() + QLatin1Char('/') + typed});
    }
  }
};

QTEST_MAIN(SaveDialogTest)
#include "save_dialog_test.moc"
