#!/usr/bin/env bash
# Runs every test: the native unit tests, then the Windows-side tests under Wine in a throwaway
# prefix with its own virtual display. Installs what is missing first. Fails if any test fails.
# Screenshots of the window tests end up in build/windows/gui-screenshots/ as PNG files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" "$build"

ctest --test-dir "$build/native" --output-on-failure

source "$root/scripts/lib/wine-env.sh"
screenshots=$build/windows/gui-screenshots
rm -rf "$screenshots"
work=$(mktemp -d)
finish() {
    wine_env_stop
    rm -rf "$work"
    for bmp in "$screenshots"/*.bmp; do
        [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
    done
    return 0
}
trap finish EXIT
WINE_ENV_OWN_DISPLAY=1 wine_env_start "$work" "$build/windows/tests/windows/recorder.exe"
ctest --test-dir "$build/windows" --output-on-failure --timeout 600
