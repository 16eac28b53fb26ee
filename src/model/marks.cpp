#include "model/marks.h"

#include <algorithm>

namespace kven {

void MarkPartners::Add(const MarkAt& image, const MarkAt& mark, int hSquares, int vSquares) {
  if (image.col < 1 || image.col > hSquares || image.row < 1 || image.row > vSquares) return;
  if (image == mark || std::find(begin(), end(), image) != end()) return;
  items_[count_++] = image;
}

MarkPartners Partners(const MarkAt& mark, std::int32_t order, int hSquares, int vSquares, bool quarterTurns) {
  const int h = hSquares;
  const int v = vSquares;
  const int c = mark.col;
  const int r = mark.row;
  MarkPartners partners;
  if (!HasHalfTurn(order)) return partners;
  switch (mark.kind) {
    case Mark::Block:
      partners.Add({Mark::Block, h - c + 1, v - r + 1}, mark, h, v);
      if (order == Fourfold) {
        partners.Add({Mark::Block, h - c + 1, r}, mark, h, v);
        partners.Add({Mark::Block, c, v - r + 1}, mark, h, v);
      }
      break;
    case Mark::HBar:
      partners.Add({Mark::HBar, h - c + 1, v - r}, mark, h, v);
      if (quarterTurns) {
        partners.Add({Mark::VBar, h - r, c}, mark, h, v);
        partners.Add({Mark::VBar, r, v - c + 1}, mark, h, v);
      }
      break;
    case Mark::VBar:
      partners.Add({Mark::VBar, h - c, v - r + 1}, mark, h, v);
      if (quarterTurns) {
        partners.Add({Mark::HBar, v - r + 1, c}, mark, h, v);
        partners.Add({Mark::HBar, r, v - c}, mark, h, v);
      }
      break;
  }
  return partners;
}

MarkPartners SymmetricPartners(const MarkAt& mark, std::int32_t order, int hSquares, int vSquares) {
  return Partners(mark, order, hSquares, vSquares, HasQuarterTurns(order, hSquares, vSquares));
}

MarkPartners ReadingPartners(const MarkAt& mark, std::int32_t order, int hSquares, int vSquares) {
  return Partners(mark, order, hSquares, vSquares, order == Fourfold);
}

}  // namespace kven
