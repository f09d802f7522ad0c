#!/usr/bin/env bash
# Makes the Windows icon from the tool's SVG: 16 to 48 pixels as bitmaps, for every Windows
# version, and 256 pixels as PNG, for Explorer's large views.
# Usage: icono.sh ICON.svg OUT.ico
set -euo pipefail
svg=$1 ico=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for lado in 16 24 32 48 256; do
  rsvg-convert -w "$lado" -h "$lado" -o "$tmp/$lado.png" "$svg"
done
icotool -c -o "$ico" "$tmp"/{16,24,32,48}.png -r "$tmp/256.png"
