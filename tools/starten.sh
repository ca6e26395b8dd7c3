#!/usr/bin/env bash
# Builds Geometrie and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/pakete.sh
sichere_pakete "${GEOMETRIE_PAKETE[@]}"

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DGEOMETRIE_TESTS=OFF -DGEOMETRIE_BENCH=OFF \
    -DGEOMETRIE_TOOLS=OFF >/dev/null
cmake --build build/release --target Geometrie -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Geometrie needs a graphical display, and none was found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    exit 1
fi
exec build/release/geometrie
