#pragma once

#include <string>
#include <vector>

#include "model/puzzle_view.h"

namespace kven::test {

// A window and grid that record every call as one line of text
// ("PaintNumber 3 1 2"), in one list, so tests can assert what the window was
// asked to do and in which order. Its number field holds what was last set
// ("1" at first).
class RecordingView : public PuzzleView, public GridView {
 public:
  std::vector<std::string> calls;

  GridView& Grid() override { return *this; }

  void SetBrushWhite() override;
  void SetSquareCount(int hSquares, int vSquares) override;
  void FillSquaresWhite() override;
  void InvalidateGrid() override;
  void RepaintGrid() override;
  void PaintNumber(int col, int row, std::int32_t number) override;
  void DrawLetter(int col, int row, char ch) override;
  void ClearLetterArea(int col, int row) override;
  void PaintCursorArrow(int col, int row, Direction direction) override;
  void ChangeBarWidth(int oldWidth, int newWidth) override;

  void FitWindowToGrid(int hSquares, int vSquares) override;
  void ShowSize(int hSquares, int vSquares) override;
  void EnableFourfold() override;
  void WithdrawFourfoldUnlessBlockChecked() override;
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

 private:
  std::string numberField_ = "1";
};

}  // namespace kven::test
