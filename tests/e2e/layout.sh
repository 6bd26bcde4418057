#!/usr/bin/env bash
# The main window's layout test under a real X server with a window manager, at
# device pixel ratio 1 and 2 (QT_SCALE_FACTOR), on a screen large enough for a
# 1920 x 1080 window at ratio 2. The screenshots it takes are left in SHOTS_DIR.
# Usage: layout.sh <ui_tests> <shots dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
test_program=$1
shots=$2
trap 'stop_display' EXIT
export LEXAVO_SCREEN=3840x2200x24
start_display
rm -rf "$shots"
for ratio in 1 2; do
    echo "device pixel ratio $ratio"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$ratio LEXAVO_SHOTS="$shots" "$test_program" LayoutTest
done
ls "$shots"
