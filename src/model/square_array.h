#pragma once

#include <array>
#include <cstdint>

namespace kven {

// Largest side of a puzzle; every per-square array covers 1..MaxSide in both directions.
inline constexpr int MaxSide = 30;

// Called when code would index a square array outside 1..30. It never returns:
// an out-of-range index is a defect, and stopping at once keeps it from
// silently corrupting the puzzle.
[[noreturn]] void SquareIndexFault(int col, int row);

inline constexpr bool InArrayRange(int col, int row) {
  return static_cast<unsigned>(col - 1) < static_cast<unsigned>(MaxSide) &&
         static_cast<unsigned>(row - 1) < static_cast<unsigned>(MaxSide);
}

// A 30 x 30 array indexed [col, row], both 1-based, with every access checked.
template <typename T>
class SquareArray {
 public:
  T& operator()(int col, int row) { return cells_[Index(col, row)]; }
  const T& operator()(int col, int row) const { return cells_[Index(col, row)]; }

  void Fill(const T& value) { cells_.fill(value); }

  bool operator==(const SquareArray&) const = default;

 private:
  static std::size_t Index(int col, int row) {
    if (!InArrayRange(col, row)) SquareIndexFault(col, row);
    return static_cast<std::size_t>(col - 1) * MaxSide + static_cast<std::size_t>(row - 1);
  }

  std::array<T, MaxSide * MaxSide> cells_{};
};

}  // namespace kven
