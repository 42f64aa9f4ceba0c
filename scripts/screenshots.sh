#!/usr/bin/env bash
# Renders the main screens and dialogs against the simulator, offscreen, at two window sizes:
# 900 wide (a 1920x1080 screen) and 0.7 of a 1280-wide screen (896). PNG files go to
# ${1:-build/screenshots}. Everything runs on loopback with a throw-away settings folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ARDIX_BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$build/screenshots}")"
cmake --build "$build" --target ardix-shots >/dev/null
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

shoot() { # screen-width screen-height prefix [--pdm] [--language en]
  local cfg="$work/screen-$1x$2.json"
  printf '{"screens":[{"name":"shot","x":0,"y":0,"width":%d,"height":%d,"logicalDpi":96,"dpr":1}]}\n' "$1" "$2" >"$cfg"
  local home="$work/home-$3"
  mkdir -p "$home/config" "$home/data" "$home/tmp" "$home/run"; chmod 700 "$home/run"
  XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" TMPDIR="$home/tmp" HOME="$home" XDG_RUNTIME_DIR="$home/run" \
  QT_QPA_PLATFORM="offscreen:configfile=$cfg" \
  ARDIX_DEVICE_HOST=127.0.0.1 ARDIX_FIRMWARE_URL="http://127.0.0.1:9/firmware/" ARDIX_SITE_URL="http://127.0.0.1:9/site/" \
    "$build/tools/shots/ardix-shots" --out "$out" --prefix "$3_" "${@:4}"
}

shoot 1920 1080 w900-dash
shoot 1280 800 w896-dash
# A window made taller than its minimum, and a wide screen: the replica stays usable in both.
replica=main,selector,mode0,mode1,mode2,mode3,mode4,mode2_disabled,settings_menu
shoot 1920 1080 w900-dash-tall --taller 200 --only "$replica"
shoot 2560 1080 wide-dash --only "$replica"
shoot 1920 1080 w900-pdm --pdm
shoot 1280 800 w896-pdm --pdm
# English words are longer: the same screens in English, to look for clipped texts.
shoot 1920 1080 en-w900-dash --language en
shoot 1280 800 en-w896-dash --language en
shoot 1920 1080 en-w900-pdm --pdm --language en
shoot 1280 800 en-w896-pdm --pdm --language en
echo "screenshots in $out"
