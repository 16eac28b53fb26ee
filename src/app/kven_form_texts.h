#pragma once

#include <QLatin1String>

// Every text the main window shows or writes, in one place.
namespace kven::form_text {

inline constexpr QLatin1String ApplicationTitle{"KVEN3.0"};
inline constexpr QLatin1String Caption{"Gridlark"};

inline constexpr QLatin1String HorizontalSquares{"Horizontal Squares"};
inline constexpr QLatin1String VerticalSquares{"Vertical Squares"};
inline constexpr QLatin1String TitleLabel{"Title"};
inline constexpr QLatin1String CopySaveAs{"Copy/Save as"};
inline constexpr QLatin1String KvenText{"KVEN Text"};
inline constexpr QLatin1String Grid{"Grid"};
inline constexpr QLatin1String ClueList{"Clue List"};
inline constexpr QLatin1String IpuzChoice{"ipuz"};
inline constexpr QLatin1String PuzChoice{".puz"};
inline constexpr QLatin1String JpzChoice{".jpz"};
inline constexpr QLatin1String XdChoice{".xd"};
inline constexpr QLatin1String NumberEntry{"Number Entry"};
inline constexpr QLatin1String FirstManualNumber{"1"};

inline constexpr QLatin1String MenuFile{"&File"};
inline constexpr QLatin1String MenuNew{"&New"};
inline constexpr QLatin1String MenuOpen{"&Open..."};
inline constexpr QLatin1String MenuSave{"&Save..."};
inline constexpr QLatin1String MenuExportIpuz{"Export as &ipuz..."};
inline constexpr QLatin1String MenuExportPuz{"Export as Across &Lite (.puz)..."};
inline constexpr QLatin1String MenuExportJpz{"Export as Crossword &Compiler (.jpz)..."};
inline constexpr QLatin1String MenuExportXd{"Export as .xd Cross&word..."};
inline constexpr QLatin1String MenuExportSvg{"Export picture as S&VG..."};
inline constexpr QLatin1String MenuExportPdf{"Export as P&DF..."};
inline constexpr QLatin1String MenuExportSubmission{"Export Su&bmission PDF..."};
inline constexpr QLatin1String MenuExportWebPage{"Export as Web Pa&ge..."};
inline constexpr QLatin1String MenuProperties{"Puzzle P&roperties..."};
inline constexpr QLatin1String MenuPrint{"&Print..."};
inline constexpr QLatin1String MenuExit{"E&xit"};
inline constexpr QLatin1String MenuEdit{"&Edit"};
inline constexpr QLatin1String MenuUndo{"Undo"};
inline constexpr QLatin1String MenuRedo{"Redo"};
inline constexpr QLatin1String MenuCopy{"&Copy"};
inline constexpr QLatin1String MenuPaste{"Paste"};
inline constexpr QLatin1String MenuClear{"Clear"};
inline constexpr QLatin1String MenuEntry{" E&ntry"};
inline constexpr QLatin1String MenuHbar{"&Hbar"};
inline constexpr QLatin1String MenuVbar{"&Vbar"};
inline constexpr QLatin1String MenuBlock{"&Block"};
inline constexpr QLatin1String MenuNumber{"&Number"};
inline constexpr QLatin1String MenuAuto{"Auto"};
inline constexpr QLatin1String MenuManual{"Manual"};
inline constexpr QLatin1String MenuSolution{"&Solution"};
inline constexpr QLatin1String MenuCircle{"Ci&rcle"};
inline constexpr QLatin1String MenuShade{"Sh&ade"};
inline constexpr QLatin1String MenuToggleCircle{"&Toggle Circle"};
inline constexpr QLatin1String MenuToggleShade{"Toggle Sha&de"};
inline constexpr QLatin1String MenuCheck{"&Check Diagram..."};
inline constexpr QLatin1String MenuClues{"C&lues"};
inline constexpr QLatin1String MenuSymmetry{"S&ymmetry"};
inline constexpr QLatin1String MenuNone{"&None"};
inline constexpr QLatin1String MenuTwofold{"&Twofold"};
inline constexpr QLatin1String MenuFourfold{"&Fourfold"};
inline constexpr QLatin1String MenuView{"&View"};
inline constexpr QLatin1String MenuZoomIn{"Zoom &In"};
inline constexpr QLatin1String MenuZoomOut{"Zoom &Out"};
inline constexpr QLatin1String MenuActualSize{"&Actual Size"};
inline constexpr QLatin1String MenuHelp{"&Help"};
inline constexpr QLatin1String MenuHowToUse{"&How to Use..."};
inline constexpr QLatin1String MenuBeyond{"&Beyond the Instructions..."};
inline constexpr QLatin1String MenuAbout{"&About Gridlark..."};
inline constexpr QLatin1String BeyondCaption{"Beyond the Instructions"};
inline constexpr QLatin1String AboutCaption{"About Gridlark"};

inline constexpr QLatin1String ShortcutNew{"Ctrl+N"};
inline constexpr QLatin1String ShortcutOpen{"Ctrl+O"};
inline constexpr QLatin1String ShortcutSave{"Ctrl+S"};
inline constexpr QLatin1String ShortcutPrint{"Ctrl+P"};
inline constexpr QLatin1String ShortcutExit{"Ctrl+Q"};
// Ctrl++ as typed on most keyboards is Ctrl with the key of = and +.
inline constexpr QLatin1String ShortcutZoomIn{"Ctrl++"};
inline constexpr QLatin1String ShortcutZoomInUnshifted{"Ctrl+="};
inline constexpr QLatin1String ShortcutZoomOut{"Ctrl+-"};
inline constexpr QLatin1String ShortcutActualSize{"Ctrl+0"};
inline constexpr QLatin1String ShortcutUndo{"Ctrl+Z"};
inline constexpr QLatin1String ShortcutRedo{"Ctrl+Shift+Z"};
inline constexpr QLatin1String ShortcutCopy{"Ctrl+C"};
inline constexpr QLatin1String ShortcutPaste{"Ctrl+V"};
inline constexpr QLatin1String ShortcutClear{"Ctrl+Y"};
inline constexpr QLatin1String ShortcutToggleCircle{"Ctrl+Shift+O"};
inline constexpr QLatin1String ShortcutToggleShade{"Ctrl+Shift+H"};

// File dialogs: proposed names and filters (a format's own are declared with it).
inline constexpr QLatin1String ProposedBitmap{"Xword.bmp"};
inline constexpr QLatin1String ProposedClues{"Clues.txt"};
inline constexpr QLatin1String ProposedSvg{"Xword.svg"};
inline constexpr QLatin1String ProposedPdf{"Xword.pdf"};
inline constexpr QLatin1String ProposedSubmission{"Xword-submission.pdf"};
inline constexpr QLatin1String ProposedWebPage{"Xword.html"};
// Open offers every crossword first, then each format (KVEN text as these,
// the others by their own filters), then any file.
inline constexpr QLatin1String FilterOpenAll{"Crosswords (*.txt *.TXT *.kven *.ipuz *.puz *.jpz *.xd)"};
inline constexpr QLatin1String FilterOpenKven{"KVEN Texts (*.txt *.TXT *.kven)"};
inline constexpr QLatin1String FilterAnyFile{"Any Ascii File (*)"};
inline constexpr QLatin1String FilterBitmap{"Bitmap Files (*.BMP *.bmp)"};
inline constexpr QLatin1String FilterSvg{"SVG Pictures (*.svg)"};
inline constexpr QLatin1String FilterPdf{"PDF Documents (*.pdf)"};
inline constexpr QLatin1String FilterWebPage{"Web Pages (*.html *.htm)"};

// The clipboard's type for an Across Lite puzzle, which is no text.
inline constexpr QLatin1String PuzMimeType{"application/x-crossword"};

// Said once a run in the status bar, for each part a KVEN text copied or
// saved leaves out. %1 names the parts: "clues, circled squares".
inline constexpr QLatin1String KvenTextLeavesOut{"KVEN text leaves out %1: copy or save as ipuz to keep them"};

// The questions before a finished puzzle goes out, each remembered.
inline constexpr QLatin1String PdfCaption{"Export as PDF"};
inline constexpr QLatin1String PrintCaption{"Print"};
inline constexpr QLatin1String WithSolutionPage{"Add a page with the solution"};
inline constexpr QLatin1String WebPageCaption{"Web Page"};
inline constexpr QLatin1String WithAnswers{"With the answers: the solver can check and reveal letters"};
inline constexpr QLatin1String SolutionPageKey{"publish/solutionPage"};
inline constexpr QLatin1String WebAnswersKey{"publish/webAnswers"};

// The names of the changes that Edit > Undo and Redo name.
namespace change {
inline constexpr const char* New = "New";
inline constexpr const char* Open = "Open";
inline constexpr const char* Paste = "Paste";
inline constexpr const char* Clear = "Clear";
inline constexpr const char* Block = "Block";
inline constexpr const char* Bar = "Bar";
inline constexpr const char* Letter = "Letter";
inline constexpr const char* Backspace = "Backspace";
inline constexpr const char* Number = "Number";
inline constexpr const char* AutoNumbering = "Auto Numbering";
inline constexpr const char* ManualNumbering = "Manual Numbering";
inline constexpr const char* Symmetry = "Symmetry";
inline constexpr const char* Size = "Size";
inline constexpr const char* Title = "Title";
inline constexpr const char* Clue = "Clue";
inline constexpr const char* Enumeration = "Enumeration";
inline constexpr const char* DeleteClue = "Delete Clue";
inline constexpr const char* Properties = "Properties";
inline constexpr const char* Circle = "Circle";
inline constexpr const char* Shade = "Shade";
}  // namespace change

// The question before unsaved work would be lost.
inline constexpr QLatin1String UnsavedCaption{"Unsaved Changes"};
// %1 names what Save writes: "a KVEN text", "an ipuz document".
inline constexpr QLatin1String UnsavedQuestion{
    "The puzzle has changed since it was last saved or copied.\nSave it as %1 before closing?"};
inline constexpr QLatin1String UnsavedSave{"&Save..."};
inline constexpr QLatin1String UnsavedDiscard{"&Discard"};

// The caption of the invalid-data box; the messages themselves are the core's.
inline constexpr QLatin1String ErrorCaption{"Error"};
// %1 is the printer's name.
inline constexpr QLatin1String CannotStartPrintJob{"Cannot start printing on %1"};

// The second print job's file gets this before its extension.
inline constexpr QLatin1String NumbersFileSuffix{"-numbers"};
inline constexpr QLatin1String Across{"ACROSS"};
inline constexpr QLatin1String Down{"DOWN"};

}  // namespace kven::form_text
