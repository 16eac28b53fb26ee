#include "support/recording_view.h"

namespace kven::test {

namespace {
std::string Join(const char* name, std::initializer_list<long long> args) {
  std::string s = name;
  for (long long a : args) s += " " + std::to_string(a);
  return s;
}
}  // namespace

void RecordingView::SetBrushWhite() { calls.push_back("SetBrushWhite"); }
void RecordingView::SetSquareCount(int hSquares, int vSquares) {
  calls.push_back(Join("SetSquareCount", {hSquares, vSquares}));
}
void RecordingView::FillSquaresWhite() { calls.push_back("FillSquaresWhite"); }
void RecordingView::InvalidateGrid() { calls.push_back("InvalidateGrid"); }
void RecordingView::RepaintGrid() { calls.push_back("RepaintGrid"); }
void RecordingView::PaintNumber(int col, int row, std::int32_t number) {
  calls.push_back(Join("PaintNumber", {col, row, number}));
}
void RecordingView::DrawLetter(int col, int row, char ch) {
  calls.push_back(Join("DrawLetter", {col, row}) + " '" + std::string(1, ch) + "'");
}
void RecordingView::ClearLetterArea(int col, int row) { calls.push_back(Join("ClearLetterArea", {col, row})); }
void RecordingView::PaintCursorArrow(int col, int row, Direction direction) {
  calls.push_back(Join("PaintCursorArrow", {col, row, static_cast<int>(direction)}));
}
void RecordingView::ChangeBarWidth(int oldWidth, int newWidth) {
  calls.push_back(Join("ChangeBarWidth", {oldWidth, newWidth}));
}
void RecordingView::FitWindowToGrid(int hSquares, int vSquares) {
  calls.push_back(Join("FitWindowToGrid", {hSquares, vSquares}));
}
void RecordingView::ShowSize(int hSquares, int vSquares) { calls.push_back(Join("ShowSize", {hSquares, vSquares})); }
void RecordingView::EnableFourfold() { calls.push_back("EnableFourfold"); }
void RecordingView::WithdrawFourfoldUnlessBlockChecked() { calls.push_back("WithdrawFourfoldUnlessBlockChecked"); }
void RecordingView::HideNumberEntry() { calls.push_back("HideNumberEntry"); }
void RecordingView::SetTitleField(const std::string& title) { calls.push_back("SetTitleField '" + title + "'"); }
void RecordingView::CheckSymmetry(std::int32_t order) { calls.push_back(Join("CheckSymmetry", {order})); }
void RecordingView::CheckManual() { calls.push_back("CheckManual"); }
void RecordingView::ReportInvalidData() { calls.push_back("ReportInvalidData"); }
std::string RecordingView::NumberFieldText() {
  calls.push_back("NumberFieldText");
  return numberField_;
}
void RecordingView::SetNumberFieldText(const std::string& text) {
  calls.push_back("SetNumberFieldText '" + text + "'");
  numberField_ = text;
}

std::vector<std::string> RecordingView::Matching(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& c : calls)
    if (c.rfind(prefix, 0) == 0) out.push_back(c);
  return out;
}

std::size_t RecordingView::Count(const std::string& prefix) const { return Matching(prefix).size(); }

int RecordingView::IndexOf(const std::string& text) const {
  for (std::size_t i = 0; i < calls.size(); ++i)
    if (calls[i] == text) return static_cast<int>(i);
  return -1;
}

}  // namespace kven::test
