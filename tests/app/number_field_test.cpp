#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTest>

#include "app/kven_form.h"
#include "form_driver.h"
#include "scripted_dialogs.h"

namespace {

// Where every visible control but the number field and its label lies in
// the window, by a path of class names and texts that tells it apart.
QMap<QString, QRect> OtherControls(const QWidget& window) {
  QMap<QString, QRect> where;
  for (const QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisible() || w->objectName() == QLatin1String("EdNum") || w->objectName() == QLatin1String("LblNUm"))
      continue;
    QString key = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(w)) key += QLatin1Char(' ') + label->text();
    for (int n = 2; where.contains(key); ++n) key += QString::number(n);
    where.insert(key, QRect(w->mapTo(&window, QPoint(0, 0)), w->size()));
  }
  return where;
}

}  // namespace

class NumberFieldTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QGuiApplication::setQuitOnLastWindowClosed(false); }

  // Entry > Number > Manual shows the field below the title; Block hides it.
  void showingTheNumberFieldMovesNothingElse() {
    kven::test::ScriptedDialogs dialogs;
    kven::KvenForm form(dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QMap<QString, QRect> before = OtherControls(form);
    QVERIFY(before.size() > 10);

    kven::test::Trigger(form, "miManual");
    const auto& field = kven::test::Find<QLineEdit>(form, "EdNum");
    const auto& label = kven::test::Find<QLabel>(form, "LblNUm");
    QVERIFY(field.isVisible() && label.isVisible());
    QCoreApplication::processEvents();
    const QMap<QString, QRect> shown = OtherControls(form);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
      QVERIFY2(shown.value(it.key()) == it.value(),
               qPrintable(it.key() + QStringLiteral(" moved from %1,%2 to %3,%4")
                                         .arg(it.value().x())
                                         .arg(it.value().y())
                                         .arg(shown.value(it.key()).x())
                                         .arg(shown.value(it.key()).y())));
    QCOMPARE(shown.keys(), before.keys());

    // The field lies below the title field, clear of it, and inside the window.
    const QRect title = shown.value(QStringLiteral("QLineEdit edTitle"));
    const QRect fieldRect(field.mapTo(&form, QPoint(0, 0)), field.size());
    QVERIFY(fieldRect.top() > title.bottom());
    QVERIFY(form.rect().contains(fieldRect));

    kven::test::Trigger(form, "miBlock");
    QCoreApplication::processEvents();
    QVERIFY(field.isHidden() && label.isHidden());
    QCOMPARE(OtherControls(form), before);
  }
};

QTEST_MAIN(NumberFieldTest)
#include "number_field_test.moc"
