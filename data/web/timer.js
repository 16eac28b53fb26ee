// The time taken: it runs while the page is in sight, the puzzle is not
// paused and not yet solved.
function formatTime(seconds) {
  const h = Math.floor(seconds / 3600);
  const m = Math.floor((seconds % 3600) / 60);
  const s = String(seconds % 60).padStart(2, "0");
  return h > 0 ? `${h}:${String(m).padStart(2, "0")}:${s}` : `${m}:${s}`;
}

function makeTimer(display, onSecond) {
  let kept = 0;
  let since = null;
  let ticking = null;
  const show = () => {
    display.textContent = formatTime(timer.seconds());
  };
  const timer = {
    seconds: () => Math.floor((kept + (since === null ? 0 : performance.now() - since)) / 1000),
    running: () => since !== null,
    start() {
      if (since !== null) return;
      since = performance.now();
      ticking = setInterval(() => {
        show();
        onSecond(timer.seconds());
      }, 1000);
    },
    stop() {
      if (since === null) return;
      kept += performance.now() - since;
      since = null;
      clearInterval(ticking);
      show();
    },
    reset(milliseconds) {
      kept = milliseconds;
      if (since !== null) since = performance.now();
      show();
    },
  };
  show();
  return timer;
}

function updateClock(player) {
  const run = !player.paused && !player.solved && document.visibilityState !== "hidden";
  if (run) player.timer.start();
  else player.timer.stop();
}

function setPaused(player, paused) {
  player.paused = paused;
  player.wrap.classList.toggle("paused", paused);
  player.cover.hidden = !paused;
  player.pauseButton.textContent = paused ? Texts.resume : Texts.pause;
  player.pauseButton.setAttribute("aria-pressed", String(paused));
  for (const button of player.solvingButtons) button.disabled = paused;
  updateClock(player);
  saveProgress(player);
  if (!paused) focusGrid(player);
}
