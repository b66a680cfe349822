#!/usr/bin/env bash
# Runs one test binary under a private Xvfb server. When the X server could not be reached
# (a server-number race between concurrent xvfb-run calls, or Xvfb refusing a connection), the
# run is repeated; any other failure is the test's own and is reported at once.
set -u
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for attempt in 1 2 3; do
    xvfb-run -a -s "-screen 0 1920x1080x24" "$@" >"$log" 2>&1
    status=$?
    cat "$log"
    if [ "$status" -eq 0 ] || ! grep -qE "Failed to open X11 display|cannot open display|Xvfb failed to start" "$log"; then
        exit "$status"
    fi
    echo "run-display-test: no X server reached (attempt $attempt), trying again" >&2
    sleep 1
done
exit "$status"
