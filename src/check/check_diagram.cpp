#include "check/check_diagram.h"

#include <algorithm>
#include <map>

#include "editing/numbering.h"
#include "model/marks.h"

namespace kven {

namespace {

// How many squares a list of squares names in a finding's text before it
// says how many more there are.
constexpr std::size_t NamedLimit = 5;

// "3,2; 4,5; 1,1 and 4 more".
std::string NamedSquares(const std::vector<SquarePos>& squares, SquareNaming naming) {
  std::string out;
  for (std::size_t i = 0; i < squares.size() && i < NamedLimit; ++i)
    out += (i == 0 ? "" : "; ") + SquareName(squares[i], naming);
  if (squares.size() > NamedLimit) out += " and " + std::to_string(squares.size() - NamedLimit) + " more";
  return out;
}

std::string Plural(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

class Checker {
 public:
  Checker(const Puzzle& p, const CheckOptions& options)
      : p_(p), options_(options), kind_(CheckedKind(p)), d_(DrawnDiagram(p)) {
    report_.title = p.Title;
    report_.columns = d_.HSquares;
    report_.rows = d_.VSquares;
    report_.kind = kind_;
    report_.symmetry = p.Symmetry;
    report_.style = AppliedStyle(p, options);
    report_.minLength = options.minLength;
  }

  CheckReport Run() {
    ReadEntries();
    CheckShort();
    CheckUnchecked();
    CheckOrphans();
    CheckSplit();
    CheckSymmetry();
    CheckNumbering();
    CheckSolution();
    Summarise();
    return std::move(report_);
  }

 private:
  int H() const { return d_.HSquares; }
  int V() const { return d_.VSquares; }

  void Add(CheckRule rule, std::string text, std::vector<SquarePos> squares) {
    report_.findings.push_back({rule, std::move(text), std::move(squares)});
  }

  void ReadEntries() {
    for (const DiagramEntry& de : DiagramEntries(d_)) {
      CheckedEntry e;
      e.direction = de.direction;
      e.col = de.col;
      e.row = de.row;
      e.length = de.length;
      e.number = EntryNumber(p_, de);
      e.squares = EntrySquares(de);
      for (const Square& s : e.squares) (de.direction == EntryDirection::Across ? inAcross_ : inDown_)(s.col, s.row) = 1;
      starts_(de.col, de.row) = 1;
      report_.entries.push_back(std::move(e));
    }
    for (CheckedEntry& e : report_.entries) {
      int run = 0;
      for (const SquarePos& s : e.squares) {
        if (inAcross_(s.col, s.row) != 0 && inDown_(s.col, s.row) != 0) {
          ++e.checked;
          run = 0;
        } else {
          ++e.unchecked;
          e.longestUncheckedRun = std::max(e.longestUncheckedRun, ++run);
        }
      }
    }
  }

  void CheckShort() {
    for (const CheckedEntry& e : report_.entries)
      if (e.length < options_.minLength)
        Add(CheckRule::Short,
            EntryName(e) + " has " + Plural(e.length, "letter", "letters") + ", fewer than " +
                std::to_string(options_.minLength),
            e.squares);
  }

  // What breaks the style in the entry, or "" when nothing does.
  std::string UncheckedProblem(const CheckedEntry& e) const {
    switch (report_.style) {
      case CheckStyle::Us:
        if (e.unchecked == 0) return {};
        return std::to_string(e.unchecked) + " of " + std::to_string(e.length) + " letters unchecked (us allows none)";
      case CheckStyle::Uk: {
        const int maxRun = std::max(options_.ukMaxRun, 0);
        const int allowed = e.checked + (e.length >= options_.ukLongEntry ? 1 : 0);
        std::string problem;
        if (e.longestUncheckedRun > maxRun)
          problem = std::to_string(e.longestUncheckedRun) + " unchecked letters in a row (uk allows " +
                    std::to_string(maxRun) + ")";
        if (e.unchecked > allowed)
          problem += (problem.empty() ? "" : " and ") + std::to_string(e.unchecked) + " unchecked to " +
                     std::to_string(e.checked) + " checked (uk allows " + std::to_string(allowed) + ")";
        return problem;
      }
      case CheckStyle::Barred: {
        const int minPercent = std::clamp(options_.barredMinPercent, 0, 100);
        const int maxPercent = std::clamp(options_.barredMaxPercent, 0, 100);
        const int low = (minPercent * e.length + 99) / 100;
        const int high = std::min(maxPercent * e.length / 100 + 1, e.length);
        if (e.checked >= low && e.checked <= high) return {};
        const std::string wanted = low == high ? std::to_string(low)
                                   : low > high
                                       ? "at least " + std::to_string(low) + " and at most " + std::to_string(high)
                                       : std::to_string(low) + " to " + std::to_string(high);
        return std::to_string(e.checked) + " of " + std::to_string(e.length) + " letters checked (barred wants " +
               wanted + ")";
      }
      case CheckStyle::Automatic:
      case CheckStyle::None:
        break;
    }
    return {};
  }

  void CheckUnchecked() {
    for (const CheckedEntry& e : report_.entries) {
      std::string problem = UncheckedProblem(e);
      if (!problem.empty()) Add(CheckRule::Unchecked, EntryName(e) + " has " + problem, e.squares);
    }
  }

  bool InEntry(int col, int row) const { return inAcross_(col, row) != 0 || inDown_(col, row) != 0; }

  void CheckOrphans() {
    for (int row = 1; row <= V(); ++row)
      for (int col = 1; col <= H(); ++col)
        if (IsOpenSquare(d_, col, row) && !InEntry(col, row))
          Add(CheckRule::Orphan, "square " + Name(col, row) + " is in no entry", {{col, row}});
  }

  // Pieces of the squares that lie in entries, joined where an entry passes
  // from one square to the next; orphans are reported as such, not as pieces.
  void CheckSplit() {
    std::vector<std::vector<SquarePos>> pieces;
    SquareArray<std::uint8_t> seen;
    for (int row = 1; row <= V(); ++row) {
      for (int col = 1; col <= H(); ++col) {
        if (!InEntry(col, row) || seen(col, row) != 0) continue;
        std::vector<SquarePos> piece{{col, row}};
        seen(col, row) = 1;
        for (std::size_t i = 0; i < piece.size(); ++i) {
          const auto [c, r] = piece[i];
          const auto visit = [&](bool joined, int nc, int nr) {
            if (!joined || seen(nc, nr) != 0) return;
            seen(nc, nr) = 1;
            piece.push_back({nc, nr});
          };
          visit(JoinsAcross(d_, c, r), c + 1, r);
          visit(JoinsAcross(d_, c - 1, r), c - 1, r);
          visit(JoinsDown(d_, c, r), c, r + 1);
          visit(JoinsDown(d_, c, r - 1), c, r - 1);
        }
        pieces.push_back(std::move(piece));
      }
    }
    if (pieces.size() < 2) return;
    const auto main = std::max_element(pieces.begin(), pieces.end(),
                                       [](const auto& a, const auto& b) { return a.size() < b.size(); });
    const std::string mainText = " from the main piece of " + std::to_string(main->size()) + " squares at " +
                                 Name(main->front()) + " (" + std::to_string(pieces.size()) + " pieces in all)";
    for (auto it = pieces.begin(); it != pieces.end(); ++it) {
      if (it == main) continue;
      std::sort(it->begin(), it->end(), [](const SquarePos& a, const SquarePos& b) {
        return std::pair{a.row, a.col} < std::pair{b.row, b.col};
      });
      std::string text = "a piece of " + Plural(static_cast<int>(it->size()), "square", "squares") + " at " +
                         Name(it->front()) + " is cut off" + mainText;
      Add(CheckRule::Split, std::move(text), std::move(*it));
    }
  }

  bool Present(const MarkAt& m) const { return IsMarkSet(d_, m); }

  std::string Name(int col, int row) const { return SquareName(col, row, options_.squareNames); }
  std::string Name(const SquarePos& square) const { return SquareName(square, options_.squareNames); }

  std::string MarkText(const MarkAt& m) const {
    switch (m.kind) {
      case Mark::Block:
        return "block at " + Name(m.col, m.row);
      case Mark::HBar:
        return "bar below " + Name(m.col, m.row);
      case Mark::VBar:
        return "bar right of " + Name(m.col, m.row);
    }
    return {};
  }

  std::string JoinMarks(const std::vector<MarkAt>& marks) const {
    std::string out;
    for (std::size_t i = 0; i < marks.size(); ++i) out += (i == 0 ? "" : " and ") + MarkText(marks[i]);
    return out;
  }

  // One finding for each set of symmetric marks (a mark and its partners)
  // that is only partly there: it names the marks present and those missing.
  // The order goes to SymmetricPartners as the puzzle carries it, so an
  // order the menu does not offer (3, 999) reads as twofold, as the text
  // reader takes it, and one below 2 as none.
  void CheckSymmetry() {
    std::array<SquareArray<std::uint8_t>, 3> done;
    const auto doneAt = [&](const MarkAt& m) -> std::uint8_t& {
      return done[static_cast<std::size_t>(m.kind)](m.col, m.row);
    };
    std::vector<Mark> kinds;
    if (HasBlockKind(kind_)) kinds.push_back(Mark::Block);
    if (HasBarKind(kind_)) kinds.insert(kinds.end(), {Mark::HBar, Mark::VBar});
    for (int row = 1; row <= V(); ++row) {
      for (int col = 1; col <= H(); ++col) {
        for (Mark kind : kinds) {
          const MarkAt mark{kind, col, row};
          if (!Present(mark) || doneAt(mark) != 0) continue;
          std::vector<MarkAt> present{mark};
          std::vector<MarkAt> missing;
          doneAt(mark) = 1;
          for (const MarkAt& partner : SymmetricPartners(mark, p_.Symmetry, H(), V())) {
            doneAt(partner) = 1;
            (Present(partner) ? present : missing).push_back(partner);
          }
          if (missing.empty()) continue;
          std::vector<SquarePos> squares;
          for (const auto* list : {&present, &missing})
            for (const MarkAt& m : *list)
              if (std::find(squares.begin(), squares.end(), SquarePos{m.col, m.row}) == squares.end())
                squares.push_back({m.col, m.row});
          const bool one = present.size() == 1;
          Add(CheckRule::Asymmetric,
              JoinMarks(present) + (one ? " lacks its " : " lack their ") +
                  (missing.size() == 1 ? "partner, " : "partners, ") + JoinMarks(missing),
              std::move(squares));
        }
      }
    }
  }

  void CheckNumbering() {
    switch (NumberingKindOf(p_)) {
      case NumberingKind::Manual: CheckManualNumbers(); break;
      case NumberingKind::Auto: CheckAutomaticNumbers(); break;
      case NumberingKind::None: break;
    }
  }

  void CheckManualNumbers() {
    std::map<std::int32_t, std::vector<SquarePos>> used;
    std::vector<std::int32_t> order;  // numbers in order of first use
    for (int row = 1; row <= V(); ++row) {
      for (int col = 1; col <= H(); ++col) {
        const std::int32_t n = p_.Numbers(col, row);
        const bool starts = starts_(col, row) != 0;
        if (starts && n == 0)
          Add(CheckRule::Numbering, "square " + Name(col, row) + " starts an entry but has no number",
              {{col, row}});
        if (n == 0) continue;
        if (!starts)
          Add(CheckRule::Numbering, "number " + std::to_string(n) + " at " + Name(col, row) + " starts no entry",
              {{col, row}});
        auto& squares = used[n];
        if (squares.empty()) order.push_back(n);
        squares.push_back({col, row});
      }
    }
    for (std::int32_t n : order) {
      std::vector<SquarePos>& squares = used[n];
      if (squares.size() < 2) continue;
      std::string text = "number " + std::to_string(n) + " is used " + std::to_string(squares.size()) + " times, at " +
                         NamedSquares(squares, options_.squareNames);
      Add(CheckRule::Numbering, std::move(text), std::move(squares));
    }
  }

  // Numbers of an automatically numbered puzzle are compared square by
  // square with what automatic numbering gives for the diagram as it is now.
  void CheckAutomaticNumbers() {
    Puzzle fresh;
    fresh.HSquares = H();
    fresh.VSquares = V();
    fresh.Blocks = p_.Blocks;
    fresh.HBars = p_.HBars;
    fresh.VBars = p_.VBars;
    SetDiagramKind(fresh, DiagramKindOf(p_));
    NullGridView view;
    try {
      AutoNumber(fresh, view);
    } catch (const RangeError&) {
      // Only the entry lists overflow; every square is numbered by then.
    }
    std::vector<SquarePos> squares;
    std::string named;
    const auto numberText = [](std::int32_t n) { return n == 0 ? std::string("none") : std::to_string(n); };
    for (int row = 1; row <= V(); ++row) {
      for (int col = 1; col <= H(); ++col) {
        const std::int32_t now = fresh.Numbers(col, row);
        const std::int32_t had = p_.Numbers(col, row);
        if (now == had) continue;
        if (squares.size() < NamedLimit)
          named += (squares.empty() ? "" : "; ") + Name(col, row) + " has " + numberText(had) + ", now " +
                   numberText(now);
        squares.push_back({col, row});
      }
    }
    if (squares.empty()) return;
    if (squares.size() > NamedLimit) named += " and " + std::to_string(squares.size() - NamedLimit) + " more";
    std::string text = Plural(static_cast<int>(squares.size()), "square differs", "squares differ") +
                       " from the automatic numbering of the diagram as it is now: " + named;
    Add(CheckRule::Numbering, std::move(text), std::move(squares));
  }

  // The blank mark counts as no letter: it is what Space types over a
  // letter and what the reader leaves where an answer line runs short.
  void CheckSolution() {
    if (!p_.HasSolution) return;
    std::vector<SquarePos> empty;
    for (int row = 1; row <= V(); ++row)
      for (int col = 1; col <= H(); ++col) {
        const char ch = p_.Letters(col, row);
        if (IsOpenSquare(d_, col, row) && !(ch >= 'A' && ch <= 'Z')) empty.push_back({col, row});
      }
    if (empty.empty()) return;
    const int n = static_cast<int>(empty.size());
    std::string text = Plural(n, "open square has", "open squares have") + " no letter: " +
                       NamedSquares(empty, options_.squareNames);
    Add(CheckRule::Solution, std::move(text), std::move(empty));
  }

  void Summarise() {
    CheckSummary& s = report_.summary;
    for (const CheckedEntry& e : report_.entries) {
      ++(e.direction == EntryDirection::Across ? s.across : s.down);
      ++s.lengths[static_cast<std::size_t>(std::clamp(e.length, 0, MaxSide))];
      s.letters += e.length;
      s.checkedLetters += e.checked;
    }
    s.squares = H() * V();
    for (int row = 1; row <= V(); ++row)
      for (int col = 1; col <= H(); ++col) {
        s.blocks += d_.Blocks(col, row) != 0 ? 1 : 0;
        s.bars += (d_.HBars(col, row) != 0 ? 1 : 0) + (d_.VBars(col, row) != 0 ? 1 : 0);
      }
  }

  const Puzzle& p_;
  const CheckOptions& options_;
  const DiagramKind kind_;
  const Puzzle d_;
  SquareArray<std::uint8_t> inAcross_;
  SquareArray<std::uint8_t> inDown_;
  SquareArray<std::uint8_t> starts_;
  CheckReport report_;
};

}  // namespace

DiagramKind CheckedKind(const Puzzle& p) { return ReadKind(DiagramKindOf(p)); }

CheckStyle AppliedStyle(const Puzzle& p, const CheckOptions& options) {
  if (options.style != CheckStyle::Automatic) return options.style;
  return CheckedKind(p) == DiagramKind::Blocks ? CheckStyle::Uk : CheckStyle::Barred;
}

CheckReport CheckDiagram(const Puzzle& p, const CheckOptions& options) { return Checker(p, options).Run(); }

}  // namespace kven
