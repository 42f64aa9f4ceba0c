#!/usr/bin/env bash
# Runs the built client against the simulated dash with seeded link faults for MINUTES minutes,
# then prints what happened: reconnects, resent packets, settings uploads and whether each one
# converged, the client's resident memory at the start and the end, and how both processes ended.
#
#   scripts/soak.sh MINUTES [SEED]
#
# Uploads: the client uploads its whole dash block every ARDIX_SOAK_UPLOAD_MS (set here) while the
# dash is online, and the simulator flips a byte of its own block at the same period (--drift), so
# that an upload only counts as converged when the device really took it and the next sync check
# found both blocks equal. Everything stays on 127.0.0.1 and in a temporary folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ARDIX_BUILD_DIR:-$root/build}"
minutes="${1:?usage: scripts/soak.sh MINUTES [SEED]}"
seed="${2:-11}"
client_bin="$build/src/app/ardix"
sim_bin="$build/tools/sim/ardix-sim"
for b in "$client_bin" "$sim_bin"; do
  [ -x "$b" ] || { echo "soak: $b is not built (scripts/build.sh)" >&2; exit 2; }
done

upload_ms="${SOAK_UPLOAD_MS:-15000}"
warmup_s="${SOAK_WARMUP_S:-30}"
faults=(--drop 0.02 --corrupt 0.02 --delay 0.05 --stall 0.01 --disconnect 0.01 --resend 0.1)

work="$(mktemp -d "${TMPDIR:-/tmp}/ardix-soak.XXXXXX")"
mkdir -p "$work"/{config,data,cache,tmp,runtime}
chmod 700 "$work/runtime"
sim_pid=""
client_pid=""
stop() {
  # Only the two processes this script started, by their ids.
  [ -n "$client_pid" ] && kill "$client_pid" 2>/dev/null || true
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap stop EXIT
trap 'exit 130' INT TERM

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }
alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }

"$sim_bin" --role dash --port 0 --web-port 0 --seed "$seed" "${faults[@]}" --drift "$upload_ms" --verbose \
  >"$work/sim.out" 2>"$work/sim.trace" &
sim_pid=$!
for _ in $(seq 100); do
  grep -q "listening on" "$work/sim.out" 2>/dev/null && break
  sleep 0.1
done
read -r port web_port < <(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\) web \([0-9]*\).*/\1 \2/p' "$work/sim.out")
[ -n "${port:-}" ] || { echo "soak: the simulator did not start" >&2; exit 1; }

(
  export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
  export XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp" HOME="$work"
  export QT_QPA_PLATFORM=offscreen
  export ARDIX_DEVICE_HOST=127.0.0.1 ARDIX_DEVICE_PORT="$port" ARDIX_DEVICE_WEB_PORT="$web_port"
  export ARDIX_FIRMWARE_URL="http://127.0.0.1:$web_port/firmware/" ARDIX_SITE_URL="http://127.0.0.1:$web_port/site/"
  export ARDIX_SOAK_UPLOAD_MS="$upload_ms"
  export QT_LOGGING_RULES="ardix.link.info=true;ardix.kernel.info=true;ardix.soak.info=true"
  export QT_MESSAGE_PATTERN="%{time process} %{category}: %{message}"
  exec "$client_bin"
) 2>"$work/client.log" >/dev/null &
client_pid=$!

echo "soak: $minutes min, seed $seed, simulator pid $sim_pid on 127.0.0.1:$port, client pid $client_pid, files in $work"
sleep "$warmup_s"
alive "$client_pid" || { echo "soak: the client did not come up" >&2; tail -20 "$work/client.log" >&2; exit 1; }
rss_start=$(rss_kb "$client_pid")
rss_peak=$rss_start

end=$(( $(date +%s) + minutes * 60 ))
crashed=""
while [ "$(date +%s)" -lt "$end" ]; do
  sleep 5
  if ! alive "$client_pid"; then crashed="client"; break; fi
  if ! alive "$sim_pid"; then crashed="simulator"; break; fi
  r=$(rss_kb "$client_pid"); [ "$r" -gt "$rss_peak" ] && rss_peak=$r
done
rss_end=$(rss_kb "$client_pid")

client_status="died during the soak"
if [ -z "$crashed" ]; then
  kill -TERM "$client_pid"
  set +e; wait "$client_pid"; client_status="exit status $? after SIGTERM"; set -e
else
  set +e; wait "$client_pid"; client_status="$crashed died during the soak (status $?)"; set -e
fi
client_pid=""
kill -TERM "$sim_pid" 2>/dev/null || true
set +e; wait "$sim_pid"; set -e
sim_pid=""

t="$work/sim.trace"
count() { grep -c -- "$1" "$2" || true; }
connects=$(count "client connected from port" "$t")
uploads_seen=$(count "<- DATA AllData(0)" "$t")
device_resend_asks=$(count "-> CMD  AskResendPrevPacket" "$t")
client_resend_asks=$(count "<- CMD  AskResendPrevPacket" "$t")
# The device's view: an upload (not counting one sent again on its request) converged when the
# sync check that follows it, once no resend is outstanding, finds both blocks equal.
read -r uploads dev_converged dev_differ <<<"$(awk '
  /-> CMD  AskResendPrevPacket/ { again = 1 }
  /<- DATA AllData\(0\)/         { if (again) { again = 0; next } up++; open = 1 }
  /-> CMD  CheckSettingsSync\(4\)/ { if (open && !again) { if ($0 ~ / p=1 /) conv++; else diff++; open = 0 } }
  END { print up + 0, conv + 0, diff + 0 }' "$t")"
# The client's view: a request converged when a sync confirmation reaches it before the next one.
read -r requested converged lost pending < <(awk '
  /ardix.soak: upload requested/ { if (open) lost++; open = 1; req++ }
  /ardix.soak: sync confirmed/   { if (open) { conv++; open = 0 } }
  END { print req + 0, conv + 0, lost + 0, open + 0 }' "$work/client.log")

echo
echo "== soak results ($minutes min, seed $seed) =="
printf 'faults injected     : drop %s, corrupt %s, delay %s, stall %s, disconnect %s, resend asked %s\n' \
  "$(count 'fault: bytes dropped' "$t")" "$(count 'fault: byte corrupted' "$t")" "$(count 'fault: delayed' "$t")" \
  "$(count 'fault: stalled' "$t")" "$(count 'fault: disconnect' "$t")" "$device_resend_asks"
echo "reconnects          : $(( connects > 0 ? connects - 1 : 0 )) (connections: $connects)"
echo "resent packets      : $device_resend_asks asked by the device (client sends again), $client_resend_asks asked by the client (device sends again)"
echo "settings uploads    : $requested requested by the client, $uploads reached the device ($uploads_seen frames with resends)"
echo "  device's view     : $dev_converged converged (sync check found equal blocks), $dev_differ found different"
echo "  client's view     : $converged confirmed, $lost not confirmed before the next request, $pending in flight at the end"
echo "client memory VmRSS : start $rss_start kB (after ${warmup_s} s), end $rss_end kB, peak $rss_peak kB, growth $(( rss_end - rss_start )) kB"
echo "client              : $client_status"
echo "crashes             : ${crashed:-none}"
echo "logs                : $work/client.log, $work/sim.trace"
