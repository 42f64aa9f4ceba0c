#!/usr/bin/env bash
# Cold start to the first frame and resident memory of the client's window, against a bare Qt Quick
# Controls window, in the same run on the same platform plugin (offscreen unless QT_QPA_PLATFORM is
# set). Prints the medians and the ratios; for the client also when its main screen (built in the
# background after the first frame) is complete. Usage: scripts/bench-startup.sh [RUNS] (default 15)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ARDIX_BUILD_DIR:-$root/build}"
runs="${1:-15}"
cmake -S "$root" -B "$build" -G Ninja -DARDIX_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_startup >/dev/null
exe="$build/bench/startup/bench_startup"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" TMPDIR="$work/tmp" HOME="$work" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# Nothing listens here: the client searches for its device on loopback only.
export ARDIX_DEVICE_HOST=127.0.0.1 ARDIX_DEVICE_PORT=9 ARDIX_DEVICE_WEB_PORT=9
export ARDIX_FIRMWARE_URL=http://127.0.0.1:9/firmware/ ARDIX_SITE_URL=http://127.0.0.1:9/site/

one() { # mode -> "first_frame_us rss_kb screen_ready_us"
  local start out frame rss ready
  start=$(date +%s%N)
  out="$("$exe" "$1")"
  frame=$(awk '/^first_frame_ns/ {print $2}' <<<"$out")
  rss=$(awk '/^rss_kb/ {print $2}' <<<"$out")
  ready=$(awk '/^screen_ready_ns/ {print $2}' <<<"$out")
  echo "$(( (frame - start) / 1000 ))" "$rss" "$(( (${ready:-$frame} - start) / 1000 ))"
}

# Warm the file cache for both, then alternate so that both see the same machine.
one bare >/dev/null; one client >/dev/null
: >"$work/bare"; : >"$work/client"
for _ in $(seq "$runs"); do
  one bare >>"$work/bare"
  one client >>"$work/client"
done
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
bare_us=$(cut -d' ' -f1 "$work/bare" | median); client_us=$(cut -d' ' -f1 "$work/client" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median); client_kb=$(cut -d' ' -f2 "$work/client" | median)
ready_us=$(cut -d' ' -f3 "$work/client" | median)
awk -v p="$QT_QPA_PLATFORM" -v n="$runs" -v bu="$bare_us" -v cu="$client_us" -v bk="$bare_kb" -v ck="$client_kb" -v ru="$ready_us" 'BEGIN {
  printf "platform %s, %d runs each (medians)\n", p, n
  printf "bare window:   first frame %7.1f ms   resident %6.1f MB\n", bu / 1000, bk / 1024
  printf "client window: first frame %7.1f ms   resident %6.1f MB\n", cu / 1000, ck / 1024
  printf "client screen: complete    %7.1f ms\n", ru / 1000
  printf "time ratio %.2fx (screen complete %.2fx), memory +%.1f MB\n", cu / bu, ru / bu, (ck - bk) / 1024
}'
