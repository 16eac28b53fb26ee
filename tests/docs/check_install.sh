#!/usr/bin/env bash
# What `cmake --install` puts in place: both programs (and kventool's picture
# program, which the installed kventool finds), both manual pages, the
# desktop entry and the metainfo of one id, and the icon; the metainfo and
# the installed tree pass appstreamcli's checks without the network.
# The metainfo names the MIT licence and the project's VERSION, and the
# package's copyright file the licence.
# Usage: check_install.sh BUILD_DIR ID VERSION. Exits 77 (skipped) without appstreamcli.
set -euo pipefail
build=${1:?usage: check_install.sh BUILD_DIR ID VERSION}
id=${2:?usage: check_install.sh BUILD_DIR ID VERSION}
version=${3:?usage: check_install.sh BUILD_DIR ID VERSION}
if ! command -v appstreamcli >/dev/null 2>&1; then
  echo "SKIP: appstreamcli is not installed"
  exit 77
fi
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
status=0
for file in bin/kven3 bin/kventool libexec/kven3/kventool-picture share/man/man1/kven3.1* share/man/man1/kventool.1* \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" share/icons/hicolor/64x64/apps/kven3.png \
  share/doc/kven3/copyright; do
  if ! compgen -G "$root/usr/$file" >/dev/null; then
    echo "FAIL: $file is not installed" >&2
    status=1
  fi
done
printf 'KVEN 2 5 5\nBLK 2 Z\n' >"$root/puzzle.txt"
if ! "$root/usr/bin/kventool" picture "$root/puzzle.txt" -o "$root/puzzle.png" || [[ ! -s $root/puzzle.png ]]; then
  echo "FAIL: the installed kventool draws no picture" >&2
  status=1
fi
if ! grep -q '^License: Expat$' "$root/usr/share/doc/kven3/copyright" 2>/dev/null; then
  echo "FAIL: the copyright file does not give the MIT (Expat) licence" >&2
  status=1
fi
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
if [[ -f $metainfo ]]; then
  grep -q "<id>$id</id>" "$metainfo" || { echo "FAIL: the metainfo's id is not $id" >&2; status=1; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    { echo "FAIL: the metainfo does not launch $id.desktop" >&2; status=1; }
  grep -q "<project_license>MIT</project_license>" "$metainfo" || { echo "FAIL: the metainfo gives no MIT licence" >&2; status=1; }
  grep -q "<release version=\"$version\"" "$metainfo" ||
    { echo "FAIL: the metainfo's release is not the project's version" >&2; status=1; }
  appstreamcli validate --no-net "$metainfo" || status=1
  appstreamcli validate-tree --no-net "$root" || status=1
fi
((status == 0)) && echo "PASS: installed, and appstreamcli accepts $id"
exit $status
