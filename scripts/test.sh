#!/usr/bin/env bash
# The whole test suite on a fresh Debian 12 machine: installs what is missing, builds, runs a short
# fuzz pass of each target, then CTest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${ARDIX_BUILD_DIR:-$root/build}"
# Each fuzz target briefly on its seeds, in its own clang build: a crash, undefined behaviour or a
# broken check in any of them fails the run.
ARDIX_WITH_FUZZ=1 "$root/scripts/install-deps.sh"
"$root/scripts/fuzz-smoke.sh" 15
# Every test gets isolated folders and loopback addresses from CTest (cmake/ArdixTesting.cmake).
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
