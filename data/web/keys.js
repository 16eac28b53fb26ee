// Typing. The keys reach a text input that lies over the cursor's square,
// so that a phone opens its keyboard for it; a desktop's keys are read as
// they are pressed, a phone keyboard's from what it would have written.
const Placeholder = " ";

function typeLetter(player, letter) {
  const { col, row } = player.cursor;
  if (!player.board.open(col, row)) return;
  const changed = setLetter(player.board, col, row, letter);
  stepInEntry(player, 1) || showCursor(player);
  if (changed) afterChange(player);
}

// Backspace empties the square and steps back; on an empty square it steps
// back first and empties the one before.
function eraseBack(player) {
  const { col, row } = player.cursor;
  if (!letterAt(player.board, col, row)) {
    if (!stepInEntry(player, -1)) return;
    const back = player.cursor;
    if (setLetter(player.board, back.col, back.row, "")) afterChange(player);
    showCursor(player);
    return;
  }
  setLetter(player.board, col, row, "");
  stepInEntry(player, -1) || showCursor(player);
  afterChange(player);
}

function eraseHere(player) {
  const { col, row } = player.cursor;
  if (setLetter(player.board, col, row, "")) afterChange(player);
  showCursor(player);
}

const KeyMoves = {
  ArrowLeft: (player) => moveCursor(player, -1, 0),
  ArrowRight: (player) => moveCursor(player, 1, 0),
  ArrowUp: (player) => moveCursor(player, 0, -1),
  ArrowDown: (player) => moveCursor(player, 0, 1),
  Home: (player) => toEntryEnd(player, false),
  End: (player) => toEntryEnd(player, true),
  " ": (player) => turnCursor(player),
  Backspace: eraseBack,
  Delete: eraseHere,
  Escape: (player) => player.firstControl && player.firstControl.focus(),
};

function onKeyDown(player, event) {
  if (event.ctrlKey || event.metaKey || event.altKey || player.paused) return;
  if (event.key === "Tab") {
    jumpEntry(player, event.shiftKey ? -1 : 1);
  } else if (KeyMoves[event.key]) {
    KeyMoves[event.key](player);
  } else if (/^[a-z]$/i.test(event.key)) {
    typeLetter(player, event.key.toUpperCase());
  } else {
    return;
  }
  player.chosen = true;
  event.preventDefault();
}

// What a phone keyboard sends without a key of its own: the text it would
// insert, or a deletion.
function onBeforeInput(player, event) {
  if (player.paused) return;
  if (event.inputType === "insertText" && event.data) {
    const letters = event.data.match(/[a-z]/gi);
    if (letters) typeLetter(player, letters[letters.length - 1].toUpperCase());
  } else if (event.inputType.startsWith("delete")) {
    eraseBack(player);
  } else {
    return;
  }
  event.preventDefault();
}

// Keyboards that compose their text cannot be stopped before it is
// written: what was written is read and the input set back.
function onInput(player) {
  const input = player.input;
  const value = input.value;
  resetInput(input);
  if (player.paused) return;
  if (value.length < Placeholder.length) {
    eraseBack(player);
    return;
  }
  const letters = value.match(/[a-z]/gi);
  if (letters) typeLetter(player, letters[letters.length - 1].toUpperCase());
}

function resetInput(input) {
  input.value = Placeholder;
  if (document.activeElement === input) input.setSelectionRange(Placeholder.length, Placeholder.length);
}

function makeKeyInput(player) {
  const input = makeElement("input", "keys");
  input.type = "text";
  input.autocomplete = "off";
  input.spellcheck = false;
  for (const [name, value] of [["autocapitalize", "characters"], ["autocorrect", "off"], ["enterkeyhint", "next"]])
    input.setAttribute(name, value);
  input.addEventListener("keydown", (event) => onKeyDown(player, event));
  input.addEventListener("beforeinput", (event) => onBeforeInput(player, event));
  input.addEventListener("input", () => onInput(player));
  input.addEventListener("focus", () => resetInput(input));
  resetInput(input);
  return input;
}

function focusGrid(player) {
  player.input.focus({ preventScroll: true });
}
