#!/usr/bin/env bash
# Installs what the build needs, builds, and runs the main job on the bundled example.
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
