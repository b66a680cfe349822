#!/usr/bin/env bash
# Runs one program under a private Xvfb server. Xvfb picks a free display number itself and
# reports it (-displayfd), so concurrent runs never share or fight over a server, as
# `xvfb-run -a` can when two of them pick the same number at once. Should the server still not
# be reached, the run is repeated; any other failure is the program's own and reported at once.
set -u
log=$(mktemp)
number=$(mktemp)
server=""
stop_server() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
        server=""
    fi
}
trap 'stop_server; rm -f "$log" "$number"' EXIT
for attempt in 1 2 3; do
    : >"$number"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    server=$!
    # The number is written once the server accepts clients.
    for _ in $(seq 200); do
        [ -s "$number" ] && break
        kill -0 "$server" 2>/dev/null || break
        sleep 0.05
    done
    if [ -s "$number" ]; then
        DISPLAY=":$(head -n 1 "$number")" "$@" >"$log" 2>&1
        status=$?
        cat "$log"
    else
        status=1
        echo "Xvfb failed to start" >"$log"
    fi
    stop_server
    if [ "$status" -eq 0 ] || ! grep -qE "Failed to open X11 display|cannot open display|Xvfb failed to start" "$log"; then
        exit "$status"
    fi
    echo "run-display-test: no X server reached (attempt $attempt), trying again" >&2
    sleep 1
done
exit "$status"
