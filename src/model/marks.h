#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace kven {

// What a diagram is built of: blocked squares, or bars on a square's bottom
// edge (HBar) or right edge (VBar).
enum class Mark : std::uint8_t { Block, HBar, VBar };

// A mark of one kind on square [col, row].
struct MarkAt {
  Mark kind = Mark::Block;
  int col = 0;
  int row = 0;
  bool operator==(const MarkAt&) const = default;
};

// Symmetry orders. A puzzle keeps whatever order its text carried (the writer
// writes it back), so an order is an integer; these are the three with a
// meaning and a menu item.
inline constexpr std::int32_t NoSymmetry = 0;
inline constexpr std::int32_t Twofold = 2;
inline constexpr std::int32_t Fourfold = 4;

inline constexpr bool IsKnownSymmetry(std::int32_t order) {
  return order == NoSymmetry || order == Twofold || order == Fourfold;
}

// Every order of 2 or more gives the half turn: that is how a text with an
// unknown order is read.
inline constexpr bool HasHalfTurn(std::int32_t order) { return order >= Twofold; }

// Fourfold symmetry mirrors blocks in both centre lines, on any grid. Bars
// are turned through quarter turns instead, and a quarter turn maps the grid
// onto itself only when its sides are equal: on any other grid fourfold bars
// have their half-turn partner alone.
inline constexpr bool HasQuarterTurns(std::int32_t order, int hSquares, int vSquares) {
  return order == Fourfold && hSquares == vSquares;
}

// The symmetric partners of a mark: its images under the order on a grid of
// hSquares x vSquares, each distinct from the mark and from one another,
// inside the grid (a bar on the outer border has no image inside it). Half
// turn first, then the mirror images or quarter turns. The image of a bottom
// edge turned through 180 degrees is a bottom edge, of a right edge a right
// edge; a quarter turn makes a bottom edge a right edge and the reverse.
class MarkPartners {
 public:
  std::span<const MarkAt> marks() const { return {items_.data(), count_}; }
  auto begin() const { return marks().begin(); }
  auto end() const { return marks().end(); }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

 private:
  friend MarkPartners Partners(const MarkAt& mark, std::int32_t order, int hSquares, int vSquares, bool quarterTurns);
  void Add(const MarkAt& image, const MarkAt& mark, int hSquares, int vSquares);

  std::array<MarkAt, 3> items_{};
  std::size_t count_ = 0;
};

MarkPartners SymmetricPartners(const MarkAt& mark, std::int32_t order, int hSquares, int vSquares);

// The partners a KVEN text's reader adds to a listed mark: the same images,
// except that fourfold bars get their quarter-turn images on every grid, as
// texts written by other programs carry them; on an oblong grid those that
// fall outside it are dropped.
MarkPartners ReadingPartners(const MarkAt& mark, std::int32_t order, int hSquares, int vSquares);

}  // namespace kven
