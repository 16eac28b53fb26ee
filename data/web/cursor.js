// Where the solver is: a square and a direction, the entry they make, and
// the moves clicks and keys make.
function startCursor(board) {
  const first = board.entries[0];
  if (first) return { col: first.col, row: first.row, direction: first.direction };
  const [col, row] = board.openSquares[0] || [1, 1];
  return { col, row, direction: "across" };
}

// The entry the cursor is in, with the square's place in it: the one of
// its direction, else the other one over the square; none for a square in
// no entry.
function currentEntry(player) {
  const { col, row, direction } = player.cursor;
  return entryOf(player.board, col, row, direction) || entryOf(player.board, col, row, otherDirection(direction));
}

function placeCursor(player, col, row, direction = player.cursor.direction) {
  const board = player.board;
  if (!board.open(col, row)) return;
  if (!entryOf(board, col, row, direction) && entryOf(board, col, row, otherDirection(direction)))
    direction = otherDirection(direction);
  player.cursor = { col, row, direction };
  showCursor(player);
}

// A second click on the cursor's square turns it to the other entry; the
// first click on the square the page starts on only chooses it.
function clickSquare(player, col, row) {
  const { cursor } = player;
  if (player.chosen && cursor.col === col && cursor.row === row) turnCursor(player);
  else placeCursor(player, col, row);
  player.chosen = true;
}

function turnCursor(player) {
  const { col, row, direction } = player.cursor;
  const other = otherDirection(direction);
  if (entryOf(player.board, col, row, other)) placeCursor(player, col, row, other);
}

// One square on within the entry (back for -1); false at its end.
function stepInEntry(player, step) {
  const here = currentEntry(player);
  if (!here) return false;
  const position = here.position + step;
  if (position < 0 || position >= here.entry.squares.length) return false;
  const [col, row] = here.entry.squares[position];
  player.cursor = { col, row, direction: here.entry.direction };
  showCursor(player);
  return true;
}

function toEntryEnd(player, last) {
  const here = currentEntry(player);
  if (!here) return;
  const [col, row] = here.entry.squares[last ? here.entry.squares.length - 1 : 0];
  placeCursor(player, col, row, here.entry.direction);
}

// An arrow: to the next open square that way, over blocks, turning the
// cursor to the arrow's direction where the square has an entry that way;
// at the edge of the grid it only turns.
function moveCursor(player, dx, dy) {
  const board = player.board;
  const direction = dx !== 0 ? "across" : "down";
  let col = player.cursor.col + dx;
  let row = player.cursor.row + dy;
  while (col >= 1 && col <= board.width && row >= 1 && row <= board.height && !board.open(col, row)) {
    col += dx;
    row += dy;
  }
  if (board.open(col, row)) placeCursor(player, col, row, direction);
  else placeCursor(player, player.cursor.col, player.cursor.row, direction);
}

// Tab and Shift+Tab: the next or previous entry in clue-list order.
function jumpEntry(player, step) {
  const entries = player.board.entries;
  if (!entries.length) return;
  const here = currentEntry(player);
  const index = here ? (here.entry.index + step + entries.length) % entries.length : 0;
  selectEntry(player, entries[index]);
}

// An entry chosen as a whole: its first empty square, else its first.
function selectEntry(player, entry) {
  const empty = entry.squares.find(([col, row]) => !letterAt(player.board, col, row));
  const [col, row] = empty || entry.squares[0];
  player.cursor = { col, row, direction: entry.direction };
  showCursor(player);
}

function showCurrentClue(player, here) {
  const bar = player.currentClue;
  bar.replaceChildren();
  if (!here) return;
  const entry = here.entry;
  bar.appendChild(makeElement("span", "current-name", entryName(entry)));
  bar.appendChild(document.createTextNode(" "));
  const text = appendRich(makeElement("span", "current-text"), entry.clue);
  if (entry.enumeration) text.appendChild(makeElement("span", "clue-enum", " " + entry.enumeration));
  bar.appendChild(text);
}

// Marks the cursor's square, its entry and its clue, shows the clue above
// the grid, and brings the keyboard's input to the square.
function showCursor(player) {
  const { board, cursor } = player;
  for (const element of player.marked) element.classList.remove("current", "cursor");
  player.marked = [];
  const mark = (element, ...classes) => {
    element.classList.add(...classes);
    player.marked.push(element);
  };
  const here = currentEntry(player);
  if (here) {
    for (const [col, row] of here.entry.squares) mark(squareElement(board, col, row), "current");
    const item = player.clueItems.get(here.entry.index);
    if (item) {
      mark(item, "current");
      scrollClueIntoList(item);
    }
  }
  const square = squareElement(board, cursor.col, cursor.row);
  if (!square) return;
  mark(square, "cursor");
  showCurrentClue(player, here);
  const input = player.input;
  input.style.left = square.offsetLeft + "px";
  input.style.top = square.offsetTop + "px";
  input.style.width = square.offsetWidth + "px";
  input.style.height = square.offsetHeight + "px";
  const letter = letterAt(board, cursor.col, cursor.row) || Texts.empty;
  const label = squareLabel(board, cursor.col, cursor.row) + ", " + letter;
  input.setAttribute("aria-label", here ? label + ": " + richPlain(here.entry.clue) : label);
  player.announcer.textContent = label;
}
