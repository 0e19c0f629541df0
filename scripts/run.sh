#!/usr/bin/env bash
# Runs the program. Builds it first when needed.
#   On Windows (MSYS2):        builds with MinGW and starts build/bin/Project1.exe.
#   On Debian with a display:   starts it under Wine. Its C: is build/run/prefix/drive_c (the
#                               listing is C:\文件清单.txt there), its D: is build/run/d.
#   On Debian without display:  starts a virtual display and runs a scripted demonstration:
#                               answers the warning, chooses D:\示例文件夹, runs a collection,
#                               saves a screenshot of each step in build/run/screenshots and
#                               prints the lines the collection added to the listing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build

case "$(uname -s)" in
MINGW* | MSYS*)
    cmake -S "$root" -B "$build" -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" --target Project1
    exec "$build/bin/Project1.exe"
    ;;
esac

bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" "$build"
bin=$build/windows/bin

source "$root/scripts/lib/wine-env.sh"
run=$build/run
trap wine_env_stop EXIT

if [ -n "${DISPLAY:-}" ]; then
    wine_env_start "$run"
    echo "D: is $run/d; the listing is $WINEPREFIX/drive_c/文件清单.txt"
    wine "$bin/Project1.exe" >/dev/null 2>&1 </dev/null
    exit 0
fi

wine_env_start "$run" "$build/windows/tests/windows/recorder.exe"
sample=$run/d/示例文件夹
mkdir -p "$sample/照片" "$sample/docs"
printf 'x' >"$sample/readme.txt"
printf 'x' >"$sample/docs/report 2024.docx"
printf 'x' >"$sample/照片/IMG_0001.jpg"
printf 'x' >"$sample/照片/IMG_0002.jpg"
shots=$run/screenshots
rm -rf "$shots"
listing=$WINEPREFIX/drive_c/文件清单.txt
before=$(stat -c %s "$listing" 2>/dev/null || echo 0)

wine "$bin/demo.exe" 'D:\示例文件夹' "Z:${shots//\//\\}" >"$run/demo.log" 2>&1 </dev/null ||
    { cat "$run/demo.log" >&2; exit 1; }
for bmp in "$shots"/*.bmp; do convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"; done

echo "Screenshots of each step: $shots"
ls "$shots"
echo "Lines this collection added to C:\\文件清单.txt ($listing):"
tail -c +$((before + 1)) "$listing" | iconv -f GBK -t UTF-8
