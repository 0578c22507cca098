#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing (run as root).
#   scripts/install-deps.sh          what building the plug-ins and the renderer needs
#   scripts/install-deps.sh test     and what the tests need
#   scripts/install-deps.sh bench    and what the benchmarks need
#   scripts/install-deps.sh art      and what redrawing the window's pictures needs (tools/artwork)
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    juce-modules-source fst-dev
    libasound2-dev libjack-jackd2-dev libfreetype-dev libfontconfig1-dev
    libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxext-dev libgl-dev
)

case "${1:-}" in
    test) packages+=(libgtest-dev valgrind xvfb xauth lilv-utils liblilv-dev clang-format git fonts-dejavu-core) ;;
    bench) packages+=(libbenchmark-dev) ;;
    art) packages+=(libjpeg-turbo-progs pngquant fonts-dejavu-core) ;;
    "") ;;
    *) echo "usage: $0 [test|bench|art]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
