#!/usr/bin/env bash
# Renders the hicolor PNGs from ardix.svg (needs rsvg-convert from librsvg2-bin). The PNGs are
# committed, so a build never needs this; run it again after changing the SVG.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for size in 16 22 24 32 48 64 128 256 512; do
  rsvg-convert -w "$size" -h "$size" "$here/ardix.svg" -o "$here/ardix-$size.png"
done
