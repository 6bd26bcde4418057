#!/usr/bin/env bash
# A real session under Xvfb: look a word up by typing and Enter, a second one
# through the word list, close by the close box; the run files must hold exactly
# what was looked up and where the window was. A second run shows that history and
# puts the window back; the window's outer bounds make the round trip exactly.
# Usage: session.sh <lexavo> <write_fixture>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
fail() { echo "e2e session: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }

start_display
start_program
# The window's width and height at creation are its outer bounds, frame included.
expect_outer_size 569x375 || fail "first run"
geometry_before=$(xdotool getwindowgeometry "$win" | tail -n +2)
type_text house
keys Return
keys End shift+Home   # select the word, so that typing replaces it
type_text wor
keys Down Return      # into the list: its first row is "world"
close_program || fail "close"

# The expected run files, as bytes.
python3 - "$dir" <<'PY' || fail "run files differ"
import struct, sys
d = sys.argv[1]
sep = "=" * 58
lines = ['"House" (2 výrazů):', ' - dům', ' - ubytovat', sep, '',
         '"World" (1 výrazů):', ' - svět', sep, '']
want = "".join(l + "\r\n" for l in lines).encode("cp1250")
got = open(d + "/minule.txt", "rb").read()
if got != want:
    print("minule.txt:", got, "expected:", want); sys.exit(1)
title = "Anglicko-český slovník".encode("cp1250")
want = struct.pack("<6i", 227, 196, 569, 375, 0, 0) + title.ljust(50, b"\0") + b"\1\1\1" + b"\0" * 3
got = open(d + "/lexavo.ini", "rb").read()
if got != want:
    print("lexavo.ini:", got, "expected:", want); sys.exit(1)
PY

start_program
[ "$(xdotool getwindowgeometry "$win" | tail -n +2)" = "$geometry_before" ] || fail "window moved"
keys F5
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
sleep 0.3
keys ctrl+Home ctrl+shift+End ctrl+c
expected=$(printf '"House" (2 výrazů):\n - dům\n - ubytovat\n%s\n\n"World" (1 výrazů):\n - svět\n%s' \
    "$(printf '=%.0s' $(seq 58))" "$(printf '=%.0s' $(seq 58))")
expect_clipboard "$expected" || fail "previous history shows '$clipboard'"

# A window made larger is stored by its outer bounds and comes back exactly so.
xdotool windowsize --sync "$win" 700 500
sleep 0.5
wanted=$(outer_size)
close_program || fail "second close"
python3 - "$dir" "$wanted" <<'PY' || fail "stored bounds differ"
import struct, sys
width, height = map(int, sys.argv[2].split("x"))
got = struct.unpack("<4i", open(sys.argv[1] + "/lexavo.ini", "rb").read()[:16])
if got[2:] != (width, height):
    print("lexavo.ini bounds:", got, "expected size", width, height); sys.exit(1)
PY
start_program
expect_outer_size "$wanted" || fail "third run"
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "${WIDTH}x${HEIGHT}" = "700x500" ] || fail "inside ${WIDTH}x${HEIGHT} after the round trip"
close_program || fail "third close"
echo "e2e session: 1 passed, 0 failed"
