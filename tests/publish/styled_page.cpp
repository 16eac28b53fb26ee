// Writes the web page of a puzzle with circled and shaded squares, which no
// input format brings yet: styled_page INPUT OUTPUT [--no-solution]. The
// squares on the diagonal from the top left are circled; the last row is
// shaded, its first open square in the program's grey, the others in
// #00a0ff.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "publish/web_page.h"
#include "read_puzzle.h"

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::cerr << "usage: styled_page INPUT OUTPUT [--no-solution]\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  kven::Puzzle p;
  const kven::TextRead read = kven::tool::ReadAsOpen(text.str(), p);
  if (!read.Read()) {
    std::cerr << "styled_page: " << read.message << "\n";
    return 1;
  }
  kven::SquareStyles styles = read.styles;
  for (int i = 1; i <= std::min(p.HSquares, p.VSquares); ++i) styles(i, i).circled = true;
  bool first = true;
  for (int col = 1; col <= p.HSquares; ++col) {
    if (!kven::IsOpenSquare(p, col, p.VSquares)) continue;
    kven::SquareStyle& style = styles(col, p.VSquares);
    style.shaded = true;
    style.hasColour = !first;
    style.colour = 0x00A0FF;
    first = false;
  }
  const kven::WebPageOptions options{!(argc > 3 && std::string(argv[3]) == "--no-solution")};
  std::ofstream(argv[2], std::ios::binary) << kven::PuzzlePage(p, read.clues, styles, options);
  return 0;
}
