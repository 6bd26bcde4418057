#!/usr/bin/env bash
# The built program in a temporary program directory under Xvfb: it starts, shows
# its caption, is photographed, and exits with status 0 on a close request.
# Usage: smoke.sh <lexavo> <write_fixture> [screenshot.png]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
shot=${3:-}

start_display
start_program
title=$(xdotool getwindowname "$win")
expected='[Aj->Čj] Lexavo 6  (www.lexavo.example)'
[ "$title" = "$expected" ] || { echo "window title: '$title', expected '$expected'"; exit 1; }
if [ -n "$shot" ]; then import -window "$win" "$shot"; fi
close_program
echo "e2e smoke: 1 passed, 0 failed"
