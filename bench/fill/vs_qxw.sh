#!/usr/bin/env bash
# kventool fill and Qxw's batch filler side by side on the same grid and
# word list, each as a whole process, through hyperfine.
# Usage: vs_qxw.sh KVENTOOL [LIST] [GRID...]
# LIST defaults to wamerican-large; GRIDs to the block and bar grids here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kventool=$1
list=${2:-/usr/share/dict/american-english-large}
shift $(($# >= 2 ? 2 : $#))
grids=("$@")
((${#grids[@]})) || grids=("$here"/grids/american-15x15.txt "$here"/grids/british-15x15.txt \
                           "$here"/grids/barred-12x12.txt "$here"/grids/open-5x5.txt)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for grid in "${grids[@]}"; do
  name=$(basename "$grid" .txt)
  # Qxw's deck: one line per entry, naming its squares by number.
  "$kventool" check "$grid" --json --style none | python3 -c '
import json, sys
j = json.load(sys.stdin)
cols = j["columns"]
print(".RANDOM 1")
for e in j["entries"]:
    step = (1, 0) if e["direction"] == "across" else (0, 1)
    cells = [(e["row"] - 1 + k * step[1]) * cols + (e["col"] - 1 + k * step[0]) for k in range(e["length"])]
    print(" ".join("%03d" % c for c in cells))
' >"$work/$name.qxd"
  hyperfine --warmup 1 --runs "${RUNS:-10}" -i --export-markdown "$work/$name.md" \
    -n "kventool fill $name" "$kventool fill $grid --words $list --time-limit 60" \
    -n "qxw -b $name" "/usr/games/qxw -b -d $list $work/$name.qxd" \
    2>/dev/null | grep -E "Time|±|Benchmark|faster|slower|times" || true
done
