#pragma once

#include <cstdint>
#include <string>

#include "model/editor_state.h"

namespace kven {

// What the core tells the grid control. Each call is made at the moment the
// core's step makes it; the model change itself (storing a letter, a number)
// is done by the core, the view only draws.
class GridView {
 public:
  virtual ~GridView() = default;

  // --- the grid control's steps of a reset, in the order the reset makes them ---
  // The brush of the grid's drawing surface becomes white.
  virtual void SetBrushWhite() = 0;
  // The grid shows hSquares x vSquares squares beside its header column and
  // above its header row, and takes the size they need.
  virtual void SetSquareCount(int hSquares, int vSquares) = 0;
  // Every square is filled white.
  virtual void FillSquaresWhite() = 0;

  // --- drawing ---
  // Schedules a full repaint of every cell, run after the current command.
  virtual void InvalidateGrid() = 0;
  // Repaints every cell now.
  virtual void RepaintGrid() = 0;
  // Draws the square's clue number, or erases it (0 on an open square).
  virtual void PaintNumber(int col, int row, std::int32_t number) = 0;
  // Draws a letter (or the blank mark) that PaintLetter is storing.
  virtual void DrawLetter(int col, int row, char ch) = 0;
  // Whitens the letter area of an open square inside the grid.
  virtual void ClearLetterArea(int col, int row) = 0;
  // Draws the solution cursor arrow in an open square inside the grid.
  virtual void PaintCursorArrow(int col, int row, Direction direction) = 0;
  // Redraws every set bar at newWidth; called before BarWidth takes the new
  // value, since the old strips are whitened first.
  virtual void ChangeBarWidth(int oldWidth, int newWidth) = 0;
};

// The window effects that resetting and reading a puzzle cause, and the grid
// the window shows. The main window implements it; NullView serves the tool,
// the fuzzers and most tests.
class PuzzleView {
 public:
  virtual ~PuzzleView() = default;

  virtual GridView& Grid() = 0;

  // --- the window steps of ResetPuzzle, in the order the reset makes them ---
  // Window size and scroll bars for a grid of hSquares x vSquares squares.
  virtual void FitWindowToGrid(int hSquares, int vSquares) = 0;
  // The size fields show the new size.
  virtual void ShowSize(int hSquares, int vSquares) = 0;
  // Fourfold becomes available.
  virtual void EnableFourfold() = 0;
  // The size has an odd side: unless Block entry is checked, Fourfold is
  // withdrawn and Twofold checked (Symmetry itself is unchanged).
  virtual void WithdrawFourfoldUnlessBlockChecked() = 0;
  // The number field and its label are hidden and Number is unchecked.
  virtual void HideNumberEntry() = 0;

  // --- the title field (emptied by a reset, filled by the reader) ---
  virtual void SetTitleField(const std::string& title) = 0;

  // --- the reader's menu checks and its one failure ---
  // Check the symmetry item for 0, 2 or 4 (never called for other values).
  virtual void CheckSymmetry(std::int32_t order) = 0;
  // Check Entry > Number > Manual.
  virtual void CheckManual() = 0;
  // Abort a print job in progress, then show the invalid-data message.
  virtual void ReportInvalidData() = 0;

  // --- the manual number field, which manual entry reads and rewrites ---
  virtual std::string NumberFieldText() = 0;
  virtual void SetNumberFieldText(const std::string& text) = 0;
};

// A grid that shows nothing.
class NullGridView final : public GridView {
 public:
  void SetBrushWhite() override {}
  void SetSquareCount(int, int) override {}
  void FillSquaresWhite() override {}
  void InvalidateGrid() override {}
  void RepaintGrid() override {}
  void PaintNumber(int, int, std::int32_t) override {}
  void DrawLetter(int, int, char) override {}
  void ClearLetterArea(int, int) override {}
  void PaintCursorArrow(int, int, Direction) override {}
  void ChangeBarWidth(int, int) override {}
};

// A window that shows nothing; its number field is always empty.
class NullView final : public PuzzleView {
 public:
  GridView& Grid() override { return grid_; }
  void FitWindowToGrid(int, int) override {}
  void ShowSize(int, int) override {}
  void EnableFourfold() override {}
  void WithdrawFourfoldUnlessBlockChecked() override {}
  void HideNumberEntry() override {}
  void SetTitleField(const std::string&) override {}
  void CheckSymmetry(std::int32_t) override {}
  void CheckManual() override {}
  void ReportInvalidData() override {}
  std::string NumberFieldText() override { return std::string(); }
  void SetNumberFieldText(const std::string&) override {}

 private:
  NullGridView grid_;
};

}  // namespace kven
