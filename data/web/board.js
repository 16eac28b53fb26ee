// The grid: which squares are open, the entries that run over each square,
// the letters the solver has put in, and the squares as elements.
function squareKey(col, row) {
  return col + "," + row;
}

function otherDirection(direction) {
  return direction === "across" ? "down" : "across";
}

function entryName(entry) {
  return Texts.entryName(entry.label, entry.direction);
}

function makeBoard(data) {
  const board = {
    width: data.width,
    height: data.height,
    entries: data.entries.map((entry, index) => ({ ...entry, index, squares: [] })),
    at: new Map(),
    letters: new Map(),
    elements: new Map(),
    openSquares: [],
  };
  board.open = (col, row) =>
    col >= 1 && col <= data.width && row >= 1 && row <= data.height && data.rows[row - 1][col - 1] !== "#";
  for (let row = 1; row <= data.height; row++)
    for (let col = 1; col <= data.width; col++)
      if (board.open(col, row)) {
        board.openSquares.push([col, row]);
        board.at.set(squareKey(col, row), {});
      }
  for (const entry of board.entries) {
    for (let position = 0; position < entry.length; position++) {
      const col = entry.col + (entry.direction === "across" ? position : 0);
      const row = entry.row + (entry.direction === "down" ? position : 0);
      const square = board.at.get(squareKey(col, row));
      if (!square) break;
      entry.squares.push([col, row]);
      square[entry.direction] = { entry, position };
    }
  }
  return board;
}

// The entry of `direction` over the square, with the square's place in it.
function entryOf(board, col, row, direction) {
  const square = board.at.get(squareKey(col, row));
  return (square && square[direction]) || null;
}

function letterAt(board, col, row) {
  return board.letters.get(squareKey(col, row)) || "";
}

function squareElement(board, col, row) {
  return board.elements.get(squareKey(col, row));
}

// "12 across, square 3 of 5", for each entry over the square.
function squareLabel(board, col, row) {
  const names = [];
  for (const direction of ["across", "down"]) {
    const here = entryOf(board, col, row, direction);
    if (here) names.push(Texts.inEntry(entryName(here.entry), here.position + 1, here.entry.length));
  }
  return names.length ? names.join("; ") : Texts.alone(col, row);
}

// Puts a letter in (or "" to empty the square). A changed letter loses its
// check mark and its reveal mark; a revealed one gets the reveal mark.
function setLetter(board, col, row, letter, revealed = false) {
  const key = squareKey(col, row);
  const before = board.letters.get(key) || "";
  if (letter) board.letters.set(key, letter);
  else board.letters.delete(key);
  const element = board.elements.get(key);
  element.querySelector(".letter").textContent = letter;
  if (before !== letter) {
    element.classList.remove("wrong");
    element.classList.toggle("revealed", revealed && letter !== "");
  }
  return before !== letter;
}

function listedSquares(board, list, each) {
  for (const item of Array.isArray(list) ? list : []) {
    const element = board.elements.get(squareKey(item[0], item[1]));
    if (element) each(element, item);
  }
}

function buildGrid(board, data) {
  const grid = makeElement("div", "grid");
  grid.setAttribute("role", "grid");
  grid.setAttribute("aria-label", Texts.grid(data.width, data.height));
  for (let row = 1; row <= data.height; row++) {
    const line = makeElement("div", "row");
    line.setAttribute("role", "row");
    for (let col = 1; col <= data.width; col++) {
      const square = makeElement("div", "square");
      square.dataset.col = col;
      square.dataset.row = row;
      square.setAttribute("role", "gridcell");
      if (board.open(col, row)) {
        square.appendChild(makeElement("span", "num"));
        square.appendChild(makeElement("span", "letter"));
        square.setAttribute("aria-label", squareLabel(board, col, row));
        board.elements.set(squareKey(col, row), square);
      } else {
        square.classList.add("block");
        square.setAttribute("aria-label", Texts.block);
      }
      line.appendChild(square);
    }
    grid.appendChild(line);
  }
  const bars = data.bars || {};
  listedSquares(board, bars.right, (element) => element.classList.add("bar-right"));
  listedSquares(board, bars.below, (element) => element.classList.add("bar-below"));
  listedSquares(board, data.numbers, (element, item) => {
    element.querySelector(".num").textContent = String(item[2]);
  });
  listedSquares(board, data.circled, (element) => element.classList.add("circled"));
  listedSquares(board, data.shaded, (element, item) => {
    element.classList.add("shaded");
    if (/^#[0-9a-f]{6}$/i.test(item[2])) element.style.setProperty("--shade", item[2]);
  });
  return grid;
}
