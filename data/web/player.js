// The page itself: the facts, the grid with the current clue above it and
// the controls below, the clue lists; then the solver's progress back.
function buildFacts(data) {
  const header = makeElement("header", "facts");
  const title = appendRich(makeElement("h1", "title"), data.title);
  header.appendChild(title);
  for (const [key, tag] of [["author", "p"], ["copyright", "p"], ["intro", "div"], ["notes", "div"]])
    if (!richIsEmpty(data[key])) header.appendChild(appendRich(makeElement(tag, key), data[key]));
  return header;
}

function controlButton(player, text, action) {
  const button = makeElement("button", "", text);
  button.type = "button";
  button.addEventListener("click", () => action(player));
  return button;
}

function buildControls(player) {
  const controls = makeElement("div", "controls");
  controls.setAttribute("role", "toolbar");
  controls.setAttribute("aria-label", Texts.controls);
  const clock = makeElement("span", "timer");
  clock.setAttribute("aria-label", Texts.timer);
  clock.setAttribute("role", "timer");
  player.timer = makeTimer(clock, (seconds) => {
    if (seconds % 5 === 0) saveProgress(player);
  });
  player.pauseButton = controlButton(player, Texts.pause, () => setPaused(player, !player.paused));
  const time = makeElement("span", "group");
  time.append(clock, player.pauseButton);
  controls.appendChild(time);
  const groups = [];
  if (player.data.solution)
    groups.push(
      [
        [Texts.checkLetter, (p) => checkSquares(p, "letter")],
        [Texts.checkWord, (p) => checkSquares(p, "word")],
        [Texts.checkPuzzle, (p) => checkSquares(p, "puzzle")],
      ],
      [
        [Texts.revealLetter, (p) => revealSquares(p, "letter")],
        [Texts.revealWord, (p) => revealSquares(p, "word")],
        [Texts.revealPuzzle, (p) => revealSquares(p, "puzzle")],
      ],
    );
  groups.push([[Texts.clear, clearPuzzle]]);
  for (const actions of groups) {
    const group = makeElement("span", "group");
    for (const [text, action] of actions) {
      const button = controlButton(player, text, action);
      player.solvingButtons.push(button);
      group.appendChild(button);
    }
    controls.appendChild(group);
  }
  player.firstControl = player.pauseButton;
  return controls;
}

function buildBoardSection(player) {
  const section = makeElement("section", "board");
  player.currentClue = makeElement("div", "current-clue");
  player.currentClue.setAttribute("aria-hidden", "true");
  section.appendChild(player.currentClue);

  const wrap = makeElement("div", "grid-wrap");
  const grid = buildGrid(player.board, player.data);
  grid.addEventListener("click", (event) => {
    const square = event.target.closest(".square");
    if (!square || square.classList.contains("block") || player.paused) return;
    clickSquare(player, Number(square.dataset.col), Number(square.dataset.row));
    focusGrid(player);
  });
  player.input = makeKeyInput(player);
  player.cover = makeElement("div", "pause-cover");
  player.cover.hidden = true;
  player.cover.appendChild(makeElement("p", "", Texts.paused));
  player.cover.appendChild(controlButton(player, Texts.resume, () => setPaused(player, false)));
  wrap.append(grid, player.input, player.cover);
  player.wrap = wrap;
  section.appendChild(wrap);

  player.message = makeElement("p", "message");
  player.message.setAttribute("role", "status");
  section.appendChild(player.message);
  player.announcer = makeElement("p", "announcer");
  player.announcer.setAttribute("aria-live", "polite");
  section.appendChild(player.announcer);
  section.appendChild(makeElement("p", "hint", Texts.hint));
  return section;
}

function startPlayer() {
  const data = JSON.parse(document.getElementById("puzzle-data").textContent);
  const player = {
    data,
    board: makeBoard(data),
    clueItems: new Map(),
    marked: [],
    solvingButtons: [],
    paused: false,
    solved: false,
    chosen: false,  // whether the solver has chosen a square yet
    judged: 0,
  };
  player.cursor = startCursor(player.board);
  const root = document.getElementById("puzzle");
  root.replaceChildren(buildFacts(data));
  const play = makeElement("div", "play");
  play.style.setProperty("--cols", data.width);
  // The grid comes first for the keyboard and screen readers; the style
  // sheet shows the controls above it where there is room.
  play.append(buildBoardSection(player), buildControls(player), buildClueLists(player));
  root.appendChild(play);

  if (loadProgress(player)) judgeGrid(player);
  showCursor(player);
  updateClock(player);
  document.addEventListener("visibilitychange", () => {
    updateClock(player);
    saveProgress(player);
  });
  window.addEventListener("pagehide", () => saveProgress(player));
  // The input follows its square when the grid changes size.
  window.addEventListener("resize", () => showCursor(player));
}

startPlayer();
