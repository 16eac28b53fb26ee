#!/usr/bin/env python3
"""Builds the benchmark grids as KVEN texts from a fixed seed, so the set is
the same on every run: random twofold-symmetric American diagrams (15 x 15
and a Sunday 21 x 21, every letter checked, no entry under 3 or over 15), the
British alternate-checking lattice, and barred 12 x 12 and 13 x 13 diagrams
annealed towards a published barred grid's habits."""
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


def sunday(rng, n, entries):
    """A Sunday-sized diagram: blocks placed in twofold pairs, first where a
    run is still longer than 15, never leaving a run under 3 or a cut-off
    region, until the entry count is reached."""
    while True:
        grid = [[False] * n for _ in range(n)]
        for _ in range(20000):
            across, down = block_runs(grid, n)
            lines = [(r, s, l, True) for r in range(n) for s, l in across[r]] + \
                    [(c, s, l, False) for c in range(n) for s, l in down[c]]
            count = len(lines)
            long_ = [x for x in lines if x[2] > 15]
            if not long_ and abs(count - entries) <= 1:
                return grid
            if count > entries + 1:
                break
            line, s, l, is_across = rng.choice(long_ or [x for x in lines if x[2] >= 7])
            k = s + rng.randrange(3, l - 3)
            r, c = (line, k) if is_across else (k, line)
            grid[r][c] = grid[n - 1 - r][n - 1 - c] = True
            across, down = block_runs(grid, n)
            if any(l < 3 for row in across + down for _, l in row) or not connected(grid, n):
                grid[r][c] = grid[n - 1 - r][n - 1 - c] = False


def lattice(n, across_cuts, down_cuts):
    """The British alternate-checking lattice: blocks where an odd row meets an
    odd column, so every other row and column is a light, and each light cut
    by a block at the given (odd) places. The cuts are given for the top half
    of the rows and the left half of the columns; the twofold partners follow."""
    grid = [[r % 2 == 1 and c % 2 == 1 for c in range(n)] for r in range(n)]
    for r, cuts in across_cuts.items():
        for c in cuts:
            grid[r][c] = grid[n - 1 - r][n - 1 - c] = True
    for c, cuts in down_cuts.items():
        for r in cuts:
            grid[r][c] = grid[n - 1 - r][n - 1 - c] = True
    return grid


def bar_runs(hb, vb, n):
    across = []
    for r in range(n):
        cuts = [c + 1 for c in range(n - 1) if vb[r][c]]
        across.append(list(zip([0] + cuts, [b - a for a, b in zip([0] + cuts, cuts + [n])])))
    down = []
    for c in range(n):
        cuts = [r + 1 for r in range(n - 1) if hb[r][c]]
        down.append(list(zip([0] + cuts, [b - a for a, b in zip([0] + cuts, cuts + [n])])))
    return across, down


def bar_cost(hb, vb, n, entries, unchecked, longest):
    """How far a bar diagram is from a published barred grid's habits: the
    entry and unchecked-square counts near the targets, entries of 4 to 8
    letters (a few longer, none of 2 or 3, none over the longest), every
    square in an entry, and no two unchecked squares side by side in one."""
    across, down = bar_runs(hb, vb, n)
    cost = 0.0
    count = 0
    for line in across + down:
        for _, l in line:
            if l == 1:
                continue
            count += 1
            if l < 4 or l > longest:
                cost += 6
            elif l > 8:
                cost += 1
    in_a = [[next(l for s, l in across[r] if s <= c < s + l) >= 2 for c in range(n)] for r in range(n)]
    in_d = [[next(l for s, l in down[c] if s <= r < s + l) >= 2 for c in range(n)] for r in range(n)]
    # The checker's barred band: 66 to 75 per cent of each entry's letters
    # checked, rounded outwards.
    for r in range(n):
        for s, l in across[r]:
            if l > 1:
                checked = sum(in_d[r][c] for c in range(s, s + l))
                low, high = (66 * l + 99) // 100, min(75 * l // 100 + 1, l)
                cost += 2 * max(low - checked, checked - high, 0)
    for c in range(n):
        for s, l in down[c]:
            if l > 1:
                checked = sum(in_a[r][c] for r in range(s, s + l))
                low, high = (66 * l + 99) // 100, min(75 * l // 100 + 1, l)
                cost += 2 * max(low - checked, checked - high, 0)
    free = 0
    for r in range(n):
        for c in range(n):
            if not (in_a[r][c] or in_d[r][c]):
                cost += 10
            free += in_a[r][c] != in_d[r][c]
            if c + 1 < n and not vb[r][c] and in_a[r][c] and not in_d[r][c] and not in_d[r][c + 1]:
                cost += 3
            if r + 1 < n and not hb[r][c] and in_d[r][c] and not in_a[r][c] and not in_a[r + 1][c]:
                cost += 3
    return cost + 1.5 * abs(count - entries) + 0.5 * abs(free - unchecked)


def barred(rng, n, entries, unchecked, longest):
    """A twofold-symmetric bar diagram found by annealing single bar flips
    (each with its partner) from an empty grid towards bar_cost's habits."""
    hb = [[False] * n for _ in range(n)]  # bar below [r][c]
    vb = [[False] * n for _ in range(n)]  # bar right of [r][c]
    cost = bar_cost(hb, vb, n, entries, unchecked, longest)
    best = (cost, [row[:] for row in hb], [row[:] for row in vb])
    steps = 60000
    for step in range(steps):
        heat = 2.0 * (1 - step / steps) + 0.01
        if rng.random() < 0.5:
            r, c = rng.randrange(n), rng.randrange(n - 1)
            marks, pr, pc = vb, n - 1 - r, n - 2 - c
        else:
            r, c = rng.randrange(n - 1), rng.randrange(n)
            marks, pr, pc = hb, n - 2 - r, n - 1 - c
        marks[r][c] = marks[pr][pc] = not marks[r][c]
        new = bar_cost(hb, vb, n, entries, unchecked, longest)
        if new <= cost or rng.random() < pow(2.718, (cost - new) / heat):
            cost = new
            if cost < best[0]:
                best = (cost, [row[:] for row in hb], [row[:] for row in vb])
        else:
            marks[r][c] = marks[pr][pc] = not marks[r][c]
    return best[1], best[2]


def block_text(grid, n, title, rows=None, twofold=False):
    # Twofold texts list the top half only; the reader adds the partners.
    numbers = [r * n + c + 1 for r in range(n) for c in range(n)
               if grid[r][c] and (not twofold or r * n + c <= n * n - 1 - (r * n + c))]
    lines = ["KVEN %d %d %d" % (2 if twofold else 0, n, n),
             "BLK " + " ".join(map(str, numbers)) + " Z", "TTL " + title]
    if rows:
        lines.append("ANS")
        lines += rows
    return "\r\n".join(lines) + "\r\n"


def bar_text(hb, vb, n, title):
    # Twofold: a bar below square k partners the bar below square n*n - n + 1 - k,
    # a bar right of k the bar right of n*n - 1 - k; the earlier of each pair is listed.
    h = [r * n + c + 1 for r in range(n) for c in range(n)
         if hb[r][c] and r * n + c <= (n - 2 - r) * n + (n - 1 - c)]
    v = [r * n + c + 1 for r in range(n) for c in range(n)
         if vb[r][c] and r * n + c <= (n - 1 - r) * n + (n - 2 - c)]
    return "\r\n".join(["KVEN 2 %d %d" % (n, n), "HBR " + " ".join(map(str, h)) + " Z",
                        "VBR " + " ".join(map(str, v)) + " Z", "TTL " + title]) + "\r\n"


def main(folder):
    rng = random.Random(2026)
    us15 = american(rng, 15, 36, 76)
    grids = {
        "american-15x15": block_text(us15, 15, "American 15"),
        "american-21x21": block_text(sunday(rng, 21, 140), 21, "American 21", twofold=True),
        # Rows 2 and 12 stay whole: two 15s among 5s, 7s and 9s.
        "british-15x15": block_text(lattice(15, {0: [9], 4: [5], 6: [7]},
                                            {0: [9], 2: [7], 4: [5], 6: [5]}), 15, "British 15", twofold=True),
        "barred-12x12": bar_text(*barred(rng, 12, 36, 44, 10), 12, "Barred 12"),
        "barred-13x13": bar_text(*barred(rng, 13, 40, 50, 11), 13, "Barred 13"),
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
