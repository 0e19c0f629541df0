#!/usr/bin/env bash
# Benchmarks of a collection run under Wine, each in its own throwaway prefix and display.
#
#   bench/run.sh [compare] [--runs N]   the program against cmd alone on 5,000 files, N rounds
#                                       (default 5), alternating
#   bench/run.sh scale [--skip-largest] the program on 1,000, 10,000 and 100,000 files; the
#                                       largest takes several minutes
#
# Builds into build/bench/ first. Prints figures only: nothing here passes or fails on time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=$root/bench
build=$root/build/bench

usage() {
    sed -n '4,7s/^# \{0,1\}//p' "$0" >&2
    exit 2
}

benchmark=compare runs=5 sizes=(1000 10000 100000)
case ${1:-} in
    compare | scale)
        benchmark=$1
        shift
        ;;
esac
while [ $# -gt 0 ]; do
    case $benchmark:$1 in
        compare:--runs)
            [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || usage
            runs=$2
            shift 2
            ;;
        scale:--skip-largest)
            sizes=(1000 10000)
            shift
            ;;
        *) usage ;;
    esac
done

bash "$root/scripts/install-deps.sh"
mkdir -p "$build"
echo "Building into $build (log: $build/build.log) ..."
if ! bash "$root/scripts/build.sh" "$build" >"$build/build.log" 2>&1; then
    tail -n 30 "$build/build.log" >&2
    exit 1
fi
BENCH_EXE=$build/windows/bench/collection_bench.exe

source "$root/scripts/lib/wine-env.sh"
source "$bench/lib/measure.sh"
source "$bench/lib/tree.sh"
source "$bench/lib/$benchmark.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/bench.XXXXXX")
# wine_env_stop runs "wineserver -k" for whatever WINEPREFIX says: name this run's prefix before
# the trap can fire, so that an early exit never reaches the default prefix.
export WINEPREFIX=$work/prefix
trap 'wine_env_stop; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP
echo "Starting a Wine prefix in $work ..."
WINE_ENV_OWN_DISPLAY=1 wine_env_start "$work" "$build/windows/tests/windows/recorder.exe"

case $benchmark in
    compare) compare_bench "$runs" ;;
    scale) scale_bench "${sizes[@]}" ;;
esac
