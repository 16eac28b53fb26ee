#include <QApplication>

#include "app/dialogs.h"
#include "app/instr_form.h"
#include "app/kven_form.h"
#include "app/kven_form_texts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(kven::form_text::ApplicationTitle);

  kven::QtDialogs dialogs;
  kven::KvenForm form(dialogs);
  kven::Instrform instr(&form);
  form.SetInstructionsWindow(&instr);
  form.show();
  return QApplication::exec();
}
