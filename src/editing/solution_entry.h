#pragma once

#include "model/puzzle.h"

namespace kven {

// A keyboard key, independent of the toolkit.
enum class Key { Letter, Space, Backspace, Left, Up, Right, Down, Other };

struct KeyEvent {
  Key key = Key::Other;
  char letter = 0;  // 'A'..'Z' when key is Letter (upper case whatever Shift says)
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Moves the cursor to square (col, row) with direction right, wiping the arrow
// in the old cursor square and drawing it in the new one.
void PlaceCursor(Puzzle& p, EditorState& e, GridView& view, int col, int row);

// Entry > Solution: the cursor goes to the first unblocked square of row 1,
// pointing across.
void StartSolutionEntry(Puzzle& p, EditorState& e, GridView& view);

void KvenGridKeyDown(Puzzle& p, EditorState& e, GridView& view, const KeyEvent& key);
void KvenGridKeyUp(Puzzle& p, EditorState& e, GridView& view, const KeyEvent& key);

void AdvanceCursor(Puzzle& p, EditorState& e, GridView& view);
void BackUpCursor(Puzzle& p, EditorState& e, GridView& view);
// Edit > Clear: every open square gets the blank mark; HasSolution is cleared.
void ClearLetters(Puzzle& p, EditorState& e, GridView& view);

// The bar thickness command: the new width is clamped to 1..6; the view is
// told the old and the new width before BarWidth changes.
void ChangeBarWidth(EditorState& e, GridView& view, bool thicker);

}  // namespace kven
