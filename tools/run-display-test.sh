#!/usr/bin/env bash
# Runs one program under a private Xvfb server. Xvfb picks a free display number itself and
# reports it (-displayfd), so concurrent runs never share a server. -noreset keeps the server
# up between clients: without it the server resets when a program closes its last connection,
# and the program's next window races that reset and is refused.
set -u
number=$(mktemp)
server=""
stop_server() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -f "$number"
}
trap stop_server EXIT
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1920x1080x24 3>"$number" >/dev/null 2>&1 &
server=$!
# The number is written once the server accepts clients.
for _ in $(seq 400); do
    [ -s "$number" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
if [ ! -s "$number" ]; then
    echo "run-display-test: Xvfb did not start" >&2
    exit 1
fi
DISPLAY=":$(head -n 1 "$number")" "$@"
