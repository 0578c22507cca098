#!/usr/bin/env bash
# Builds the plug-in in every format and the renderer (no tests, no
# benchmarks), installs the plug-ins into the user's plug-in folders and
# renders the demo pattern.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DGATEVOX_BUILD_TESTS=OFF -DGATEVOX_BUILD_BENCH=OFF
cmake --build build -j "$(nproc)"

artefacts=build/Gatevox_artefacts/Release
mkdir -p ~/.vst ~/.vst3 ~/.lv2
cp -f "$artefacts/VST/Gatevox.so" ~/.vst/
rm -rf ~/.vst3/Gatevox.vst3 ~/.lv2/Gatevox.lv2
cp -r "$artefacts/VST3/Gatevox.vst3" ~/.vst3/
cp -r "$artefacts/LV2/Gatevox.lv2" ~/.lv2/

renderer=build/gatevox-render
"$renderer" --output gatevox-demo.wav

echo "VST 2.4:    $HOME/.vst/Gatevox.so"
echo "VST3:       $HOME/.vst3/Gatevox.vst3"
echo "LV2:        $HOME/.lv2/Gatevox.lv2"
echo "Standalone: $(pwd)/$artefacts/Standalone/Gatevox"
echo "Renderer:   $(pwd)/$renderer"
echo "Demo:       $(pwd)/gatevox-demo.wav"
