#pragma once

#include <QFont>

#include <optional>

#include "formats/file_format.h"
#include "model/puzzle.h"

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QScrollArea;

namespace kven {

class KvenGrid;
class SpinButton;

// What "Copy/Save as" has selected.
enum class CopySaveAs { KvenText = 0, Grid = 1, ClueList = 2, Ipuz = 3, Puz = 4, Jpz = 5, Xd = 6 };

// The document format a choice copies and saves; none for the picture and
// the clue list.
std::optional<FileFormat> DocumentFormatOf(CopySaveAs choice);

// The main window's controls. Each carries its program name as object name
// ("edTitle", "KvenGrid", ...), so tests and tools can find it.
struct FormControls {
  QScrollArea* scroll = nullptr;
  KvenGrid* grid = nullptr;
  QLineEdit* editH = nullptr;
  QLineEdit* editV = nullptr;
  SpinButton* spinH = nullptr;
  SpinButton* spinV = nullptr;
  QLineEdit* edTitle = nullptr;
  QLineEdit* edNum = nullptr;
  QLabel* lblNum = nullptr;
  QButtonGroup* copySaveAs = nullptr;  // button ids are CopySaveAs values
};

// The menu items, each with its program name as object name ("miNew", ...).
struct FormMenus {
  QAction *miNew, *miOpen, *miSave, *miExportIpuz, *miExportPuz, *miExportJpz, *miExportXd, *miExportSvg,
      *miExportPdf, *miExportSubmission, *miExportWebPage, *miProperties, *miPrint, *miExit;
  QAction *miUndo, *miRedo, *miCopy, *miPaste, *miClear;
  QAction *miHbar, *miVbar, *miBlock, *miNumber, *miAuto, *miManual, *miLetter, *miCheck;
  QAction *miCircle, *miShade, *miToggleCircle, *miToggleShade;  // the squares' styles
  QMenu* mnEntry;  // where the Clues panel's item goes
  QAction *miNone, *miTwo, *miFour;
  QAction *miZoomIn, *miZoomOut, *miActualSize;
  QAction *miInstr, *miBeyond, *miAbout;
  QAction* miFill;  // the Fill panel
};

// The program's one font: "MS Sans Serif" at 13 pixels, by its metric stand-in.
QFont WindowFont();

// Builds the controls as the window's central widget: the size fields with
// their spinners, the title and number fields, the "Copy/Save as" choice,
// and the grid below, which reads the puzzle and editor state given.
FormControls BuildFormControls(QMainWindow& window, const Puzzle& puzzle, const EditorState& editor);

// Builds the menu bar with every item's caption, access key and shortcut,
// the Entry items and the Symmetry items each in one exclusive group.
FormMenus BuildFormMenus(QMainWindow& window);

}  // namespace kven
