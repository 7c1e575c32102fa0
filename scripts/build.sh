#!/usr/bin/env bash
# Configures and builds into build/ (or $MORVASK_BUILD_DIR). Extra arguments go to cmake.
# $MORVASK_TARGETS names the targets to build (all when empty); MORVASK_WERROR=ON makes
# warnings errors, as CI builds.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${MORVASK_BUILD_DIR:-build}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORVASK_WERROR="${MORVASK_WERROR:-OFF}" \
  "${launcher[@]}" "$@" >/dev/null
targets=()
for t in ${MORVASK_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
