#!/usr/bin/env bash
# Builds a release build of Tarvex and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-dependencies.sh xvfb xauth

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTARVEX_BUILD_TESTS=OFF -DTARVEX_BUILD_BENCHMARKS=OFF
cmake --build build/release -j "$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Tarvex is built (build/release/src/app/tarvex), but there is no display to show it on." >&2
    echo "Start it on a virtual display with:  xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec build/release/src/app/tarvex
