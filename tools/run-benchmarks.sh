#!/usr/bin/env bash
# Runs every benchmark of a build folder and prints each figure beside its baseline. The ones
# that open a window run under a private Xvfb server. Extra arguments go to every benchmark
# (--smoke: once each, on tiny inputs).
set -u
build=${1:?usage: run-benchmarks.sh BUILD_DIR [ARGS...]}
shift
here=$(cd "$(dirname "$0")" && pwd)
headless="bench_ecs bench_physics bench_navigation bench_serialization"
windowed="bench_tiles bench_simulation bench_drawing bench_startup bench_console"
export ALSOFT_DRIVERS=null
echo "load before: $(cat /proc/loadavg)"
status=0
for name in $headless $windowed; do
    binary=$(find "$build/tools" "$build/tests" -type f -name "$name" -perm -u+x 2>/dev/null | head -n 1)
    if [ -z "$binary" ]; then
        echo "$name: not built (Google Benchmark missing?)"
        status=1
        continue
    fi
    case " $windowed " in
    *" $name "*) "$here/run-display-test.sh" "$binary" "$@" || status=1 ;;
    *) "$binary" "$@" || status=1 ;;
    esac
done
echo "load after: $(cat /proc/loadavg)"
exit $status
