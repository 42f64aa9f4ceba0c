#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 in their own build folder and runs each briefly on its seed
# corpus, printing its rate (exec/s). Exits non-zero when a target crashes, reports undefined behaviour or breaks one of its
# checks. Usage: scripts/fuzz-smoke.sh [SECONDS_PER_TARGET]  (default 30)
set -euo pipefail

cd "$(dirname "$0")/.."
seconds="${1:-30}"
build="${ARDIX_FUZZ_BUILD_DIR:-build-fuzz}"
# Every folder of fuzz/ with a CMakeLists.txt holds one target, fuzz_<folder>, and its seeds in corpus/.
targets=()
for dir in fuzz/*/; do
  dir="${dir%/}"
  [ -f "$dir/CMakeLists.txt" ] && targets+=("fuzz_${dir#fuzz/}")
done

# The targets only read and write files; keep even that away from the user's folders, and in memory
# where the system offers it (a file synced to disk per input costs more than the input itself).
work="$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)"
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen
export ARDIX_DEVICE_HOST=127.0.0.1

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DARDIX_FUZZ=ON -DARDIX_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

failed=()
for t in "${targets[@]}"; do
  name="${t#fuzz_}"
  corpus="$work/corpus-$name"
  mkdir -p "$corpus" "$work/artifacts-$name"
  echo "== $t: ${seconds}s on fuzz/$name/corpus"
  # A fresh corpus folder first, so that the repository's seeds stay as they are.
  if ! "$build/fuzz/$name/$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/artifacts-$name/" \
      "$corpus" "fuzz/$name/corpus" >"$work/$t.log" 2>&1; then
    failed+=("$t")
    tail -n 60 "$work/$t.log"
    for a in "$work/artifacts-$name"/*; do
      [ -f "$a" ] && echo "reproducer ($t): $(base64 -w0 "$a")"
    done
  else
    { grep -a "^#.*DONE\|stat::number_of_executed_units" "$work/$t.log" || true; } | tail -n 2
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz smoke failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz smoke passed"
