#!/usr/bin/env bash
# Builds and runs every test: a normal build, the browser edition against it,
# then a build with AddressSanitizer and UndefinedBehaviorSanitizer. Warnings
# are errors in all. After the normal build, it is installed and packaged as a
# .deb and both are checked (tools/paket_pruefen.sh). Each phase prints its time.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/pakete.sh
sichere_pakete "${GEOMETRIE_PAKETE[@]}" "${GEOMETRIE_PAKETBAU[@]}" "${GEOMETRIE_WEBBAU[@]}" "${GEOMETRIE_WEBTEST[@]}"

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"
beginn=$SECONDS

phase() {
    local name=$1 t0=$SECONDS
    shift
    "$@"
    echo "== $name: $((SECONDS - t0)) s (bisher $((SECONDS - beginn)) s)"
}

# A browser test that is not there yet is named, not passed over in silence;
# one that fails does not keep the others from running.
web_fehler=""
web_test() {
    local datei=web/test/$1
    shift
    if [ ! -e "$datei" ]; then
        echo "!! FEHLT: $datei — nicht geprüft" >&2
        return
    fi
    echo "-- node $datei $*"
    node "$datei" "$@" || web_fehler="$web_fehler $datei"
}

web_tests() {
    web_test vergleich.js
    web_test gaenge.js
    # The painter against the desktop: every drawing area of every state the
    # picture tool reaches, drawn by the desktop and then in the browser.
    local bilder
    bilder=$(mktemp -d)
    build/tests/tools/Fensterbilder/Fensterbilder --zeichnungen "$bilder/z" "$bilder/f" >/dev/null
    web_test maler.js "$bilder/z"
    rm -rf "$bilder"
    web_test offline.js
    if [ -n "$web_fehler" ]; then
        echo "Browser-Tests fehlgeschlagen:$web_fehler" >&2
        return 1
    fi
}

normal_bauen() {
    cmake -S . -B build/tests -DGEOMETRIE_WERROR=ON -DGEOMETRIE_BENCH=ON >/dev/null
    cmake --build build/tests -j"$jobs"
}
phase "Bau" normal_bauen
phase "Tests" ctest --test-dir build/tests --output-on-failure -j"$jobs"
# Installation, desktop files and the .deb, from the build just tested.
phase "Paket" tools/paket_pruefen.sh build/tests build/tests/paket

# The browser edition, built and tested while the sanitizer build compiles:
# its build needs nothing of the native one (the comparison and the painter
# test use Kernvergleich and Fensterbilder from it), and its tests mostly wait
# for Chromium, so both fit on two cores beside the compiler. Its output comes
# after the sanitizer build's.
web_teil() {
    phase "Web-Bau" tools/web_bauen.sh
    phase "Web-Tests" web_tests
}
mkdir -p build
web_teil >build/web-tests.log 2>&1 &
web_job=$!
# Should the sanitizer build fail, the browser part still ends before the run does.
trap 'wait "$web_job" 2>/dev/null || true' EXIT

# Only the test programs: the tools' own programs and the benchmarks are left
# out, the drawing code the tools' test checks is in.
sanitizer_bauen() {
    cmake -S . -B build/sanitize -DGEOMETRIE_WERROR=ON -DGEOMETRIE_SANITIZE=ON -DGEOMETRIE_BENCH=OFF \
        -DCMAKE_CXX_FLAGS=-O1 >/dev/null
    cmake --build build/sanitize -j"$jobs" --target testprogramme
}
phase "Sanitizer-Bau" sanitizer_bauen
web_ok=0
wait "$web_job" || web_ok=$?
cat build/web-tests.log
echo "== Browser-Ausgabe oben (bisher $((SECONDS - beginn)) s)"
[ "$web_ok" = 0 ] || { echo "Die Browser-Ausgabe ist durchgefallen." >&2; exit 1; }
# The budgets (web/test/messen_browser.js) are benchmarks: run them by hand on a
# quiet machine; on a CI machine just out of two builds they measure the machine.
# Under the sanitizers every test runs but the second seed of the random pupil
# and the picture comparisons of every window state: both ran above in the
# normal build, and they are a third of the sanitizer run's time.
phase "Sanitizer-Tests" ctest --test-dir build/sanitize --output-on-failure -j"$jobs" \
    -E 'Affentest\.Fenster/.*_Keim2|BildJeZustand\.'

