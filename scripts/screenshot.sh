#!/usr/bin/env bash
# Makes docs/screenshot.png: starts the desktop program on a copy of the example project on a
# virtual display (xvfb-run), opens the vehicle types report, a notes report and the
# configuration information through the keyboard, tiles them and photographs the screen.
# Usage: scripts/screenshot.sh [OUTPUT.png]   (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-docs/screenshot.png}
case $out in /*) ;; *) out=$root/$out ;; esac
scripts/install-deps.sh screenshot
MORVASK_TARGETS=morvask scripts/build.sh
build="${MORVASK_BUILD_DIR:-build}"
program=$root/$build/src/gui/morvask

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/examples/voorbeeld.mpr "$work/voorbeeld.mpr"
# Settings of its own: the language already chosen, no project data dialog after opening, the
# main window filling the screen.
mkdir -p "$work/config/Morvask"
printf '%s\r\n' '[Morvask settings]' '' '[**General variables**]' 'Language=Nederlands' 'LanguageSet=1' \
  'LanguageHelp=Morvask_Nederlands' 'ShowProjectSettingsAfterOpen=0' 'ReportMaximize=0' '' \
  '[**Form positions**]' 'HoofdForm=M:0;L:1;T:1;W:1278;H:798' '' >"$work/config/Morvask/Morvask.ini"

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
# Runs on the virtual display: the program, then the keys a user would press.
set -euo pipefail
program=$1 project=$2 out=$3
"$program" "$project" >"$(dirname "$project")/morvask.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --name 'Morvask 4.4' | head -1)
[ -n "$window" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1
# Without a window manager the focus does not come back by itself after a dialog closes.
keys() {
  xdotool windowfocus --sync "$window"
  sleep 0.3
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.7
  done
}
keys alt+g v alt+t                      # Gegevens, Voertuigtypen, OK & Rapport
keys alt+g t                            # Gegevens, Aantekeningen
xdotool type --delay 15 'Ochtendspits 07:00-09:00, droog weer. Post 012: waarnemer vanaf 07:10.'
sleep 0.3
xdotool key alt+r                       # its report
sleep 0.7
keys alt+x c                            # Extra, Configuration info
keys alt+v o                            # Venster, Onder elkaar
sleep 1
import -window root "$out"
SESSION
chmod +x "$work/session.sh"
XDG_CONFIG_HOME=$work/config xvfb-run -a -s "-screen 0 1280x800x24" \
  "$work/session.sh" "$program" "$work/voorbeeld.mpr" "$out"
[ "$(stat -c %s "$out")" -gt 20000 ] || { echo "the screenshot looks empty: $out" >&2; exit 1; }
echo "screenshot: ${out#"$root"/}"
