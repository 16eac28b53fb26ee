#pragma once

#include <string>
#include <vector>

#include "model/puzzle_view.h"

namespace kven::testing {

// A view that records every call as one line of text ("PaintNumber 3 1 2"),
// so tests can assert what the window was asked to do and in which order.
class RecordingView : public PuzzleView {
 public:
  std::vector<std::string> calls;

  void InvalidateGrid() override;
  void RepaintGrid() override;
  void PaintNumber(int col, int row, std::int32_t number) override;
  void DrawLetter(int col, int row, char ch) override;
  void ClearLetterArea(int col, int row) override;
  void PaintCursorArrow(int col, int row, std::uint8_t direction) override;
  void ChangeBarWidth(int oldWidth, int newWidth) override;
  void SetGridBrushWhite() override;
  void SetGridCells(int cols, int rows) override;
  void SetGridPixelSize(int width, int height) override;
  void FitWindowToGrid(int hSquares, int vSquares, int gridWidth, int gridHeight) override;
  void ShowSize(int hSquares, int vSquares) override;
  void EnableFourfold() override;
  void WithdrawFourfoldUnlessBlockChecked() override;
  void WhitenSquares() override;
  void HideNumberEntry() override;
  void SetTitleField(const std::string& title) override;
  void CheckSymmetry(std::int32_t order) override;
  void CheckManual() override;
  void ReportInvalidData() override;
  std::string NumberFieldText() override;
  void SetNumberFieldText(const std::string& text) override;

  // Calls whose text starts with prefix, in order.
  std::vector<std::string> Matching(const std::string& prefix) const;
  // Number of calls whose text starts with prefix.
  std::size_t Count(const std::string& prefix) const;
  // Index of the first call equal to text, or -1.
  int IndexOf(const std::string& text) const;
};

}  // namespace kven::testing
