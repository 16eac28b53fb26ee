#!/usr/bin/env python3
"""Builds the benchmark grids as KVEN texts (blocks or bars listed whole,
no symmetry code so the reader adds nothing): random twofold-symmetric
diagrams under each style's rules, from a fixed seed, so the set is the same
on every run."""
import random
import sys


def runs(line):
    out, start = [], None
    for i, open_ in enumerate(line + [False]):
        if open_ and start is None:
            start = i
        elif not open_ and start is not None:
            out.append((start, i - start))
            start = None
    return out


def block_runs(grid, n):
    across = [runs([not grid[r][c] for c in range(n)]) for r in range(n)]
    down = [runs([not grid[r][c] for r in range(n)]) for c in range(n)]
    return across, down


def connected(grid, n):
    cells = [(r, c) for r in range(n) for c in range(n) if not grid[r][c]]
    seen, todo = {cells[0]}, [cells[0]]
    while todo:
        r, c = todo.pop()
        for rr, cc in ((r + 1, c), (r - 1, c), (r, c + 1), (r, c - 1)):
            if 0 <= rr < n and 0 <= cc < n and not grid[rr][cc] and (rr, cc) not in seen:
                seen.add((rr, cc))
                todo.append((rr, cc))
    return len(seen) == len(cells)


def american(rng, n, blocks, entries):
    while True:
        grid = [[False] * n for _ in range(n)]
        placed = 0
        tries = 0
        while placed < blocks and tries < 4000:
            tries += 1
            r, c = rng.randrange(n), rng.randrange(n)
            if grid[r][c]:
                continue
            grid[r][c] = grid[n - 1 - r][n - 1 - c] = True
            across, down = block_runs(grid, n)
            ok = all(3 <= length <= 15 for line in across + down for _, length in line)
            # Every open square crossed both ways: no run shorter than 3 anywhere.
            if not ok or not connected(grid, n):
                grid[r][c] = grid[n - 1 - r][n - 1 - c] = False
                continue
            placed = sum(map(sum, grid))
        across, down = block_runs(grid, n)
        count = sum(len(l) for l in across + down)
        if placed >= blocks and abs(count - entries) <= 2:
            return grid


def british(rng, n, extra):
    while True:
        grid = [[r % 2 == 1 and c % 2 == 1 for c in range(n)] for r in range(n)]
        spots = [(r, c) for r in range(n) for c in range(n) if (r % 2) != (c % 2)]
        rng.shuffle(spots)
        added = 0
        for r, c in spots:
            if added >= extra:
                break
            if grid[r][c]:
                continue
            grid[r][c] = grid[n - 1 - r][n - 1 - c] = True
            across, down = block_runs(grid, n)
            lines = [l for l in across + down]
            ok = all(length == 1 or length >= 4 for line in lines for _, length in line)
            # No open square left out of both directions' entries.
            if ok:
                for rr in range(n):
                    for cc in range(n):
                        if grid[rr][cc]:
                            continue
                        a = any(s <= cc < s + l and l >= 2 for s, l in across[rr])
                        d = any(s <= rr < s + l and l >= 2 for s, l in down[cc])
                        ok = ok and (a or d)
            if not ok or not connected(grid, n):
                grid[r][c] = grid[n - 1 - r][n - 1 - c] = False
                continue
            added += 2
        if added >= extra:
            return grid


def barred(rng, n, entries, unchecked):
    best = None
    for _ in range(6000):
        hb = [[False] * n for _ in range(n)]  # bar below [r][c]
        vb = [[False] * n for _ in range(n)]  # bar right of [r][c]
        for _ in range(rng.randrange(24, 44)):
            r, c = rng.randrange(n), rng.randrange(n - 1)
            if rng.random() < 0.5:
                vb[r][c] = vb[n - 1 - r][n - 2 - c] = True
            else:
                hb[c][r] = hb[n - 2 - c][n - 1 - r] = True
        across = []
        for r in range(n):
            cuts = [c + 1 for c in range(n - 1) if vb[r][c]]
            across.append(list(zip([0] + cuts, [b - a for a, b in zip([0] + cuts, cuts + [n])])))
        down = []
        for c in range(n):
            cuts = [r + 1 for r in range(n - 1) if hb[r][c]]
            down.append(list(zip([0] + cuts, [b - a for a, b in zip([0] + cuts, cuts + [n])])))
        if any(l == 2 or l > 10 for line in across + down for _, l in line):
            continue
        ok, free = True, 0
        for r in range(n):
            for c in range(n):
                a = any(s <= c < s + l and l >= 3 for s, l in across[r])
                d = any(s <= r < s + l and l >= 3 for s, l in down[c])
                ok = ok and (a or d)
                free += (a != d)
        count = sum(1 for line in across + down for _, l in line if l >= 3)
        if not ok:
            continue
        score = abs(count - entries) + abs(free - unchecked) / 4
        if best is None or score < best[0]:
            best = (score, hb, vb)
    return best[1], best[2]


def block_text(grid, n, title, rows=None):
    numbers = [r * n + c + 1 for r in range(n) for c in range(n) if grid[r][c]]
    lines = ["KVEN 0 %d %d" % (n, n), "BLK " + " ".join(map(str, numbers)) + " Z", "TTL " + title]
    if rows:
        lines.append("ANS")
        lines += rows
    return "\r\n".join(lines) + "\r\n"


def bar_text(hb, vb, n, title):
    h = [r * n + c + 1 for r in range(n) for c in range(n) if hb[r][c]]
    v = [r * n + c + 1 for r in range(n) for c in range(n) if vb[r][c]]
    return "\r\n".join(["KVEN 0 %d %d" % (n, n), "HBR " + " ".join(map(str, h)) + " Z",
                        "VBR " + " ".join(map(str, v)) + " Z", "TTL " + title]) + "\r\n"


def main(folder):
    rng = random.Random(2026)
    us15 = american(rng, 15, 36, 76)
    grids = {
        "american-15x15": block_text(us15, 15, "American 15"),
        "american-21x21": block_text(american(rng, 21, 66, 140), 21, "American 21"),
        "british-15x15": block_text(british(rng, 15, 20), 15, "British 15"),
        "barred-12x12": bar_text(*barred(rng, 12, 36, 44), 12, "Barred 12"),
        "barred-13x13": bar_text(*barred(rng, 13, 40, 50), 13, "Barred 13"),
        "open-5x5": block_text([[False] * 5 for _ in range(5)], 5, "Open 5"),
    }
    # Theme entries locked in: the top row and the middle column of the 15 x 15.
    rows = []
    for r in range(15):
        row = "".join("." if us15[r][c] else " " for c in range(15))
        rows.append(row)
    top = [c for c in range(15) if not us15[0][c]]
    theme = "CROSSWORDPUZZLESETTER"
    first = runs([not us15[0][c] for c in range(15)])[0]
    word = {3: "SET", 4: "GRID", 5: "CLUES", 6: "SETTER", 7: "PUZZLES"}.get(first[1], theme[:first[1]])
    rows[0] = rows[0][:first[0]] + word + rows[0][first[0] + first[1]:]
    grids["american-15x15-theme"] = block_text(us15, 15, "Theme 15", rows)
    # A 5 x 5 that cannot be filled: an open square of Q's neighbours.
    rows = ["QQQQQ", "     ", "     ", "     ", "     "]
    grids["open-5x5-impossible"] = block_text([[False] * 5 for _ in range(5)], 5, "Impossible", rows)
    for name, text in grids.items():
        with open("%s/%s.txt" % (folder, name), "w", newline="") as f:
            f.write(text)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "grids")
