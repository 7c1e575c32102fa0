#!/usr/bin/env bash
# Builds the Debian package (build/morvask_<version>_<arch>.deb) and checks it as a clean
# machine would meet it: unpacked with dpkg -x into a fresh folder, morvask-cli runs the
# example from there and the desktop program starts there on a virtual display, both finding
# their data through share/morvask beside bin/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package screenshot
MORVASK_TARGETS="morvask morvask-cli morvask-manuals" scripts/build.sh
build="${MORVASK_BUILD_DIR:-build}"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/morvask_*.deb | head -1)
echo "== $deb"
dpkg-deb -f "$deb" Package Version Architecture Depends

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg -x "$deb" "$tmp/root"
usr=$tmp/root/usr
example=$usr/share/morvask/examples/voorbeeld.mpr
cd "$tmp"
fail() { echo "FAILED: $*" >&2; exit 1; }
echo "== morvask-cli from the unpacked package"
"$usr/bin/morvask-cli" info "$example" --settings "$tmp/none.ini" --language English
"$usr/bin/morvask-cli" match "$example" -o "$tmp/voorbeeld.mma" --settings "$tmp/none.ini" --quiet
"$usr/bin/morvask-cli" report "$tmp/voorbeeld.mma" --project "$example" --type dhb --settings "$tmp/none.ini" |
  grep -q . || fail "no origin-destination matrix"

echo "== morvask from the unpacked package, on a virtual display"
cat >"$tmp/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
"$1" "$2" >"$3/morvask.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  title=$(xdotool search --name 'Morvask 4.4 - voorbeeld.mpr' getwindowname 2>/dev/null | head -1 || true)
  [ -n "$title" ] && break
  sleep 0.2
done
[ -n "$title" ] || { echo "no main window with the example's title" >&2; exit 1; }
sleep 1
kill -0 $pid || { echo "the program ended by itself" >&2; exit 1; }
echo "window: $title"
SESSION
chmod +x "$tmp/session.sh"
mkdir -p "$tmp/config/Morvask"
printf '%s\r\n' '[Morvask settings]' '' '[**General variables**]' 'LanguageSet=1' 'ShowProjectSettingsAfterOpen=0' '' \
  >"$tmp/config/Morvask/Morvask.ini"
XDG_CONFIG_HOME=$tmp/config xvfb-run -a "$tmp/session.sh" "$usr/bin/morvask" "$example" "$tmp" ||
  fail "the desktop program did not start from the package ($(cat "$tmp/morvask.log"))"
echo "package checked: $deb"
