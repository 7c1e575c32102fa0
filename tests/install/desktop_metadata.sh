#!/usr/bin/env bash
# The desktop integration files as the desktop's own tools read them: the AppStream metainfo,
# the launcher, the file types (with their magic) and the icon. Exits 77 (skipped) when the
# checking tools are not installed.
# Usage: desktop_metadata.sh SOURCE_DIR
set -euo pipefail
src=$1
packaging=$src/packaging
id=example.morvask.Morvask
for tool in appstreamcli desktop-file-validate update-mime-database; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
fail() { echo "FAILED: $*" >&2; exit 1; }
appstreamcli validate --no-net --explain "$packaging/$id.metainfo.xml"
desktop-file-validate "$packaging/$id.desktop"
grep -q "^MimeType=application/x-morvask-project;" "$packaging/$id.desktop" || fail "the launcher does not open projects"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp "$packaging/morvask-mime.xml" "$tmp/mime/packages/$id.xml"
XDG_DATA_DIRS=$tmp update-mime-database "$tmp/mime" 2>&1 | tee "$tmp/update.log"
grep -qi 'error\|warning' "$tmp/update.log" && fail "update-mime-database complained"
# The database holds both types, their extensions and their first lines.
for type in x-morvask-project x-morvask-match; do
  [ -f "$tmp/mime/application/$type.xml" ] || fail "application/$type is not in the database"
done
grep -q '^application/x-morvask-project:\*\.mpr$' "$tmp/mime/globs" || fail "*.mpr is not a project"
grep -q '^application/x-morvask-match:\*\.mma$' "$tmp/mime/globs" || fail "*.mma is not a match file"
grep -aq 'Morvask datafile' "$tmp/mime/magic" || fail "a project is not known by its first line"
grep -aq 'Morvask matchfile' "$tmp/mime/magic" || fail "a match file is not known by its first line"
# The icon is a well-formed SVG.
grep -q '<svg' "$src/src/gui/icons/morvask.svg" || fail "the icon is not SVG"
echo "metainfo, launcher and file types valid"
