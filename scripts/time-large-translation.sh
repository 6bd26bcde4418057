#!/usr/bin/env bash
# Times the whole program translating a 50 MB English text with F8: the GPL texts
# of /usr/share/common-licenses repeated, opened into the English tab through the
# open dialog, then F8 until the progress window has closed. Runs under its own
# Xvfb display with openbox, as the whole-program tests do, and drives the program
# with xdotool as a user would.
#   bash scripts/time-large-translation.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-3}
work=$(mktemp -d /tmp/lexavo-large-XXXXXX)
# The whole-program tests' own display: Xvfb with openbox.
source tests/e2e/x11_session.sh
trap 'stop_display; rm -rf "$work"' EXIT
start_display

mkdir "$work/prog"
cp "$build/src/lexavo" "$build"/src/angcze.* "$work/prog/"
python3 - "$work/big.txt" <<'PY'
import pathlib, sys
text = "".join(pathlib.Path("/usr/share/common-licenses", n).read_text(encoding="latin-1")
               for n in ("GPL-1", "GPL-2", "GPL-3"))
data = text.replace("\n", "\r\n").encode("latin-1")
pathlib.Path(sys.argv[1]).write_bytes((data * (50_000_000 // len(data) + 1))[:50_000_000])
PY

(cd "$work" && exec "$work/prog/lexavo" >"$work/log" 2>&1) &
app=$!
for _ in $(seq 100); do xdotool search --onlyvisible --name Lexavo >/dev/null 2>&1 && break; sleep 0.1; done
sleep 1
win=$(xdotool search --onlyvisible --name Lexavo | head -1)
xdotool windowactivate --sync "$win"
xdotool key F3
sleep 0.5
# The English tab: the first tab of the translator page.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 94)) $((Y + 40)) click 1
sleep 0.3
xdotool key ctrl+t
sleep 1.5
xdotool type --delay 10 "$work/big.txt"
sleep 1
# The first Return goes to the name completion's popup, Escape closes the popup
# and the second Return accepts the name.
xdotool key Return
sleep 0.5
xdotool key Escape
sleep 0.3
xdotool key Return
sleep 1
# The 50 MB text loads into the memo.
for _ in $(seq 300); do
  timeout 2 xdotool getwindowname "$win" >/dev/null 2>&1 && break
  sleep 0.5
done
sleep 3
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
for run in $(seq "$runs"); do
  xdotool mousemove $((X + 94)) $((Y + 40)) click 1
  sleep 1
  start=$(date +%s.%N)
  xdotool key F8
  seen=0
  for _ in $(seq 2400); do
    sleep 0.05
    if [ -n "$(xdotool search --onlyvisible --name 'Probíhá' 2>/dev/null)" ]; then
      seen=1
    elif [ $seen = 1 ]; then
      break
    fi
  done
  end=$(date +%s.%N)
  echo "run $run: F8 to the progress window closed: $(python3 -c "print(f'{$end - $start:.2f}')") s"
  sleep 2
done
