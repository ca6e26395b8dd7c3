#!/bin/sh
# Builds the lesson core for web pages into build/web: geokern.js and
# geokern.wasm for the browser, node/geokern.{js,wasm} for the tests under Node.
# Installs Debian's emscripten where it is missing.
set -eu
cd "$(dirname "$0")/.."
wurzel=$(pwd)

fehlend=""
command -v em++ >/dev/null 2>&1 || fehlend="$fehlend emscripten"
command -v node >/dev/null 2>&1 || fehlend="$fehlend nodejs"
command -v cmake >/dev/null 2>&1 || fehlend="$fehlend cmake"
if [ -n "$fehlend" ]; then
    if [ "$(id -u)" = 0 ]; then
        apt-get update && apt-get install -y $fehlend
    else
        echo "Es fehlt:$fehlend — bitte: sudo apt-get install$fehlend" >&2
        exit 1
    fi
fi

# Debian's emscripten finds its JavaScript modules (acorn) only there.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build/web/cmake -DCMAKE_BUILD_TYPE=Release -DGEOMETRIE_WERROR=ON \
    -DGEOMETRIE_WEB_AUSGABE="$wurzel/build/web" >/dev/null
cmake --build build/web/cmake -j2 --target geokern_web geokern_node
ls -l build/web/geokern.js build/web/geokern.wasm
