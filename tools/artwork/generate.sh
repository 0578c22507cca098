#!/usr/bin/env bash
# Redraws every picture of the window into editor/images/:
#   tools/artwork/generate.sh [build folder]      (default: build-artwork)
# Builds gatevox_artwork, runs it, then makes the JPEGs that the window shows
# large progressive (jpegtran) and the slot backdrop an 8-bit palette PNG
# (pngquant). Needs: scripts/install-deps.sh art. The drawing uses fixed seeds,
# so running it again gives the same files.
set -euo pipefail
cd "$(dirname "$0")/../.."

build="${1:-build-artwork}"
images=editor/images

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DGATEVOX_BUILD_FORMATS=OFF -DGATEVOX_BUILD_TESTS=OFF -DGATEVOX_BUILD_BENCH=OFF
cmake --build "$build" -j1 --target gatevox_artwork
program=$(find "$build" -type f -name gatevox_artwork -perm -u+x | head -n 1)

"$program" "$images"

for name in window_background strip_background panel_texture step_fx1 step_fx2 step_fx3 step_fx4 step_fx5; do
    jpegtran -progressive -optimize -copy none -outfile "$images/$name.progressive" "$images/$name.jpg"
    mv "$images/$name.progressive" "$images/$name.jpg"
done

pngquant --force --speed 1 --strip --output "$images/slot_backdrop.png" 256 -- "$images/slot_backdrop.png"
echo "Pictures written to $images"
