#include "app/text_page.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "kven_version.h"

namespace kven {

TextPage::TextPage(const QString& caption, const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle(caption);
  text_ = new QPlainTextEdit(text, this);
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addWidget(buttons);
  resize(560, 420);
}

QString BeyondInstructionsText() {
  return QStringLiteral(
      "Beyond the instructions\n"
      "\n"
      "Undo. Edit > Undo (Ctrl+Z) takes back every change of the puzzle, one step at a time: "
      "blocks, bars, numbers, letters, the title, the size, New, Open and Paste. "
      "Edit > Redo (Ctrl+Shift+Z) does it again.\n"
      "\n"
      "Other programs' formats. File > Open and Edit > Paste also read ipuz documents, Across Lite .puz files, "
      "Crossword Compiler .jpz and .xd crosswords, and tell once what a file's reader noted. "
      "File > Export as ipuz..., as Across Lite (.puz)..., as Crossword Compiler (.jpz)... and as .xd Crossword... "
      "write them, and Copy/Save as offers the same; a format that cannot hold the diagram (bars in .puz or .xd) "
      "is refused with the reason, and nothing is written. Copy puts a .puz on the clipboard as "
      "application/x-crossword, which Paste reads back.\n"
      "\n"
      "Circled and shaded squares. Entry > Circle and Entry > Shade: a click puts a circle in the square or "
      "shades it, or takes it off; a block takes neither, and symmetry does not mirror them. "
      "Entry > Toggle Circle (Ctrl+Shift+O) and Toggle Shade (Ctrl+Shift+H) do it to the cursor's square. "
      "The grid, the picture, the PDF, the printout and the web page show them; a KVEN text cannot carry them "
      "and says so once.\n"
      "\n"
      "SVG. File > Export picture as SVG... writes the grid picture as a drawing that stays sharp at any size.\n"
      "\n"
      "The check. Entry > Check Diagram... reports short entries, unchecked letters, squares in no entry, "
      "a diagram that falls apart, missing symmetric partners, numbers that do not fit and an unfinished "
      "solution. Choose a finding to frame its squares on the grid.\n"
      "\n"
      "Fill. Entry > Fill... opens a panel with words that fit the entry under the cursor; "
      "Fill Grid tries to fill the whole diagram.\n"
      "\n"
      "Clues. The Clues panel holds a clue for every numbered entry; File > Puzzle Properties... "
      "sets the author and other details; File > Export as PDF... writes the grid with its clues, "
      "asking whether to add a page with the solution (remembered; Print asks the same); "
      "File > Export Submission PDF... writes the copy an editor asks for, with the whole solution.\n"
      "\n"
      "Web page. File > Export as Web Page... writes one page to solve the puzzle in a browser, "
      "with the answers for Check and Reveal or without them, as asked.\n"
      "\n"
      "Sizes can be typed into the size fields: press Enter or leave the field.\n"
      "In Solution mode the entry under the cursor is shaded.\n"
      "New, Open and Exit ask before a puzzle changed since it was last saved or copied is lost, "
      "naming what Save will write.\n"
      "\n"
      "Shortcuts\n"
      "Ctrl+N New, Ctrl+O Open, Ctrl+S Save, Ctrl+P Print, Ctrl+Q Exit\n"
      "Ctrl+Z Undo, Ctrl+Shift+Z Redo, Ctrl+C Copy, Ctrl+V Paste, Ctrl+Y Clear\n"
      "Ctrl++ Zoom In, Ctrl+- Zoom Out, Ctrl+0 Actual Size (View menu)\n"
      "Ctrl+B thicker bars, Shift+Ctrl+B thinner bars\n"
      "Ctrl+Shift+O Toggle Circle, Ctrl+Shift+H Toggle Shade (Entry menu)\n");
}

QString AboutText() {
  return QStringLiteral("Gridlark (KVEN3) version %1\n\nCrossword diagrams as plain text, pictures and ipuz.\n\n"
                        "Licence: %2")
      .arg(QLatin1String(Version), QLatin1String(Licence));
}

}  // namespace kven
