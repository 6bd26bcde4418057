#!/usr/bin/env bash
# A display without a window manager, where nothing ever activates the window:
# - the stored record is shown at once and a close stores it unchanged, never the
#   state the window was created with;
# - Qt's own command-line options (-reverse, -style, -stylesheet) change nothing:
#   the window looks exactly as without them.
# Usage: bare_display.sh <lexavo> <write_fixture>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
fail() { echo "e2e bare display: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }

# Bounds, state, page, title, the three panels (logo hidden) and reserved bytes.
write_record() {
    python3 - "$dir/lexavo.ini" "$1" <<'PY'
import struct, sys
title = "Anglicko-český slovník".encode("cp1250").ljust(50, b"\0")
record = struct.pack("<6i", 120, 90, 610, 405, 0, int(sys.argv[2])) + title + b"\0\1\1" + b"r\0s"
open(sys.argv[1], "wb").write(record)
PY
}

start_display no-wm
write_record 3
cp "$dir/lexavo.ini" "$dir/stored.ini"
start_program
close_program || fail "close"
cmp "$dir/lexavo.ini" "$dir/stored.ini" || fail "the record changed: $(xxd "$dir/lexavo.ini")"

# The same window with and without Qt's options, on the dictionary page.
printf '* { background: red; color: red; }\n' >"$dir/red.qss"
shots=()
for args in "" "-reverse -style fusion -stylesheet $dir/red.qss"; do
    write_record 0
    read -r -a program_args <<<"$args"
    start_program
    sleep 0.5
    shot="$dir/shot${#shots[@]}.png"
    import -window "$win" "$shot"
    shots+=("$shot")
    close_program || fail "close with '$args'"
done
program_args=()
differing=$(compare -metric AE "${shots[0]}" "${shots[1]}" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "Qt's options changed $differing pixels"
echo "e2e bare display: 2 passed, 0 failed"
