#!/usr/bin/env bash
# Builds and runs every test twice: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors in both.
# Between the two, the normal build is installed and packaged as a .deb and
# both are checked (tools/paket_pruefen.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/pakete.sh
sichere_pakete "${GEOMETRIE_PAKETE[@]}" "${GEOMETRIE_PAKETBAU[@]}"

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S . -B build/tests -DGEOMETRIE_WERROR=ON -DGEOMETRIE_BENCH=ON >/dev/null
cmake --build build/tests -j"$jobs"
ctest --test-dir build/tests --output-on-failure -j"$jobs"
# Installation, desktop files and the .deb, from the build just tested.
tools/paket_pruefen.sh build/tests build/tests/paket

# Only the test programs: the tools' own programs and the benchmarks are left
# out, the drawing code the tools' test checks is in.
cmake -S . -B build/sanitize -DGEOMETRIE_WERROR=ON -DGEOMETRIE_SANITIZE=ON -DGEOMETRIE_BENCH=OFF \
    -DCMAKE_CXX_FLAGS=-O1 >/dev/null
cmake --build build/sanitize -j"$jobs" --target testprogramme
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"
