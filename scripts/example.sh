#!/usr/bin/env bash
# Installs what the build needs, builds, and runs the main job on the bundled example. When a
# display is available it also builds the desktop program and starts it on the example
# project, in the background; without one it says how to start it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
MORVASK_TARGETS=morvask-cli scripts/build.sh
build="${MORVASK_BUILD_DIR:-build}"
cli="$build/src/cli/morvask-cli"
example=data/examples/voorbeeld.mpr
"$cli" --version
echo "== $example"
"$cli" info "$example"
echo "== plate comparison of $example into $build/voorbeeld.mma"
# Its summary on standard error: the file, the time taken, the routes found in each iteration.
"$cli" match "$example" -o "$build/voorbeeld.mma" --force 2>&1
echo "== origin-destination matrix from the match file"
"$cli" report "$build/voorbeeld.mma" --project "$example" --type dhb

# The desktop program opens a copy of the example beside the match file, so that saving in the
# program leaves the bundled example as it is.
program="$build/src/gui/morvask"
project="$build/voorbeeld.mpr"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "== the desktop program"
  MORVASK_TARGETS=morvask scripts/build.sh
  cp "$example" "$project"
  setsid "$program" "$PWD/$project" >"$build/morvask.log" 2>&1 </dev/null &
  echo "started: $program $PWD/$project (process $!, messages in $build/morvask.log)"
else
  echo "== the desktop program"
  echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set). On a desktop, start it with:"
  echo "  MORVASK_TARGETS=morvask scripts/build.sh && cp $example $project && $program $project"
fi
