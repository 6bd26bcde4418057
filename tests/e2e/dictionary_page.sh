#!/usr/bin/env bash
# The dictionary page and the file dialogs driven by real clicks and keys under a
# window manager, where focus returning from a menu, the second release of a double
# click and a dialog's completion popup behave as on a desktop:
#   - closing a menu leaves the typed word unselected, so typing goes on after it;
#   - after a double click on a row the whole word stays selected, so typing
#     replaces it;
#   - an open dialog accepted by a typed name and Enter leaves no popup behind, and
#     the keys that follow reach the window.
# Usage: dictionary_page.sh <lexavo> <write_fixture>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
fail() { echo "e2e dictionary page: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }

# Places inside the window (from its top left corner, below the frame), as laid out
# at 96 dpi: the "Slovník" menu title and the first row of the word list.
menu_slovnik="31 8"
first_row="95 100"

start_display
start_program

# An English text opened by typing its name and Enter; then the keys must reach the
# window again at once: the whole dictionary part below is typed after it.
printf 'dog house\n' >"$dir/small.txt"
keys F3 ctrl+t
dialog=
for _ in $(seq 50); do
    dialog=$(xdotool getactivewindow 2>/dev/null || true)
    [ -n "$dialog" ] && [ "$dialog" != "$win" ] && break
    sleep 0.1
done
[ "$dialog" != "$win" ] || fail "no open dialog"
type_text "$dir/small.txt"
keys Return
for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null || true)" = "$win" ] && break
    sleep 0.1
done
visible=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | sort -u | tr '\n' ' ')
[ "$visible" = "$win " ] || fail "windows on screen after the dialog: $visible(main window $win)"
keys F2

type_text hou
xdotool mousemove --window "$win" $menu_slovnik click 1
sleep 0.5
keys Escape Escape
type_text se
keys Return                     # "house"

keys End shift+Home            # the word selected, so that typing replaces it
type_text ad                    # the list holds "add"
xdotool mousemove --window "$win" $first_row click --repeat 2 --delay 120 1
sleep 0.5                       # "add", its word selected
type_text dog
keys Return                     # "dog", not "adddog"

# The entry taken away: F12 gives it the keyboard, Ctrl+C copies it as UTF-8 text.
keys F12 ctrl+c
expect_clipboard "$(printf 'Dog\n1) pes')" || fail "the copied entry reads '$clipboard'"
keys Escape

close_program || fail "close"
headings=$(iconv -f CP1250 -t UTF-8 "$dir/minule.txt" | grep '^"' | cut -d'"' -f2 | tr '\n' ' ')
[ "$headings" = "House Add Dog " ] || fail "the history holds the entries '$headings'"
echo "e2e dictionary page: 2 passed, 0 failed"
