// Feeds arbitrary bytes as KVEN text through the reader, the diagram check,
// the writer and the clue list, and checks what must hold for every input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check/check_diagram.h"
#include "check/check_text.h"
#include "puzzle_invariants.h"
#include "read_puzzle.h"
#include "text/clue_list.h"
#include "text/encoder.h"
#include "text/text_lines.h"

namespace {

// What every puzzle the KVEN reader leaves keeps, a text it stopped in
// too (which the invariants of an import need not hold for).
void CheckAnyRead(const kven::Puzzle& p) {
  Check(p.HSquares >= 5 && p.HSquares <= 30 && p.VSquares >= 5 && p.VSquares <= 30, "size within 5..30");
  Check(p.AcrossCount >= 0 && p.AcrossCount <= kven::MaxEntries && p.DownCount >= 0 && p.DownCount <= kven::MaxEntries,
        "counts within the lists");
  Check(p.Title.size() <= 255, "title <= 255");
  for (int c = 1; c <= 30; ++c) {
    for (int r = 1; r <= 30; ++r) {
      Check(p.Blocks(c, r) <= 1 && p.HBars(c, r) <= 1 && p.VBars(c, r) <= 1, "flags are 0 or 1");
      const char l = p.Letters(c, r);
      Check(l == '.' || kven::IsLetterOrBlank(l), "letters are '.', blank or A..Z");
    }
  }
}

// Whether the language can carry this puzzle, so that it must read back.
bool Representable(const kven::Puzzle& p) {
  if (!kven::IsKnownSymmetry(p.Symmetry)) return false;
  if (p.BlockDiagram == p.BarDiagram) return false;
  if (p.BarDiagram && p.Symmetry == 4 && p.HSquares != p.VSquares) return false;
  if (p.Title.size() > 251) return false;
  if (p.Title.find('\r') != std::string::npos || p.Title.find('\n') != std::string::npos) return false;
  if (p.AutoNumbered && !p.ManualNumbered &&
      (p.Title.find("MN") != std::string::npos || p.Title.find("NN") != std::string::npos))
    return false;
  for (int c = 1; c <= p.HSquares; ++c) {
    for (int r = 1; r <= p.VSquares; ++r) {
      if (p.ManualNumbered && (p.Numbers(c, r) < 0 || p.Numbers(c, r) > 999)) return false;
      if (r == p.VSquares && p.HBars(c, r)) return false;  // bars on the border
      if (c == p.HSquares && p.VBars(c, r)) return false;
    }
  }
  return true;
}

// Every line is short, and every square number of the BLK, HBR and VBR lists
// names a square of the puzzle.
void CheckEncoded(const kven::Puzzle& p, const kven::TextLineList& text) {
  for (const std::string& line : text) Check(line.size() <= 255, "built line <= 255");
  std::size_t i = 1;
  const auto checkList = [&] {
    for (; i < text.size(); ++i) {
      const std::string& line = text[i];
      long value = -1;
      for (std::size_t k = 0; k <= line.size(); ++k) {
        const char ch = k < line.size() ? line[k] : ' ';
        if (ch >= '0' && ch <= '9') {
          value = (value < 0 ? 0 : value * 10) + (ch - '0');
          Check(value <= 900, "square number within 1..H*V");
        } else if (value >= 0) {
          Check(value >= 1 && value <= p.HSquares * p.VSquares, "square number within 1..H*V");
          value = -1;
        }
      }
      if (!line.empty() && line.back() == 'Z') {
        ++i;
        return;
      }
    }
    Fail("square list without its Z");
  };
  if (p.BlockDiagram || !p.BarDiagram) checkList();
  if (p.BarDiagram) {
    checkList();
    checkList();
  }
}

void CheckSame(const kven::Puzzle& a, const kven::Puzzle& b) {
  Check(a.HSquares == b.HSquares && a.VSquares == b.VSquares && a.Symmetry == b.Symmetry, "header reads back");
  Check(a.BlockDiagram == b.BlockDiagram && a.BarDiagram == b.BarDiagram, "kind reads back");
  Check(a.Title == b.Title, "title reads back");
  Check(a.ManualNumbered == b.ManualNumbered, "manual numbering reads back");
  for (int c = 1; c <= a.HSquares; ++c) {
    for (int r = 1; r <= a.VSquares; ++r) {
      Check(a.Blocks(c, r) == b.Blocks(c, r), "blocks read back");
      Check(a.HBars(c, r) == b.HBars(c, r), "horizontal bars read back");
      Check(a.VBars(c, r) == b.VBars(c, r), "vertical bars read back");
      if (a.AutoNumbered || a.ManualNumbered) Check(a.Numbers(c, r) == b.Numbers(c, r), "numbers read back");
      if (a.HasSolution) Check(a.Letters(c, r) == b.Letters(c, r), "letters read back");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kven::Puzzle p;
  const bool decoded = kven::tool::ReadAsOpen(std::string(reinterpret_cast<const char*>(data), size), p).Read();
  CheckAnyRead(p);

  // The diagram check reads every puzzle the reader can leave.
  const kven::CheckReport report = kven::CheckDiagram(p);
  for (const std::string& line : kven::CheckReportLines(report)) Check(line.size() <= 255, "check line <= 255");
  for (const kven::Finding& finding : report.findings)
    for (const kven::SquarePos& at : finding.squares)
      Check(kven::InGrid(p, at.col, at.row), "a finding's squares lie in the grid");

  const kven::TextLineList text = kven::EncodeText(p);
  CheckEncoded(p, text);
  for (const std::string& line : kven::BuildClueList(p)) Check(line.size() <= 255, "clue line <= 255");

  if (decoded && Representable(p)) {
    kven::Puzzle again;
    Check(kven::tool::ReadAsOpen(kven::JoinLinesCrLf(text), again).Read(), "encoded text decodes");
    CheckSame(p, again);
  }
  return 0;
}
