// Clue and fact texts arrive as a tree of plain strings and a few tags
// (see RichTextJson in the writer); they are built node by node, never
// parsed as HTML, so nothing in a document can add markup of its own.
const RichTags = new Set(["i", "b", "sub", "sup", "br"]);

function appendRich(parent, nodes) {
  if (!Array.isArray(nodes)) return parent;
  for (const node of nodes) {
    if (typeof node === "string") {
      parent.appendChild(document.createTextNode(node));
    } else if (Array.isArray(node) && RichTags.has(node[0])) {
      const element = document.createElement(node[0]);
      if (node[0] !== "br") appendRich(element, node.slice(1));
      parent.appendChild(element);
    }
  }
  return parent;
}

function richIsEmpty(nodes) {
  return !Array.isArray(nodes) || nodes.length === 0;
}

// The text alone, for a label read out by a screen reader.
function richPlain(nodes) {
  if (!Array.isArray(nodes)) return "";
  return nodes.map((node) => (typeof node === "string" ? node : Array.isArray(node) ? (node[0] === "br" ? " " : richPlain(node.slice(1))) : "")).join("");
}

function makeElement(tag, className, text) {
  const element = document.createElement(tag);
  if (className) element.className = className;
  if (text !== undefined) element.textContent = text;
  return element;
}
