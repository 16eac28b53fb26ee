#include "editing/solution_entry.h"

namespace kven {

namespace {

constexpr char BlankMark = ' ';

bool IsFilled(const Puzzle& p, int col, int row) { return IsLetterOrBlank(p.Letters(col, row)); }

bool CursorInGrid(const Puzzle& p, const EditorState& e) { return InGrid(p, e.CursorCol, e.CursorRow); }

// The letter a key stands for, or 0 when it enters nothing.
char EnteredChar(const KeyEvent& key) {
  if (key.key == Key::Space) return BlankMark;
  if (key.key != Key::Letter) return 0;
  if (key.letter >= 'A' && key.letter <= 'Z') return key.letter;
  if (key.letter >= 'a' && key.letter <= 'z') return static_cast<char>(key.letter - 'a' + 'A');
  return 0;
}

bool IsBarWidthKey(const KeyEvent& key) {
  return key.key == Key::Letter && (key.letter == 'B' || key.letter == 'b') && key.ctrl;
}

// One step in the cursor's direction, wrapping from the end of a row or
// column to the next one. Returns false for a direction that takes no step.
bool StepCursor(const Puzzle& p, EditorState& e) {
  switch (e.Direction) {
    case Direction::Right:
      if (++e.CursorCol > p.HSquares) {
        e.CursorCol = 1;
        ++e.CursorRow;
      }
      return true;
    case Direction::Down:
      if (++e.CursorRow > p.VSquares) {
        e.CursorRow = 1;
        ++e.CursorCol;
      }
      return true;
    case Direction::Left:
      if (--e.CursorCol < 1) {
        e.CursorCol = p.HSquares;
        --e.CursorRow;
      }
      return true;
    case Direction::Up:
      if (--e.CursorRow < 1) {
        e.CursorRow = p.VSquares;
        --e.CursorCol;
      }
      return true;
    default:
      return false;
  }
}

}  // namespace

void PlaceCursor(Puzzle& p, EditorState& e, GridView& view, int col, int row) {
  e.Direction = Direction::Right;
  if (CursorInGrid(p, e)) view.ClearLetterArea(e.CursorCol, e.CursorRow);
  e.CursorCol = col;
  e.CursorRow = row;
  if (CursorInGrid(p, e)) view.PaintCursorArrow(col, row, e.Direction);
}

void StartSolutionEntry(Puzzle& p, EditorState& e, GridView& view) {
  e.CursorCol = 1;
  e.CursorRow = 1;
  // Only blocks are passed over here; a row of blocks leaves the cursor just
  // right of the grid.
  while (InGrid(p, e.CursorCol, 1) && p.Blocks(e.CursorCol, 1) != 0) ++e.CursorCol;
  e.Direction = Direction::Right;
  if (CursorInGrid(p, e)) view.PaintCursorArrow(e.CursorCol, e.CursorRow, e.Direction);
}

void KvenGridKeyDown(Puzzle& p, EditorState& e, GridView& view, const KeyEvent& key) {
  if (key.alt || key.ctrl) return;
  switch (key.key) {
    case Key::Left:
      e.Direction = Direction::Left;
      break;
    case Key::Up:
      e.Direction = Direction::Up;
      break;
    case Key::Right:
      e.Direction = Direction::Right;
      break;
    case Key::Down:
      e.Direction = Direction::Down;
      break;
    default:
      break;
  }
  if (IsOpenSquare(p, e.CursorCol, e.CursorRow)) view.PaintCursorArrow(e.CursorCol, e.CursorRow, e.Direction);
}

void KvenGridKeyUp(Puzzle& p, EditorState& e, GridView& view, const KeyEvent& key) {
  if (IsBarWidthKey(key)) ChangeBarWidth(e, view, !key.shift);
  if (e.EntryMode != EntryMode::Solution || !CursorInGrid(p, e)) return;
  if (p.Blocks(e.CursorCol, e.CursorRow) != 0) {
    AdvanceCursor(p, e, view);
    if (!CursorInGrid(p, e)) return;
  }
  if (key.key == Key::Backspace) {
    BackUpCursor(p, e, view);
    return;
  }
  if (key.ctrl || key.alt) return;
  const char ch = EnteredChar(key);
  if (ch == 0) return;
  PaintLetter(p, view, e.CursorCol, e.CursorRow, ch);
  AdvanceCursor(p, e, view);
}

void AdvanceCursor(Puzzle& p, EditorState& e, GridView& view) {
  // Every step moves on in reading order (or its reverse), so the loop ends
  // at a free square or one step off the grid.
  while (StepCursor(p, e)) {
    if (!CursorInGrid(p, e)) break;
    if (p.Blocks(e.CursorCol, e.CursorRow) == 0 && !IsFilled(p, e.CursorCol, e.CursorRow)) break;
  }
  if (CursorInGrid(p, e)) view.PaintCursorArrow(e.CursorCol, e.CursorRow, e.Direction);
}

void BackUpCursor(Puzzle& p, EditorState& e, GridView& view) {
  for (;;) {
    if (--e.CursorCol < 1) {
      e.CursorCol = p.HSquares;
      --e.CursorRow;
    }
    // Backing off the first square leaves the cursor above the grid with
    // nothing blanked.
    if (!CursorInGrid(p, e)) return;
    if (p.Blocks(e.CursorCol, e.CursorRow) == 0) break;
  }
  PaintLetter(p, view, e.CursorCol, e.CursorRow, BlankMark);
}

void ClearLetters(Puzzle& p, EditorState& e, GridView& view) {
  for (int col = 1; col <= p.HSquares; ++col)
    for (int row = 1; row <= p.VSquares; ++row)
      if (IsOpenSquare(p, col, row)) PaintLetter(p, view, col, row, BlankMark);
  p.HasSolution = false;
  e.CursorCol = 1;
  e.CursorRow = 1;
}

void ChangeBarWidth(EditorState& e, GridView& view, bool thicker) {
  const int width = ClampBarWidth(static_cast<std::int64_t>(e.BarWidth) + (thicker ? 1 : -1));
  view.ChangeBarWidth(e.BarWidth, width);
  e.BarWidth = width;
}

}  // namespace kven
