// Check, Reveal, Clear, and telling a full grid is solved: against the
// answers when the page has them, else against the digest of the whole
// grid, which no single letter can be tried against.
function answerAt(player, col, row) {
  return player.data.solution[row - 1].charAt(col - 1);
}

function squaresOf(player, scope) {
  const { col, row } = player.cursor;
  if (scope === "letter") return player.board.open(col, row) ? [[col, row]] : [];
  if (scope === "word") {
    const here = currentEntry(player);
    return here ? here.entry.squares : squaresOf(player, "letter");
  }
  return player.board.openSquares;
}

function checkSquares(player, scope) {
  for (const [col, row] of squaresOf(player, scope)) {
    const letter = letterAt(player.board, col, row);
    if (letter && letter !== answerAt(player, col, row)) squareElement(player.board, col, row).classList.add("wrong");
  }
  saveProgress(player);
  focusGrid(player);
}

function revealSquares(player, scope) {
  let changed = false;
  for (const [col, row] of squaresOf(player, scope)) {
    const answer = answerAt(player, col, row);
    if (letterAt(player.board, col, row) !== answer) changed = setLetter(player.board, col, row, answer, true) || changed;
  }
  showCursor(player);
  if (changed) afterChange(player);
  focusGrid(player);
}

function clearPuzzle(player) {
  for (const [col, row] of player.board.openSquares) {
    setLetter(player.board, col, row, "");
    squareElement(player.board, col, row).classList.remove("wrong", "revealed");
  }
  forgetProgress(player);
  player.timer.reset(0);
  setSolved(player, false, "");
  showCursor(player);
  focusGrid(player);
}

function gridLetters(player) {
  return player.board.openSquares.map(([col, row]) => letterAt(player.board, col, row)).join("");
}

async function digestOf(text) {
  if (!(window.crypto && crypto.subtle)) return sha256Hex(text);
  const bytes = await crypto.subtle.digest("SHA-256", new TextEncoder().encode(text));
  return Array.from(new Uint8Array(bytes), (b) => b.toString(16).padStart(2, "0")).join("");
}

function setSolved(player, solved, message) {
  player.solved = solved;
  player.message.textContent = message;
  player.message.classList.toggle("solved", solved);
  updateClock(player);
}

function solvedMessage(player) {
  player.timer.stop();
  const time = formatTime(player.timer.seconds());
  const revealed = squaresWith(player, "revealed").length;
  return revealed ? Texts.solvedRevealed(time, revealed) : Texts.solved(time);
}

// Whether the grid is solved, after every change of a letter.
function judgeGrid(player) {
  const letters = gridLetters(player);
  const asked = ++player.judged;
  if (letters.length < player.board.openSquares.length) {
    setSolved(player, false, "");
    return;
  }
  const { data } = player;
  if (data.solution) {
    const right = player.board.openSquares.every(([col, row]) => letterAt(player.board, col, row) === answerAt(player, col, row));
    setSolved(player, right, right ? solvedMessage(player) : Texts.notYet);
    return;
  }
  if (!data.digest) return;
  digestOf(data.id + ":" + letters).then((digest) => {
    // A later change has been judged meanwhile.
    if (asked !== player.judged) return;
    const right = digest === data.digest;
    setSolved(player, right, right ? solvedMessage(player) : Texts.notYet);
  });
}

function afterChange(player) {
  judgeGrid(player);
  saveProgress(player);
}
