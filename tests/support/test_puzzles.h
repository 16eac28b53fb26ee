#pragma once

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/puzzle.h"
#include "text/text_lines.h"

namespace kven::test {

using Square = std::pair<int, int>;  // [col, row]

// A puzzle in the start-up state, then resized to h x v with the given symmetry.
Puzzle FreshPuzzle(int h = 12, int v = 12, int symmetry = Twofold);

// The 5 x 5 diagrams that the number, text and clue-list tests share: blocks
// at [5,1], [2,2], [4,2], [2,4], [4,4], [1,5]; bars below [1,2] and [4,3],
// right of [2,1] and [3,3].
Puzzle ExampleBlocks(int symmetry);
Puzzle ExampleBars();

// Two 30 x 30 puzzles within 100 across and 100 down entries, for
// benchmarks: blocks down columns 10 and 20 (90 across, 28 down entries),
// and ten fourfold orbits of bars. Both numbered automatically, with a title
// and a letter in every open square.
Puzzle LargeBlockPuzzle();
Puzzle LargeBarPuzzle();

// A random puzzle of h x v squares made symmetric under `symmetry` (fourfold
// bars only on square grids), no bar on the outer border: blocks or bars,
// numbered automatically, by
// hand with numbers 0..999 or not at all, with a random title of up to 251
// bytes that a KVEN text carries, and in most puzzles a solution of
// letters, blanks and squares without a letter.
enum class Numbering { Auto, Manual, None };
Puzzle RandomPuzzle(std::mt19937& rng, int h, int v, int symmetry, bool bars, Numbering numbering);

// Hands `check` a random puzzle of every size 5..30 x 5..30 under each
// symmetry 0, 2 and 4 (bars on every square grid, elsewhere on half the
// sizes; the numbering kinds in turn), with where it is ("12x13 sym 2"),
// leaving out those automatic numbering cannot number. Stops when `check`
// returns false. Returns how many it checked.
int ForEachRandomPuzzle(unsigned seed, const std::function<bool(Puzzle& p, const std::string& where)>& check);

// Stores the letters of rows (one string per row) in the open squares and
// sets HasSolution.
void SetLetters(Puzzle& p, const std::vector<std::string>& rows);

// Decodes lines of KVEN text into p with a null view.
void DecodeLines(Puzzle& p, const TextLineList& lines);
// A puzzle in the start-up state with lines of KVEN text decoded into it.
Puzzle Decoded(const TextLineList& lines);

// Sets a mark and every symmetric partner it has under the puzzle's symmetry.
void SetWithPartners(Puzzle& p, const MarkAt& mark);

// The set squares of a flag array inside the grid, in reading order.
std::vector<Square> SetSquares(const Puzzle& p, const SquareArray<std::uint8_t>& flags);

// Row `row` of Letters as a string of HSquares characters.
std::string LetterRow(const Puzzle& p, int row);

// Reads a file of the examples/ folder into a string.
std::string ReadExample(const std::string& name);
// A file under tests/data ("puz/clued.puz"), its bytes as they are.
std::string ReadTestData(const std::string& path);

}  // namespace kven::test
