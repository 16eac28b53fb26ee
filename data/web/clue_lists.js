// The clue lists beside the grid: across and down, whose clues stand for
// entries, and any other lists the document had, shown as they are.
function clueItem(label, clue, enumeration) {
  const item = makeElement("li", "clue");
  item.appendChild(makeElement("span", "clue-num", label));
  const text = appendRich(makeElement("span", "clue-text"), clue);
  if (enumeration) text.appendChild(makeElement("span", "clue-enum", " " + enumeration));
  item.appendChild(text);
  return item;
}

function clueList(heading, items, className) {
  const section = makeElement("section", "clue-list " + className);
  const title = makeElement("h2", "", heading);
  section.appendChild(title);
  const list = makeElement("ol");
  for (const item of items) list.appendChild(item);
  section.appendChild(list);
  return section;
}

function buildClueLists(player) {
  const { data, board } = player;
  const lists = makeElement("div", "clues");
  for (const [direction, heading] of [["across", data.across], ["down", data.down]]) {
    const items = [];
    for (const entry of board.entries) {
      if (entry.direction !== direction) continue;
      const item = clueItem(entry.label, entry.clue, entry.enumeration);
      item.dataset.clue = entry.label + "-" + entry.direction;
      item.addEventListener("click", () => {
        if (player.paused) return;
        selectEntry(player, entry);
        player.chosen = true;
        focusGrid(player);
      });
      player.clueItems.set(entry.index, item);
      items.push(item);
    }
    if (items.length) lists.appendChild(clueList(heading, items, direction));
  }
  for (const other of data.lists || [])
    lists.appendChild(clueList(other.heading, other.clues.map((c) => clueItem(c.label, c.clue, c.enumeration)), "other"));
  return lists;
}

// Keeps the current clue in sight inside a list that scrolls on its own,
// without moving the page.
function scrollClueIntoList(item) {
  const box = item.closest(".clues");
  if (!box || box.scrollHeight <= box.clientHeight) return;
  const top = item.offsetTop;  // the list box is positioned: offsets are within it
  if (top < box.scrollTop) box.scrollTop = top;
  else if (top + item.offsetHeight > box.scrollTop + box.clientHeight)
    box.scrollTop = top + item.offsetHeight - box.clientHeight;
}
