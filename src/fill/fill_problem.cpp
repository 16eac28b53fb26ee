#include "fill/fill_problem.h"

namespace kven::fill {

namespace {

bool IsGridLetter(char ch) { return ch >= 'A' && ch <= 'Z'; }

}  // namespace

bool IsComplete(const Puzzle& p, const DiagramEntry& e) {
  for (int i = 0; i < e.length; ++i)
    if (!IsGridLetter(p.Letters(EntrySquare(e, i).col, EntrySquare(e, i).row))) return false;
  return true;
}

std::string EntryLetters(const Puzzle& p, const DiagramEntry& e) {
  std::string letters;
  for (int i = 0; i < e.length; ++i) {
    const char ch = p.Letters(EntrySquare(e, i).col, EntrySquare(e, i).row);
    letters += IsGridLetter(ch) ? ch : '.';
  }
  return letters;
}

int CountBits(const std::uint64_t* bits, int blocks) {
  int n = 0;
  for (int b = 0; b < blocks; ++b) n += __builtin_popcountll(bits[b]);
  return n;
}

bool Intersects(const std::uint64_t* a, const std::uint64_t* b, int blocks) {
  for (int i = 0; i < blocks; ++i)
    if ((a[i] & b[i]) != 0) return true;
  return false;
}

FillProblem BuildProblem(const Puzzle& p, const std::vector<DiagramEntry>& chosen, const WordIndex& index,
                         int minScore, const EntryFloor& floor) {
  FillProblem problem;
  // Which slot (and where in it) holds each square, across and down.
  std::vector<Crossing> across(static_cast<std::size_t>((p.HSquares + 1) * (p.VSquares + 1)));
  std::vector<Crossing> down(across.size());
  const auto square = [&](int col, int row) { return row * (p.HSquares + 1) + col; };
  std::size_t offset = 0;
  for (const DiagramEntry& e : chosen) {
    if (IsComplete(p, e)) continue;
    Slot s;
    s.entry = e;
    s.length = e.length;
    s.blocks = index.Blocks(e.length);
    s.bitOffset = offset;
    offset += static_cast<std::size_t>(s.blocks);
    const int id = static_cast<int>(problem.slots.size());
    for (int i = 0; i < e.length; ++i) {
      const int sq = square(EntrySquare(e, i).col, EntrySquare(e, i).row);
      s.squares.push_back(sq);
      const char ch = p.Letters(EntrySquare(e, i).col, EntrySquare(e, i).row);
      s.fixed.push_back(IsGridLetter(ch) ? ch : 0);
      (e.direction == EntryDirection::Across ? across : down)[static_cast<std::size_t>(sq)] = Crossing{id, i};
    }
    problem.slots.push_back(std::move(s));
  }
  problem.domains.assign(offset, 0);

  // The words complete entries hold, by length and number.
  std::vector<std::pair<int, int>> used;
  for (const DiagramEntry& e : DiagramEntries(p)) {
    if (!IsComplete(p, e)) continue;
    const int w = index.Find(EntryLetters(p, e));
    if (w >= 0) used.emplace_back(e.length, w);
  }

  for (int id = 0; id < static_cast<int>(problem.slots.size()); ++id) {
    Slot& s = problem.slots[static_cast<std::size_t>(id)];
    for (int i = 0; i < s.length; ++i) {
      const std::vector<Crossing>& other = s.entry.direction == EntryDirection::Across ? down : across;
      s.crossings.push_back(other[static_cast<std::size_t>(s.squares[static_cast<std::size_t>(i)])]);
    }
    std::uint64_t* d = problem.Domain(id);
    const int allowed = index.CountAtLeast(s.length, floor ? floor(s.entry) : minScore);
    for (int w = 0; w < allowed; ++w) d[w / 64] |= std::uint64_t{1} << (w % 64);
    for (int i = 0; i < s.length; ++i) {
      if (s.fixed[static_cast<std::size_t>(i)] == 0) continue;
      const std::uint64_t* with = index.With(s.length, i, s.fixed[static_cast<std::size_t>(i)] - 'A');
      for (int b = 0; b < s.blocks; ++b) d[b] &= with[b];
    }
    for (const auto& [length, w] : used)
      if (length == s.length) d[w / 64] &= ~(std::uint64_t{1} << (w % 64));
    if (!Intersects(d, d, s.blocks)) problem.unfillable.push_back(s.entry);
  }
  return problem;
}

}  // namespace kven::fill
