#!/bin/sh
# Converts the four Liberation fonts the drawings use (Sans and Serif, regular
# and bold) into WOFF2 files in <zielordner>, for the browser edition.
# Installs Debian's fonts-liberation and woff2 where they are missing.
#   sh tools/web_schriften.sh build/web/schriften
set -eu
if [ $# -ne 1 ]; then
    echo "Aufruf: sh tools/web_schriften.sh <Zielordner>" >&2
    exit 2
fi
ziel=$1
quelle=/usr/share/fonts/truetype/liberation
schriften="LiberationSans-Regular LiberationSans-Bold LiberationSerif-Regular LiberationSerif-Bold"

fehlend=""
command -v woff2_compress >/dev/null 2>&1 || fehlend="$fehlend woff2"
[ -f "$quelle/LiberationSans-Regular.ttf" ] || fehlend="$fehlend fonts-liberation"
if [ -n "$fehlend" ]; then
    if [ "$(id -u)" = 0 ]; then
        apt-get update && apt-get install -y $fehlend
    else
        echo "Es fehlt:$fehlend — bitte: sudo apt-get install$fehlend" >&2
        exit 1
    fi
fi

mkdir -p "$ziel"
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
for name in $schriften; do
    # woff2_compress writes next to its input; only newer sources are converted again.
    if [ ! -f "$ziel/$name.woff2" ] || [ "$quelle/$name.ttf" -nt "$ziel/$name.woff2" ]; then
        cp "$quelle/$name.ttf" "$arbeit/"
        woff2_compress "$arbeit/$name.ttf" >/dev/null 2>&1
        mv "$arbeit/$name.woff2" "$ziel/"
    fi
done
ls -l "$ziel"/*.woff2
