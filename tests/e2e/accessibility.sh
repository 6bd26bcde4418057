#!/usr/bin/env bash
# A screen reader's view of the program on a real accessibility bus (AT-SPI, a D-Bus
# session of the test's own): after "house" and Enter the entry's accessible text
# holds the headword and its first meaning, and the count line its caption; after
# "dog" the entry is Dog's and no longer House's.
# Usage: accessibility.sh <lexavo> <write_fixture>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${LEXAVO_OWN_SESSION:-}" ]; then
    exec env LEXAVO_OWN_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
source "$here/x11_session.sh"
make_program_dir "$1" "$2"
fail() { echo "e2e accessibility: $*"; [ -f "$dir/stderr.log" ] && cat "$dir/stderr.log"; exit 1; }
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'stop_display; kill "$launcher" 2>/dev/null || true; rm -rf "$dir"' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

read_out() {
    local tries
    for tries in $(seq 30); do
        /usr/bin/python3 "$here/a11y_entry.py" "$@" >"$dir/a11y.log" 2>&1 && return 0
        sleep 0.3
    done
    cat "$dir/a11y.log"
    return 1
}

start_display
start_program
type_text house
keys Return
read_out "$(printf 'House\n1) dům')" "house: 1 slovo" || fail "after house"
keys End shift+Home
type_text dog
keys Return
read_out "$(printf 'Dog\n1) pes')" "dog: 1 slovo" -- "$(printf 'House\n1)')" || fail "after dog"
close_program || fail "close"
echo "e2e accessibility: 2 passed, 0 failed"
