# Shared by the start and test commands: makes sure the Debian packages are there.
# As root the missing ones are installed; otherwise the exact install line is
# printed and the command stops.
sichere_pakete() {
    local fehlend=()
    local paket
    for paket in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
            fehlend+=("$paket")
        fi
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${fehlend[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}"
    else
        echo "Missing Debian packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${fehlend[*]}" >&2
        exit 1
    fi
}

GEOMETRIE_PAKETE=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n libgtest-dev libbenchmark-dev fonts-liberation)
# Building and checking the Debian package (test command and package command):
# dpkg-shlibdeps, file, the validators of the desktop entry and the AppStream
# metadata, groff for the manual page.
GEOMETRIE_PAKETBAU=(dpkg-dev file desktop-file-utils appstream groff-base)
# The browser edition: emscripten builds the core, woff2 and the Liberation
# fonts give the page its fonts, Node runs the build's scripts and the tests,
# which drive Debian's chromium.
# Node and npm count as there when their commands are, whoever installed them.
GEOMETRIE_WEBBAU=(emscripten cmake woff2 fonts-liberation)
command -v node >/dev/null 2>&1 || GEOMETRIE_WEBBAU+=(nodejs)
command -v npm >/dev/null 2>&1 || GEOMETRIE_WEBBAU+=(npm)
GEOMETRIE_WEBTEST=(chromium)
