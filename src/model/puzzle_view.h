#pragma once

#include <cstdint>
#include <string>

namespace kven {

// What the core tells the grid control. Each call is made at the moment the
// core's step makes it; the model change itself (storing a letter, a number)
// is done by the core, the view only draws. Every operation defaults to doing
// nothing, so a view implements only what it shows.
class GridView {
 public:
  virtual ~GridView() = default;

  // Schedules a full repaint of every cell, run after the current command.
  virtual void InvalidateGrid() {}
  // Repaints every cell now.
  virtual void RepaintGrid() {}
  // Draws the square's clue number, or erases it (0 on an open square).
  virtual void PaintNumber(int col, int row, std::int32_t number) { (void)col, (void)row, (void)number; }
  // Draws a letter (or the blank mark) that PaintLetter is storing.
  virtual void DrawLetter(int col, int row, char ch) { (void)col, (void)row, (void)ch; }
  // Whitens the letter area of an open square inside the grid.
  virtual void ClearLetterArea(int col, int row) { (void)col, (void)row; }
  // Draws the solution cursor arrow in an open square inside the grid.
  virtual void PaintCursorArrow(int col, int row, std::uint8_t direction) {
    (void)col, (void)row, (void)direction;
  }
  // Redraws every set bar at newWidth; called before BarWidth takes the new
  // value, since the old strips are whitened first.
  virtual void ChangeBarWidth(int oldWidth, int newWidth) { (void)oldWidth, (void)newWidth; }
};

// The grid operations plus the window effects that resetting and reading a
// puzzle cause. The main window implements it; NullView serves the tool,
// the fuzzers and most tests.
class PuzzleView : public GridView {
 public:
  // --- the window steps of ResetPuzzle, in the order the reset makes them ---
  // The grid's brush becomes white.
  virtual void SetGridBrushWhite() {}
  // The grid gets cols x rows cells (header column and row included).
  virtual void SetGridCells(int cols, int rows) { (void)cols, (void)rows; }
  // The grid control's size in pixels.
  virtual void SetGridPixelSize(int width, int height) { (void)width, (void)height; }
  // Window size and scroll bars for a grid of hSquares x vSquares squares of
  // the given pixel size.
  virtual void FitWindowToGrid(int hSquares, int vSquares, int gridWidth, int gridHeight) {
    (void)hSquares, (void)vSquares, (void)gridWidth, (void)gridHeight;
  }
  // The size fields show the new size.
  virtual void ShowSize(int hSquares, int vSquares) { (void)hSquares, (void)vSquares; }
  // Fourfold becomes available.
  virtual void EnableFourfold() {}
  // The size has an odd side: unless Block entry is checked, Fourfold is
  // withdrawn and Twofold checked (Symmetry itself is unchanged).
  virtual void WithdrawFourfoldUnlessBlockChecked() {}
  // Every square cell is filled white.
  virtual void WhitenSquares() {}
  // The number field and its label are hidden and Number is unchecked.
  virtual void HideNumberEntry() {}

  // --- the title field (emptied by a reset, filled by the reader) ---
  virtual void SetTitleField(const std::string& title) { (void)title; }

  // --- the reader's menu checks and its one failure ---
  // Check the symmetry item for 0, 2 or 4 (never called for other values).
  virtual void CheckSymmetry(std::int32_t order) { (void)order; }
  // Check Entry > Number > Manual.
  virtual void CheckManual() {}
  // Abort a print job in progress, then show "Oops - We hit Invalid Data".
  virtual void ReportInvalidData() {}

  // --- the manual number field ---
  virtual std::string NumberFieldText() { return numberField_; }
  virtual void SetNumberFieldText(const std::string& text) { numberField_ = text; }

 private:
  std::string numberField_ = "1";
};

// A view that shows nothing.
using NullView = PuzzleView;

}  // namespace kven
