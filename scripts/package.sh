#!/usr/bin/env bash
# Builds the Debian package ardix_<version>_<arch>.deb into ./build-package (or $ARDIX_PACKAGE_DIR).
# Extra arguments go to the CMake configure step, for example -DARDIX_DEFAULT_FIRMWARE_URL=...
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
ARDIX_WITH_PACKAGING=1 "$root/scripts/install-deps.sh"
build="${ARDIX_PACKAGE_DIR:-$root/build-package}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DARDIX_BUILD_TESTS=OFF \
  "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
ls "$build"/ardix_*.deb
