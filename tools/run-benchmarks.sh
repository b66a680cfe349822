#!/usr/bin/env bash
# Runs every benchmark a build folder lists in benchmarks.list (written by CMake, one line each:
# name, headless or display, path) and prints each figure beside its baseline. The ones that
# open a window run under a private Xvfb server. Extra arguments go to every benchmark.
set -u
build=${1:?usage: run-benchmarks.sh BUILD_DIR [ARGS...]}
shift
here=$(cd "$(dirname "$0")" && pwd)
list="$build/benchmarks.list"
if [ ! -s "$list" ]; then
    echo "run-benchmarks: $list is missing: configure $build first" >&2
    exit 1
fi
export ALSOFT_DRIVERS=null
echo "load before: $(cat /proc/loadavg)"
status=0
while IFS=$'\t' read -r name kind binary; do
    if [ ! -x "$binary" ]; then
        echo "$name: not built ($binary)"
        status=1
        continue
    fi
    if [ "$kind" = display ]; then
        "$here/run-display-test.sh" "$binary" "$@" </dev/null || status=1
    else
        "$binary" "$@" </dev/null || status=1
    fi
done <"$list"
echo "load after: $(cat /proc/loadavg)"
exit $status
