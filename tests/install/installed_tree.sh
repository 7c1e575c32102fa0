#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a package would, and runs the installed programs
# from there: they must find their folder (Lng/, Hlp/, the example) in share/morvask beside bin/.
# Usage: installed_tree.sh BUILD_DIR WITH_GUI(ON|OFF)
set -euo pipefail
build=$1
gui=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAILED: $*" >&2; exit 1; }
expected=(bin/morvask-cli share/morvask/Lng/English.lng share/morvask/Hlp/Morvask_Nederlands.html
  share/morvask/Hlp/Morvask_English.html share/morvask/LeesMij.txt share/morvask/ReadMe.txt
  share/morvask/examples/voorbeeld.mpr share/man/man1/morvask-cli.1.gz share/doc/morvask/copyright
  share/mime/packages/example.morvask.Morvask.xml)
if [ "$gui" = ON ]; then
  expected+=(bin/morvask share/man/man1/morvask.1.gz share/applications/example.morvask.Morvask.desktop
    share/metainfo/example.morvask.Morvask.metainfo.xml share/icons/hicolor/scalable/apps/example.morvask.Morvask.svg)
fi
for f in "${expected[@]}"; do [ -e "$prefix/$f" ] || fail "$f is not installed"; done
find "$prefix" -name '.keep' | grep -q . && fail "placeholder files installed"

# Run from an unrelated folder, with settings of its own, so nothing of the build tree helps.
cd "$tmp"
cli=$prefix/bin/morvask-cli
example=$prefix/share/morvask/examples/voorbeeld.mpr
# English texts come from share/morvask/Lng/English.lng.
"$cli" posts "$example" --settings "$tmp/none.ini" --language English | grep -q 'Description of observation posts' ||
  fail "the installed morvask-cli did not read share/morvask/Lng/English.lng"
"$cli" match "$example" -o "$tmp/voorbeeld.mma" --settings "$tmp/none.ini" --quiet
"$cli" report "$tmp/voorbeeld.mma" --project "$example" --type dhb --settings "$tmp/none.ini" | grep -q . ||
  fail "no origin-destination matrix from the installed tree"

if [ "$gui" = ON ]; then
  # The installed desktop program starts (its libraries and Qt plugins found) and writes the
  # translators' template without a display.
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config" "$prefix/bin/morvask" --write-language-template "$tmp/All.lng"
  grep -q '^\[HoofdForm\]' "$tmp/All.lng" || fail "the installed morvask wrote no language template"
fi
echo "installed tree in $prefix: programs and data found"
