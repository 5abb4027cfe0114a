#!/usr/bin/env bash
# Renders the application icon's PNG sizes from desktop/icons/kelvra.svg.
# The PNGs are committed; run this again after changing the SVG.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../desktop/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" kelvra.svg --output "kelvra-$size.png"
done
