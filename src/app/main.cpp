#include <QApplication>

#include "app/dialogs.h"
#include "app/held_keys.h"
#include "app/instr_form.h"
#include "app/kven_form.h"
#include "app/kven_form_texts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kven::form_text::ApplicationTitle);
  // The name of the installed desktop entry, which window systems match the
  // window with.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.kven3.Gridlark"));
  // The program's one font for every window and box, so that start-up loads
  // a single family instead of the platform default and then ours.
  QApplication::setFont(kven::WindowFont());
  kven::AskForOneReleasePerHold();

  kven::QtDialogs dialogs;
  kven::KvenForm form(dialogs);
  kven::Instrform instr(&form);
  form.SetInstructionsWindow(&instr);
  form.show();
  return QApplication::exec();
}
