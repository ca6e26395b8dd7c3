#!/usr/bin/env bash
# Builds the browser edition into build/web: the lesson core (geokern.js and
# geokern.wasm; node/ holds the build the Node tests load), the page, the
# pictures, the fonts, the icons, the service worker's file list and the single
# file geometrie.html. Installs what is missing on Debian.
#   tools/web_bauen.sh                 build
#   tools/web_bauen.sh --dienen [PORT] build, then serve on http://127.0.0.1:8080/
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$(pwd)
aus=build/web

source tools/pakete.sh
sichere_pakete "${GEOMETRIE_WEBBAU[@]}"
# puppeteer-core and what it needs, exactly as in the lock file (for the tests
# and the server of --dienen).
[ -d web/node_modules/puppeteer-core ] || (cd web && npm ci --no-audit --no-fund)

# Debian's emscripten finds its JavaScript modules (acorn) only there.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build/web-cmake -DCMAKE_BUILD_TYPE=Release -DGEOMETRIE_WERROR=ON \
    -DGEOMETRIE_WEB_AUSGABE="$wurzel/$aus" >/dev/null
cmake --build build/web-cmake -j2 --target geokern_web geokern_node

# The page: everything but the core is copied afresh, so that nothing removed
# from the sources lingers in the service worker's list.
find "$aus" -mindepth 1 -maxdepth 1 ! -name 'geokern.*' ! -name node -exec rm -rf {} +
cp web/seite/* "$aus/"
mkdir -p "$aus/bilder" "$aus/symbole"
cp resources/*.jpg "$aus/bilder/"
# The desktop's icon, drawn by tools/Programmsymbol (a test keeps packaging/icons
# equal to what it draws).
symbole=packaging/icons/hicolor
cp "$symbole/scalable/apps/de.geometriekurs.geometrie.svg" "$aus/symbole/geometrie.svg"
for g in 48 64 128 256; do
    cp "$symbole/${g}x${g}/apps/de.geometriekurs.geometrie.png" "$aus/symbole/geometrie-$g.png"
done
tools/web_schriften.sh "$aus/schriften"

node tools/web_vorrat.js "$aus"
node tools/web_einzeldatei.js "$aus"
ls -l "$aus/geokern.js" "$aus/geokern.wasm" "$aus/geometrie.html"

if [ "${1:-}" = --dienen ]; then
    exec node tools/web_dienen.js "$aus" "${2:-8080}"
fi
