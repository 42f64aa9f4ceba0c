#!/usr/bin/env bash
# Builds and starts the client against the bundled device simulator on loopback.
#   scripts/run.sh          a simulated dash
#   scripts/run.sh --pdm    a simulated PDM
# Stopping the client stops the simulator.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build="${ARDIX_BUILD_DIR:-$root/build}"

role=dash
[ "${1:-}" = "--pdm" ] && role=pdm

port="${ARDIX_SIM_PORT:-22300}"
export ARDIX_DEVICE_HOST=127.0.0.1
export ARDIX_DEVICE_PORT="$port"
export ARDIX_DEVICE_WEB_PORT="$((port + 1))"
export ARDIX_FIRMWARE_URL="http://127.0.0.1:$((port + 2))/firmware/"
export ARDIX_SITE_URL="http://127.0.0.1:$((port + 2))/site/"

sim_pid=""
if [ -x "$build/tools/sim/ardix-sim" ]; then
  state="${XDG_STATE_HOME:-$HOME/.local/state}/ardix-sim/$role"
  mkdir -p "$state"
  "$build/tools/sim/ardix-sim" --role "$role" --port "$port" --web-port "$ARDIX_DEVICE_WEB_PORT" \
    --firmware-web-port "$((port + 2))" --state "$state" &
  sim_pid=$!
  trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true' EXIT
else
  echo "note: the device simulator is not built yet; the client will search for a device on 127.0.0.1:$port" >&2
fi

"$build/src/app/ardix"
