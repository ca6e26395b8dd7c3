#!/usr/bin/env bash
# Checks what an installation of a build holds and builds its Debian package:
#   tools/paket_pruefen.sh <build folder> <folder for the .deb>
# The program must have been built in <build folder>. Installs it into a scratch
# DESTDIR under two prefixes and compares each tree with the expected files,
# validates the desktop entry, the AppStream metadata and the manual page, then
# builds the .deb with CPack and looks into it. The .deb stays in the second folder.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ]; then
    echo "Aufruf: tools/paket_pruefen.sh <Build-Ordner> <Ordner für das .deb>" >&2
    exit 2
fi
build="$(realpath "$1")"
mkdir -p "$2"
ausgabe="$(realpath "$2")"

fehler() {
    echo "paket_pruefen: $*" >&2
    exit 1
}

id="$(sed -n 's/^set(GEOMETRIE_ID "\(.*\)")$/\1/p' CMakeLists.txt)"
[ -n "$id" ] || fehler "GEOMETRIE_ID not found in CMakeLists.txt"
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
[ -n "$version" ] || fehler "no package version in $build/CPackConfig.cmake"

# Every file an installation holds, relative to the prefix.
erwartet() {
    printf '%s\n' \
        bin/geometrie \
        "share/applications/$id.desktop" \
        "share/icons/hicolor/48x48/apps/$id.png" \
        "share/icons/hicolor/64x64/apps/$id.png" \
        "share/icons/hicolor/128x128/apps/$id.png" \
        "share/icons/hicolor/256x256/apps/$id.png" \
        "share/icons/hicolor/scalable/apps/$id.svg" \
        share/man/man1/geometrie.1 \
        "share/metainfo/$id.metainfo.xml" | sort
}

arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT

# --- cmake --install: the same files under any prefix, nothing outside it ---
for prefix in /usr /opt/geometrie; do
    ziel="$arbeit/ziel$prefix"
    rm -rf "$arbeit/ziel"
    DESTDIR="$arbeit/ziel" cmake --install "$build" --prefix "$prefix" >/dev/null
    if ! diff -u <(erwartet) <(cd "$arbeit/ziel" && find . \( -type f -o -type l \) | sed "s|^\.$prefix/||" | sort) \
        >"$arbeit/diff"; then
        cat "$arbeit/diff" >&2
        fehler "the installation under $prefix does not hold exactly the expected files (- missing, + extra)"
    fi
done
baum="$arbeit/ziel/opt/geometrie"

[ -x "$baum/bin/geometrie" ] || fehler "bin/geometrie is not executable"
file -b "$baum/bin/geometrie" | grep -q '^ELF' || fehler "bin/geometrie is no ELF program"
for groesse in 48 64 128 256; do
    art="$(file -b "$baum/share/icons/hicolor/${groesse}x${groesse}/apps/$id.png")"
    [[ "$art" == "PNG image data, $groesse x $groesse,"*RGBA* ]] || fehler "icon ${groesse}x${groesse}: $art"
done
file -b "$baum/share/icons/hicolor/scalable/apps/$id.svg" | grep -q SVG || fehler "the scalable icon is no SVG"

# --- desktop entry ---
eintrag="$baum/share/applications/$id.desktop"
ausgabeDfv="$(desktop-file-validate "$eintrag" 2>&1)" || fehler "desktop-file-validate: $ausgabeDfv"
[ -z "$ausgabeDfv" ] || fehler "desktop-file-validate: $ausgabeDfv"
schluessel() { sed -n "s/^$1=//p" "$eintrag"; }
[ "$(schluessel Exec)" = geometrie ] || fehler "desktop entry: Exec is not geometrie"
[ "$(schluessel Icon)" = "$id" ] || fehler "desktop entry: Icon is not $id"
[ "$(schluessel Name)" = Geometrie ] || fehler "desktop entry: Name is not Geometrie"
[[ "$(schluessel Categories)" == Education\;Math\;* ]] || fehler "desktop entry: not under Education;Math"
echo "desktop-file-validate $id.desktop: no errors, no warnings"

# --- AppStream metadata ---
metainfo="$baum/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" >"$arbeit/as" 2>&1 || { cat "$arbeit/as" >&2; fehler "appstreamcli validate failed"; }
if grep -Eq '^[EWIP]: ' "$arbeit/as"; then
    cat "$arbeit/as" >&2
    fehler "appstreamcli validate reports issues"
fi
grep -q "<id>$id</id>" "$metainfo" || fehler "metainfo: id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fehler "metainfo: launchable is not $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fehler "metainfo: no release $version (the package version)"
echo "appstreamcli validate --no-net --pedantic $id.metainfo.xml: $(grep -v '^$' "$arbeit/as")"

# --- manual page ---
seite="$baum/share/man/man1/geometrie.1"
warnungen="$(groff -man -ww -z -K utf8 "$seite" 2>&1)" || fehler "groff: $warnungen"
[ -z "$warnungen" ] || fehler "geometrie.1: $warnungen"
grep -q '^geometrie \\- ' "$seite" || fehler "geometrie.1: NAME line missing"

# --- Debian package ---
rm -f "$ausgabe"/geometrie_*.deb
(cd "$arbeit" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$ausgabe" >"$arbeit/cpack" 2>&1) ||
    { cat "$arbeit/cpack" >&2; fehler "cpack failed"; }
debs=("$ausgabe"/geometrie_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fehler "cpack made no geometrie_*.deb in $ausgabe"
deb="${debs[0]}"

feld() { dpkg-deb --field "$deb" "$1"; }
[ "$(feld Package)" = geometrie ] || fehler ".deb: Package is not geometrie"
[ "$(feld Section)" = education ] || fehler ".deb: Section is not education"
[ -n "$(feld Maintainer)" ] || fehler ".deb: no Maintainer"
[ -n "$(feld Description)" ] || fehler ".deb: no Description"
[ "$(feld Version)" = "$version-1" ] || fehler ".deb: Version $(feld Version) is not $version-1"

# Dependencies: computed from the binary, plus the fonts, Qt's platform
# plugins and its translations; nothing but the C and C++ runtime, Qt and the fonts.
# SVG and print support come with the menu "Bild".
abhaengig="$(feld Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort -u)"
for muss in fonts-liberation qt6-qpa-plugins qt6-translations-l10n libqt6core6 libqt6gui6 libqt6widgets6 \
    libqt6svg6 libqt6printsupport6; do
    grep -qx "$muss" <<<"$abhaengig" || fehler ".deb does not depend on $muss (Depends: $(feld Depends))"
done
fremd="$(grep -Ev '^(libc6|libgcc-s1|libstdc\+\+6|libqt6[a-z0-9-]*|qt6-qpa-plugins|qt6-translations-l10n|fonts-liberation)$' <<<"$abhaengig" || true)"
[ -z "$fremd" ] || fehler ".deb depends on more than Qt and the fonts: $fremd"

if ! diff -u <(erwartet | sed 's|^|usr/|') \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort) >"$arbeit/diff"; then
    cat "$arbeit/diff" >&2
    fehler ".deb does not hold exactly the installed files (- missing, + extra)"
fi
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/bin/geometrie >"$arbeit/programm"
file -b "$arbeit/programm" | grep -q ', stripped' || fehler "the program in the .deb is not stripped"

echo "$(basename "$deb"): Section $(feld Section), Depends: $(feld Depends)"
