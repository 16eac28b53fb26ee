#!/usr/bin/env bash
# Peak memory and time of kventool on huge inputs: 100 MB of empty lines and
# 100 MB of random bytes (both larger than a text may be), and the same at
# 60 MiB, which is read. Usage: run_memory_bench.sh path/to/kventool
# Needs GNU time (/usr/bin/time, Debian's "time" package).
set -euo pipefail
kventool=${1:?usage: run_memory_bench.sh path/to/kventool}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work" <<'PY'
import os, sys
d = sys.argv[1]
for name, size in (("100MB", 100_000_000), ("60MiB", 60 << 20)):
    with open(f"{d}/empty-{name}.txt", "wb") as f:
        f.write(b"\n" * size)
    with open(f"{d}/random-{name}.bin", "wb") as f:
        f.write(os.urandom(size))
PY
for file in empty-100MB.txt random-100MB.bin empty-60MiB.txt random-60MiB.bin; do
  /usr/bin/time -f "$file: %e s, peak resident %M KB, exit %x" "$kventool" decode "$work/$file" >/dev/null 2>"$work/time" || true
  tail -n 1 "$work/time"
done
