#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test. With --sanitize the build goes
# to build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  export MORVASK_BUILD_DIR="${MORVASK_BUILD_DIR:-build-asan}"
  scripts/build.sh -DMORVASK_SANITIZE=ON
else
  scripts/build.sh
fi
build="${MORVASK_BUILD_DIR:-build}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
