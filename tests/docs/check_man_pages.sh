#!/usr/bin/env bash
# Each manual page given renders with man without a single warning, at the
# usual width and a narrow one, names its program and refers to the other.
# Usage: check_man_pages.sh PAGE.1... Exits 77 (skipped) without man.
set -euo pipefail
if ! command -v man >/dev/null 2>&1; then
  echo "SKIP: man is not installed"
  exit 77
fi
names=()
for page in "$@"; do names+=("$(basename "$page" .1)"); done
status=0
for page in "$@"; do
  name=$(basename "$page" .1)
  for width in 80 60; do
    warnings=$(MANWIDTH=$width man --warnings -l "$page" 2>&1 >/dev/null) || true
    if [[ -n $warnings ]]; then
      echo "FAIL: $page at $width columns: $warnings" >&2
      status=1
    fi
  done
  text=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
  if ! grep -q "^ *$name - " <<<"$text"; then
    echo "FAIL: $page has no NAME line for $name" >&2
    status=1
  fi
  for other in "${names[@]}"; do
    if [[ $other != "$name" ]] && ! sed -n '/^SEE ALSO/,$p' <<<"$text" | grep -q "$other(1)"; then
      echo "FAIL: $page does not refer to $other(1) under SEE ALSO" >&2
      status=1
    fi
  done
done
((status == 0)) && echo "PASS: ${names[*]} render without warnings"
exit $status
