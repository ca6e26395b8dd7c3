#!/usr/bin/env bash
# Builds the Debian package: the program in Release mode (in the start
# command's build folder), then build/paket/geometrie_<version>_<arch>.deb,
# checked as the test command checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/pakete.sh
sichere_pakete "${GEOMETRIE_PAKETE[@]}" "${GEOMETRIE_PAKETBAU[@]}"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DGEOMETRIE_TESTS=OFF -DGEOMETRIE_BENCH=OFF \
    -DGEOMETRIE_TOOLS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
tools/paket_pruefen.sh build/release build/paket
ls build/paket/geometrie_*.deb
