// The solver's progress, kept in the browser for this puzzle alone: the
// letters, what was checked wrong or revealed, and the time taken.
function progressKey(player) {
  return "kven3-progress:" + player.data.id;
}

function squaresWith(player, className) {
  return player.board.openSquares.filter(([col, row]) =>
    squareElement(player.board, col, row).classList.contains(className));
}

function saveProgress(player) {
  const { board } = player;
  const rows = [];
  for (let row = 1; row <= board.height; row++) {
    let line = "";
    for (let col = 1; col <= board.width; col++) line += letterAt(board, col, row) || ".";
    rows.push(line);
  }
  const saved = {
    letters: rows,
    wrong: squaresWith(player, "wrong"),
    revealed: squaresWith(player, "revealed"),
    seconds: player.timer.seconds(),
  };
  try {
    localStorage.setItem(progressKey(player), JSON.stringify(saved));
  } catch (error) {
    // Storage switched off or full: the puzzle plays on without it.
  }
}

function forgetProgress(player) {
  try {
    localStorage.removeItem(progressKey(player));
  } catch (error) {
    // Nothing was kept.
  }
}

function loadProgress(player) {
  let saved = null;
  try {
    saved = JSON.parse(localStorage.getItem(progressKey(player)) || "null");
  } catch (error) {
    return false;
  }
  if (!saved || !Array.isArray(saved.letters)) return false;
  const { board } = player;
  for (const [col, row] of board.openSquares) {
    const line = saved.letters[row - 1];
    const letter = typeof line === "string" ? line.charAt(col - 1) : "";
    if (/^[A-Z]$/.test(letter)) setLetter(board, col, row, letter);
  }
  for (const [list, className] of [[saved.wrong, "wrong"], [saved.revealed, "revealed"]])
    listedSquares(board, list, (element, [col, row]) => {
      if (letterAt(board, col, row)) element.classList.add(className);
    });
  if (Number.isFinite(saved.seconds) && saved.seconds >= 0) player.timer.reset(saved.seconds * 1000);
  return true;
}
