# Shared steps of the whole-program tests: an Xvfb display of our own, the
# program started in a program directory, its window found and closed.
# Sourced by the test scripts.

xvfb_pid=
wm_pid=
program_args=()
app=
win=

# A temporary program directory $dir with the program and the test dictionary
# set, removed (with the display) when the script ends.
make_program_dir() {
    dir=$(mktemp -d /tmp/lexavo-e2e-XXXXXX)
    trap 'stop_display; rm -rf "$dir"' EXIT
    cp "$1" "$dir/lexavo"
    "$2" "$dir"
}

start_display() {
    # Xvfb picks a free display itself and writes its number to fd 3, so that
    # runs side by side never share a display.
    local numfile
    numfile=$(mktemp /tmp/lexavo-display-XXXXXX)
    # LEXAVO_SCREEN sets another screen size (width x height x depth).
    Xvfb -displayfd 3 -screen 0 "${LEXAVO_SCREEN:-1024x768x24}" -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$numfile" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    local number
    number=$(tr -dc '0-9' <"$numfile")
    rm -f "$numfile"
    [ -n "$number" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=:$number
    local ready=
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && { ready=1; break; }; sleep 0.1; done
    [ -n "$ready" ] || { echo "Xvfb did not answer"; return 1; }
    # "start_display no-wm": a bare display, where nothing activates a window.
    [ "${1:-}" = no-wm ] && return 0
    # A window manager, as on a desktop: focus, activation and dialogs behave as
    # users meet them only with one.
    # A loaded machine (the sanitizer build's tests run side by side) can take many
    # seconds; an openbox that ended before announcing itself is started again.
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 600); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        if ! kill -0 "$wm_pid" 2>/dev/null; then
            openbox >/dev/null 2>&1 &
            wm_pid=$!
        fi
        sleep 0.1
    done
    echo "openbox did not start"; return 1
}

stop_display() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}

# Starts $dir/lexavo (or $program_command) with the arguments in the array
# $program_args, if any, and waits for its main window; sets $app and $win. A start
# whose process ends without a window (a fresh X server that refused the
# connection, seen on a loaded machine) is tried again, at most three times; its
# messages are kept in stderr.log.
start_program() {
    local attempt
    for attempt in 1 2 3; do
        QT_QPA_PLATFORM=xcb "${program_command:-$dir/lexavo}" "${program_args[@]}" 2>>"$dir/stderr.log" &
        app=$!
        win=
        # A sanitizer build on a busy machine can take many seconds to show its window.
        for _ in $(seq 600); do
            win=$(xdotool search --name 'Lexavo 6' 2>/dev/null | head -n1 || true)
            [ -n "$win" ] && break
            kill -0 "$app" 2>/dev/null || break
            sleep 0.1
        done
        [ -n "$win" ] && break
        kill -0 "$app" 2>/dev/null && break  # alive without a window: no retry
        echo "attempt $attempt: the program ended without a window" >>"$dir/stderr.log"
    done
    if [ -z "$win" ]; then
        echo "no window appeared"
        cat "$dir/stderr.log" 2>/dev/null
        return 1
    fi
    sleep 0.7
    [ -z "$wm_pid" ] && return 0  # no window manager: nothing activates the window
    # The window manager activates a new window; make sure it has the keyboard.
    xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win" 2>/dev/null || true
    sleep 0.3
}

# Sends the close box's request and expects the program to exit with status 0.
close_program() {
    python3 "$here/x11_close.py" "$win"
    for _ in $(seq 600); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$app" 2>/dev/null; then echo "program did not exit on the close request"; return 1; fi
    local status=0
    wait "$app" || status=$?
    app=
    [ "$status" -eq 0 ] || { echo "exit status $status"; return 1; }
}

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.3; }

# The window's outer size, frame included, as "WIDTHxHEIGHT": the inside from X and
# the frame from the window manager's _NET_FRAME_EXTENTS (left, right, top, bottom).
outer_size() {
    local WIDTH HEIGHT X Y SCREEN WINDOW extents
    eval "$(xdotool getwindowgeometry --shell "$win")"
    extents=$(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
    [ -n "$extents" ] || extents="0 0 0 0"
    set -- $extents
    echo "$((WIDTH + $1 + $2))x$((HEIGHT + $3 + $4))"
}

# Waits (a busy machine may take a moment to fit the window into its frame) until
# the outer size is $1; fails with the size it has otherwise.
expect_outer_size() {
    local size
    for _ in $(seq 50); do
        size=$(outer_size)
        [ "$size" = "$1" ] && return 0
        sleep 0.1
    done
    echo "outer size $size, expected $1"
    return 1
}

# The inside of window $1 on the screen as "X,Y WIDTHxHEIGHT" (xwininfo gives where
# the window manager put it; xdotool's position can lag behind the frame).
absolute() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print x "," y " " w "x" h}'
}

# Waits until the clipboard holds $1 (a busy machine may handle the keys a little
# later); fails, leaving what it holds in $clipboard, when it never does.
expect_clipboard() {
    clipboard=
    for _ in $(seq 50); do
        clipboard=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$clipboard" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
