#!/usr/bin/env bash
# Converts the four Liberation fonts the drawings use (Sans and Serif, regular
# and bold) into WOFF2 files in <zielordner>, for the browser edition.
# Installs Debian's fonts-liberation and woff2 where they are missing.
#   tools/web_schriften.sh build/web/schriften
set -eu
if [ $# -ne 1 ]; then
    echo "Aufruf: tools/web_schriften.sh <Zielordner>" >&2
    exit 2
fi
ziel=$1
quelle=/usr/share/fonts/truetype/liberation
schriften="LiberationSans-Regular LiberationSans-Bold LiberationSerif-Regular LiberationSerif-Bold"

source "$(dirname "$0")/pakete.sh"
sichere_pakete woff2 fonts-liberation

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
