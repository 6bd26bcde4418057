#!/usr/bin/env bash
# Ends from outside the window: SIGTERM (a plain kill, a shutdown), SIGHUP (a
# closed terminal) and SIGINT (Ctrl+C) each run the close step as the close box
# does: the words searched are in minule.txt, the window's bounds in lexavo.ini,
# and the program exits with status 0.
# Usage: run_end.sh <lexavo> <write_fixture>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
fail() { echo "e2e run end: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }

start_display
passed=0
for signal in TERM HUP INT; do
    rm -f "$dir/lexavo.ini" "$dir/minule.txt"
    start_program
    expect_outer_size 569x375 || fail "SIG$signal: start"
    for word in house dog world; do
        keys End shift+Home
        type_text "$word"
        keys Return
    done
    kill -s "$signal" "$app"
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "SIG$signal: the program did not end"
    status=0
    wait "$app" || status=$?
    app=
    [ "$status" -eq 0 ] || fail "SIG$signal: exit status $status"
    python3 - "$dir" <<'PY' || fail "SIG$signal: run files"
import struct, sys
d = sys.argv[1]
lines = open(d + "/minule.txt", "rb").read().decode("cp1250").split("\r\n")
got = [l.split('"')[1] for l in lines if l.startswith('"')]
if got != ["House", "Dog", "World"]:
    print("minule.txt headings:", got); sys.exit(1)
bounds = struct.unpack("<4i", open(d + "/lexavo.ini", "rb").read()[:16])
if bounds != (227, 196, 569, 375):
    print("lexavo.ini bounds:", bounds); sys.exit(1)
PY
    passed=$((passed + 1))
done
echo "e2e run end: $passed passed, 0 failed"
