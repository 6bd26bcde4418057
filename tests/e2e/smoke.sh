#!/usr/bin/env bash
# The built program in a temporary program directory under Xvfb: it starts, shows
# its caption, is photographed, and exits with status 0 on a close request.
# Usage: smoke.sh <lexavo> <write_fixture> [screenshot.png]
set -euo pipefail
lexavo=$1
fixture=$2
shot=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d /tmp/lexavo-e2e-XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT

cp "$lexavo" "$dir/lexavo"
"$fixture" "$dir"

# A display number of our own, so parallel runs do not meet.
display=:$(( 100 + RANDOM % 800 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$dir/lexavo" &
app=$!
win=
for _ in $(seq 100); do
    win=$(xdotool search --name 'Lexavo 6' 2>/dev/null | head -n1 || true)
    [ -n "$win" ] && break
    sleep 0.1
done
[ -n "$win" ] || { echo "no window appeared"; kill $app; exit 1; }
sleep 0.5
title=$(xdotool getwindowname "$win")
expected='[Aj->Čj] Lexavo 6  (www.lexavo.example)'
if [ "$title" != "$expected" ]; then
    echo "window title: '$title', expected '$expected'"
    kill $app
    exit 1
fi
if [ -n "$shot" ]; then import -window "$win" "$shot"; fi
python3 "$here/x11_close.py" "$win"
status=0
for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
if kill -0 $app 2>/dev/null; then echo "program did not exit on the close request"; kill $app; exit 1; fi
wait $app || status=$?
[ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }
echo "e2e smoke: 1 passed, 0 failed"
