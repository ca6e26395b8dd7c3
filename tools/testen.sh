#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors in both.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/pakete.sh
sichere_pakete "${GEOMETRIE_PAKETE[@]}"

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S . -B build/tests -DGEOMETRIE_WERROR=ON -DGEOMETRIE_BENCH=ON >/dev/null
cmake --build build/tests -j"$jobs"
ctest --test-dir build/tests --output-on-failure -j"$jobs"

cmake -S . -B build/sanitize -DGEOMETRIE_WERROR=ON -DGEOMETRIE_SANITIZE=ON -DGEOMETRIE_BENCH=OFF \
    -DGEOMETRIE_TOOLS=OFF -DCMAKE_CXX_FLAGS=-O1 >/dev/null
cmake --build build/sanitize -j"$jobs"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
