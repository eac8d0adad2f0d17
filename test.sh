#!/usr/bin/env bash
# Builds Tarvex and runs every test headless; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-dependencies.sh

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVEX_WERROR=ON
cmake --build build/test -j "$(nproc)"
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
