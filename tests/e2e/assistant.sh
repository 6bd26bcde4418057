#!/usr/bin/env bash
# The translation assistant as a user meets it: started by F6 and by the "Pomocník"
# button (one assistant however often), a word copied in another program shown at
# once without taking that program's keyboard, a copied paragraph translated word by
# word, and the window back at its place after a close and a new start.
# Usage: assistant.sh <lexavo> <write_fixture> <pomocnik>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
cp "$3" "$dir/pomocnik"
fail() { echo "e2e assistant: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }
other=
trap 'stop_display; [ -z "$other" ] || kill "$other" 2>/dev/null || true; pkill -f "$dir/pomocnik" 2>/dev/null || true; rm -rf "$dir"' EXIT

assistants() { xdotool search --name 'Překladový pomocník$' 2>/dev/null | wc -l; }
wait_for_assistant() {
    for _ in $(seq 100); do [ "$(assistants)" -ge 1 ] && return 0; sleep 0.1; done
    fail "no assistant window after $1"
}

start_display
start_program
keys F6
wait_for_assistant F6
assistant=$(xdotool search --name 'Překladový pomocník$' | head -n1)

# Another program the user reads in has the keyboard.
xmessage -name prohlizec -geometry 300x120+10+10 "Text v prohlížeči" &
other=$!
for _ in $(seq 50); do reader=$(xdotool search --classname prohlizec 2>/dev/null | head -n1 || true); [ -n "$reader" ] && break; sleep 0.1; done
[ -n "$reader" ] || fail "no reader window"
xdotool windowactivate --sync "$reader" 2>/dev/null || true
sleep 0.5
focused=$(xdotool getwindowfocus)

# A copied word: its entry, and how long it took, copy to title.
started=$(date +%s%N)
printf 'house' | xclip -selection clipboard
shown=
for _ in $(seq 250); do
    xdotool search --name '^house – Překladový pomocník$' >/dev/null 2>&1 && { shown=1; break; }
    sleep 0.02
done
[ -n "$shown" ] || fail "the copied word was not looked up"
echo "copied word shown after $(( ($(date +%s%N) - started) / 1000000 )) ms"
[ "$(xdotool getwindowfocus)" = "$focused" ] || fail "the assistant took the keyboard"

# Started again by F6 and by the button: still one assistant.
xdotool windowactivate --sync "$win" 2>/dev/null || true
sleep 0.3
keys F6
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 285)) $((Y + 38)) click 1   # the "Pomocník" button
sleep 2
[ "$(assistants)" = 1 ] || fail "$(assistants) assistant windows"
[ "$(pgrep -f "$dir/pomocnik" | wc -l)" = 1 ] || fail "$(pgrep -f "$dir/pomocnik" | wc -l) assistants run"

# A copied paragraph is translated word by word into the second pane; copied out of
# it again (the assistant does not look up its own copies) it reads as expected.
printf 'The dog and the house.\nHello world.' | xclip -selection clipboard
for _ in $(seq 100); do
    xdotool search --name '^Překlad textu – Překladový pomocník$' >/dev/null 2>&1 && break
    sleep 0.05
done
xdotool windowactivate --sync "$assistant" 2>/dev/null || true
sleep 0.3
read -r place size <<<"$(absolute "$assistant")"
width=${size%x*} height=${size#*x}
xdotool mousemove $((${place%,*} + width / 2)) $((${place#*,} + height - 30)) click 1
sleep 0.3
keys ctrl+a ctrl+c
expect_clipboard "$(printf 'ten pes a ten dům.\nahoj svět.')" || fail "the paragraph became '$clipboard'"

# Closed and started again, the assistant comes back at its place.
# Moved as a user moves it: its title bar dragged.
read -r place size <<<"$(absolute "$assistant")"
xdotool mousemove $((${place%,*} + 60)) $((${place#*,} - 8)) mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove_relative -- -30 -20
    sleep 0.1
done
xdotool mouseup 1
sleep 0.7
before=$(absolute "$assistant")
python3 "$here/x11_close.py" "$assistant"
for _ in $(seq 50); do [ "$(assistants)" = 0 ] && break; sleep 0.1; done
[ "$(assistants)" = 0 ] || fail "the assistant did not close"
[ -f "$dir/pomocnik.ini" ] || fail "no pomocnik.ini"
xdotool windowactivate --sync "$win" 2>/dev/null || true
sleep 0.3
keys F6
wait_for_assistant "the second start"
sleep 0.7
assistant=$(xdotool search --name 'Překladový pomocník$' | head -n1)
after=$(absolute "$assistant")
[ "$after" = "$before" ] || fail "the assistant came back at $after, not $before"
close_program || fail "close"
echo "e2e assistant: 5 passed, 0 failed"
