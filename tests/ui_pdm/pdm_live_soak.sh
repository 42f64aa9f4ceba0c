#!/usr/bin/env bash
# Ten minutes (or $1 seconds) of the PDM live view against ardix-sim --role pdm on loopback,
# printing the client's resident memory once a minute. Usage: tests/ui_pdm/pdm_live_soak.sh [seconds]
set -euo pipefail
build="${BUILD_DIR:-build}"
seconds="${1:-600}"
cmake --build "$build" --target ardix-sim pdm_live_soak >/dev/null

work="$(mktemp -d)"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$TMPDIR" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
sim="$(find "$build" -name ardix-sim -type f -perm -u+x | head -n1)"
"$sim" --role pdm --port 0 --web-port 0 >"$work/sim.log" 2>&1 &
simPid=$!
trap 'kill "$simPid" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do grep -q listening "$work/sim.log" && break; sleep 0.1; done
read -r port webPort < <(sed -n 's/.*listening on 127.0.0.1:\([0-9]*\) web \([0-9]*\).*/\1 \2/p' "$work/sim.log")
export ARDIX_DEVICE_HOST=127.0.0.1 ARDIX_DEVICE_PORT="$port" ARDIX_DEVICE_WEB_PORT="$webPort"
"$(find "$build" -name pdm_live_soak -type f -perm -u+x | head -n1)" --seconds "$seconds"
