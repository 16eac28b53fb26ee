#pragma once

#include <memory>
#include <optional>
#include <string>

#include "render/printed_puzzle.h"
#include "render/puzzle_page.h"

class QPrinter;
class QString;

namespace kven {

class Dialogs;
class FormHost;
class Transfer;

// The main window's finished puzzle for solvers and editors: the SVG
// picture, the PDF and its submission copy, the web page and printing,
// each drawn with the squares' circles and shades. Whether the PDF and the
// print add a solution page, and whether the web page carries the answers,
// is asked where the puzzle has a solution to show, and remembered.
class FormPublishing {
 public:
  FormPublishing(FormHost& host, Dialogs& dialogs, Transfer& transfer);
  ~FormPublishing();

  void ExportSvg();
  void ExportPdf();
  // The copy for an editor; refused, with nothing written, for a puzzle
  // without its whole solution.
  void ExportSubmission();
  void ExportWebPage();
  void Print();

 private:
  PrintedPuzzle Published() const;
  // The pages to make: the solution page too when the puzzle has a
  // solution and the user asks for it. None when the user cancels.
  std::optional<PrintedPages> AskPages(const QString& caption);
  // Writes the PDF made for `name`; nothing made is a file not created.
  void WritePdf(const QString& name, const std::string& pdf);

  FormHost& host_;
  Dialogs& dialogs_;
  Transfer& transfer_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace kven
