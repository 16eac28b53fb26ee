// Reads what kventool writes in each format with an outside reader
// (@xwordly/xword-parser) and compares it with what kventool read from the
// source: size, blocks, letters, clue texts and circled squares.
// Usage: node check.mjs KVENTOOL SCRATCH SOURCE... ; exit 0 all agree,
// 1 a difference, 77 when the outside reader is not installed.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';

let parse;
try {
  ({ parse } = await import('@xwordly/xword-parser'));
} catch {
  console.log('SKIPPED: @xwordly/xword-parser is not installed (npm ci in tests/outside)');
  process.exit(77);
}

const [kventool, scratch, ...sources] = process.argv.slice(2);
const formats = ['ipuz', 'puz', 'jpz', 'xd'];
// What each format carries of the circles, as the outside reader reads them.
const circlesRead = { ipuz: true, puz: true, jpz: true, xd: false };
// The outside reader's own ways, which the comparison allows for: it gives
// a .puz file's clues across first, then down, in the file's order (the
// format puts them by number); it reads version 2.0 texts as Latin-1; and
// it leaves out the text inside a .jpz clue's markup elements.
const byDirection = { ipuz: true, puz: false, jpz: true, xd: true };

// A clue text without markup of either kind: <i>..</i>, {/../}, entities.
const plain = (text) => (text ?? '')
  .replace(/<[^>]*>/g, '')
  .replace(/\{[/*_\-^~]|[/*_\-^~]\}/g, '')
  .replace(/&quot;/g, '"').replace(/&amp;/g, '&').replace(/&lt;/g, '<').replace(/&gt;/g, '>')
  .replace(/\s*\([\d,\- ]+\)$/, '')
  .trim();

// The clue texts of the source as markup, in the order of its ipuz document.
function markupTexts(source) {
  const doc = JSON.parse(execFileSync(kventool, ['ipuz', source], { stdio: ['ignore', 'pipe', 'ignore'] }));
  const text = (clue) => (Array.isArray(clue) ? clue[1] : typeof clue === 'object' ? clue.clue : clue) ?? '';
  const list = (key) => (doc.clues?.[key] ?? []).map(text).filter((t) => plain(t) !== '');
  return { doc, across: list('Across'), down: list('Down') };
}

// A .jpz clue as the outside reader gives it: without its elements' text.
const withoutElements = (markup) => plain(markup.replace(/\s*<(\w+)[^>]*>.*?<\/\1>\s*/g, ''));

function kven(file) {
  const decoded = JSON.parse(execFileSync(kventool, ['decode', file], { stdio: ['ignore', 'pipe', 'ignore'] }));
  const texts = execFileSync(kventool, ['clues', '--text', file], { stdio: ['ignore', 'pipe', 'ignore'] }).toString();
  const clues = { across: [], down: [] };
  for (const line of texts.split(/\r?\n/)) {
    const m = line.match(/^(\d+) (Across|Down)\. (.*) \([^)]*\)$/);
    if (m && plain(m[3]) !== '') clues[m[2].toLowerCase()].push(plain(m[3]));
  }
  const letters = decoded.letters.map((row) => row.replace(/[^A-Z]/g, '.'));
  return { width: decoded.size[0], height: decoded.size[1], blocks: decoded.blocks, letters, clues };
}

function outside(file, format) {
  const data = format === 'puz' ? fs.readFileSync(file) : fs.readFileSync(file, 'utf8');
  const p = parse(data, { filename: file });
  const blocks = [];
  const circles = [];
  const letters = p.grid.cells.map((row, y) => row.map((c, x) => {
    if (c.isBlack) blocks.push([x + 1, y + 1]);
    if (c.isCircled) circles.push([x + 1, y + 1]);
    return !c.isBlack && /^[A-Z]$/i.test(c.solution ?? '') ? c.solution.toUpperCase() : '.';
  }).join(''));
  const texts = (list) => list.map((c) => plain(c.text)).filter((t) => t !== '');
  return { width: p.grid.width, height: p.grid.height, blocks, letters, circles,
           clues: { across: texts(p.clues.across), down: texts(p.clues.down) } };
}

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const sorted = (list) => [...list].sort((a, b) => a[1] - b[1] || a[0] - b[0]);
let failures = 0;
let compared = 0;
for (const source of sources) {
  const want = kven(source);
  const markup = markupTexts(source);
  const circles = markup.doc.puzzle.flatMap((row, y) => row.flatMap((cell, x) =>
      cell && typeof cell === 'object' && cell.style && cell.style.shapebg === 'circle' ? [[x + 1, y + 1]] : []));
  for (const format of formats) {
    const file = path.join(scratch, `${path.basename(source)}.${format}`);
    try {
      execFileSync(kventool, [format, source, '-o', file], { stdio: 'ignore' });
    } catch {
      continue;  // a diagram the format cannot hold
    }
    let got;
    try {
      got = outside(file, format);
    } catch (error) {
      console.log(`FAIL ${source} as ${format}: the outside reader refused it: ${error.message}`);
      ++failures;
      continue;
    }
    ++compared;
    const expected = format === 'jpz'
      ? { across: markup.across.map(withoutElements), down: markup.down.map(withoutElements) }
      : want.clues;
    const latin1 = format !== 'puz' || fs.readFileSync(file).subarray(0x18, 0x1B).toString() !== '2.0';
    const clues = byDirection[format]
      ? same(got.clues.across, expected.across) && same(got.clues.down, expected.down)
      : same([...got.clues.across, ...got.clues.down].sort(), [...expected.across, ...expected.down].sort());
    const checks = {
      size: [got.width, got.height].join() === [want.width, want.height].join(),
      blocks: same(sorted(got.blocks), sorted(want.blocks)),
      letters: same(got.letters, want.letters),
      clues: !latin1 || clues,
      circles: !circlesRead[format] || same(sorted(got.circles), sorted(circles)),
    };
    const wrong = Object.keys(checks).filter((k) => !checks[k]);
    if (wrong.length > 0) {
      ++failures;
      console.log(`FAIL ${source} as ${format}: ${wrong.join(', ')}`);
      for (const k of wrong) console.log(`  ${k}: outside ${JSON.stringify(k === 'clues' ? got.clues : got[k])}`);
    }
  }
}
console.log(`${compared - failures} passed, ${failures} failed`);
process.exit(failures > 0 ? 1 : 0);
