#!/usr/bin/env bash
# take.sh <screenshots binary> <data folder> <game file> <output folder>
# Runs the picture taker on the current X display in a scratch run folder, so no saved game or
# settings get in the way.
set -eu
tool=$(realpath "$1")
data=$(realpath "$2")
game=$(realpath "$3")
mkdir -p "$4"
out=$(realpath "$4")
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
ln -s "$data" "$run/data"
cp "$game" "$run/test_entities_save.json"
cd "$run"
# Mesa and X11 keep process-lifetime allocations that a sanitized build would report.
ALSOFT_DRIVERS=null ASAN_OPTIONS=detect_leaks=0 "$tool" "$out"
