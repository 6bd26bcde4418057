#!/usr/bin/env bash
# Typing after clicks: a click on something that is not an input control (the entry
# pane, the count line, the logo, an empty part of the tool bar) and every way of
# leaving the save and print dialogs opened by their tool buttons must leave the
# keyboard in the word field. Each case is followed by a word typed and Enter; the
# history stored at close must hold every one of them, in order.
# Usage: focus.sh <lexavo> <write_fixture>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
fail() { echo "e2e focus: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }

# The print dialog offers a PDF file in the home folder: keep it in the test's.
export HOME=$dir
start_display
start_program
expect_outer_size 569x375 || fail "first run"
# The window's inside on the screen.
geometry() { local xy size; read -r xy size <<<"$(absolute "$1")"; X=${xy%,*} Y=${xy#*,} WIDTH=${size%x*} HEIGHT=${size#*x}; }
geometry "$win"
left=$X top=$Y

click_at() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; sleep 0.4; }
look_up() { keys End shift+Home; type_text "$1"; keys Return; }

# Waits for a window named $1 and sets X, Y, WIDTH, HEIGHT to its geometry.
dialog_geometry() {
    local id=
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no dialog \"$1\""
    sleep 0.5
    geometry "$id"
}
# Leaves the dialog named $1 by $2: its own way of accepting, its cancel button
# (bottom right) or Escape.
leave_dialog() {
    dialog_geometry "$1"
    case $2 in
        accept) if [ "$1" = "Uložit jako" ]; then type_text "$dir/saved.txt"; fi; keys Return ;;
        cancel) xdotool mousemove $((X + WIDTH - 52)) $((Y + HEIGHT - 27)) click 1 ;;
        escape) keys Escape ;;
    esac
    sleep 0.5
}

expected=()
# Clicks on panels, in the default window's layout: the entry pane, the count line,
# the logo strip and the tool bar right of its buttons.
for case in "372 184 house" "122 289 dog" "22 84 world" "422 38 apple"; do
    set -- $case
    click_at "$1" "$2"
    look_up "$3"
    expected+=("$3")
done
# The save and print tool buttons, each dialog left in the three ways.
words=(hello big two abbey add about)
i=0
for button in "65 Uložit jako" "105 Tisk"; do
    x=${button%% *} name=${button#* }
    for way in accept cancel escape; do
        click_at "$x" 38
        leave_dialog "$name" "$way"
        look_up "${words[$i]}"
        expected+=("${words[$i]}")
        i=$((i + 1))
    done
done
[ -s "$dir/saved.txt" ] || fail "the save dialog saved nothing"
[ -s "$dir/print.pdf" ] || fail "the print dialog printed nothing"
close_program || fail "close"

python3 - "$dir/minule.txt" "${expected[@]}" <<'PY' || fail "typed words were lost"
import sys
lines = open(sys.argv[1], "rb").read().decode("cp1250").split("\r\n")
got = [l.split('"')[1].lower() for l in lines if l.startswith('"')]
if got != sys.argv[2:]:
    print("looked up:", got, "typed:", sys.argv[2:]); sys.exit(1)
PY
echo "e2e focus: ${#expected[@]} passed, 0 failed"
