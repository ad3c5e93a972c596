#!/bin/bash
# Under a real Wayland compositor (weston, nested in Xvfb so that xdotool
# can drive it): the window announces the desktop id, a word copied with
# Shift+F10 and the copy menu reaches other clients (wl-paste), and the
# maximize button of Qt's title bar leaves the window as it was instead of
# ending the program. Then "Exit" ends it with status 0.
#
#   wayland_test.sh PROGRAM DESKTOP_FILE
#
# Exit status 77 when the tools are missing or weston cannot start.
set -euo pipefail

program=${1:?usage: wayland_test.sh PROGRAM DESKTOP_FILE}
desktop_file=${2:?usage: wayland_test.sh PROGRAM DESKTOP_FILE}

for tool in Xvfb weston xdotool wl-paste convert import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

source "$(dirname "$0")/session.sh"

# weston as one X window, with a socket of its own; no screen lock.
socket=tolvani-test
export WAYLAND_DISPLAY=$socket # for wl-paste
weston --backend=x11-backend.so --socket=$socket --use-pixman --width=1024 --height=768 \
    --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
started+=($!)
socket_ready() { [[ -S $XDG_RUNTIME_DIR/$socket ]]; }
if ! wait_until 10 socket_ready; then
    echo "skipped: weston did not start: $(tail -n 5 "$work/weston.log")"
    exit 77
fi
output=$(timeout 10 xdotool search --sync --onlyvisible --classname '^weston' | head -n 1) || true
[[ -n $output ]] || fail "weston's window did not show"

# The client's protocol log tells what it asks of the compositor.
start_program QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client DISPLAY=
# The pointer reaches weston only once it has left its window and come back.
xdotool mousemove 1100 900 sleep 0.2 mousemove 500 400

# Find the client area by the title band: its top row is the first with a
# long run of the band's grey (64, 64, 64), which starts one pixel right of
# the client area's left edge.
client_x=
client_y=
find_window() {
    import -window "$output" -depth 8 "$work/screen.png" 2>/dev/null || return 1
    convert "$work/screen.png" -fill white -opaque 'rgb(64,64,64)' -fill black +opaque white \
        -colorspace gray "$work/mask.pgm" 2>/dev/null || return 1
    local row
    row=$(convert "$work/mask.pgm" -scale '1x768!' -depth 16 txt:- \
        | awk -F'[,: ()]+' 'NR > 1 && $4 > 30000 { print $2; exit }')
    [[ -n $row ]] || return 1
    local first
    first=$(convert "$work/mask.pgm" -crop "1024x1+0+$row" +repage -depth 8 txt:- \
        | awk -F'[,: ]+' 'NR > 1 && /#FFFFFF|white|gray\(255\)/ { print $1; exit }')
    [[ -n $first ]] || return 1
    client_x=$((first - 1))
    client_y=$row
}
wait_until 10 find_window || fail "the main window did not show under weston"

app_id=$(grep -o 'set_app_id("[^"]*")' "$work/program.log" | head -n 1 | sed 's/.*("\(.*\)")/\1/')
[[ $app_id == "$(basename "$desktop_file" .desktop)" ]] \
    || fail "the window's app id is '$app_id', the desktop entry is $(basename "$desktop_file")"

click() { # click X Y BUTTON, in client coordinates
    xdotool mousemove $((client_x + $1)) $((client_y + $2)) click "$3"
}

# Search, then focus the list on the selected row ("Apple Pie", the second
# row, y 116..128) without moving the selection. Shift+F10 opens the copy
# menu just below it; its one item is chosen with a click, as keys can
# reach the list before the menu's grab does.
click 80 92 1
xdotool key --delay 20 End
xdotool type --delay 20 'apple p'
click 80 123 1
sleep 0.3
xdotool key shift+F10
sleep 0.5
# The pointer must enter the menu before the press.
xdotool mousemove $((client_x + 70)) $((client_y + 140)) sleep 0.3 click 1
copied=
word_copied() {
    copied=$(wl-paste --no-newline 2>/dev/null || true)
    [[ $copied == "Apple Pie" ]]
}
wait_until 5 word_copied || fail "wl-paste read '$copied', expected 'Apple Pie'"

# Qt's title bar (30 pixels above the client area) shows maximize 38 pixels
# left of the client area's right edge, whatever the window's flags say.
for attempt in 1 2; do
    click $((511 - 38)) -16 1
    sleep 1
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended after maximize (attempt $attempt)"
done
grep -q 'Protocol error' "$work/program.log" && fail "the compositor reported a protocol error"
[[ $(grep -c 'xdg_toplevel@[0-9]*\.set_maximized()' "$work/program.log") -eq 2 ]] \
    || fail "the clicks did not reach the maximize button"
x_before=$client_x
y_before=$client_y
wait_until 5 find_window || fail "the main window is gone after maximize"
[[ $client_x == "$x_before" && $client_y == "$y_before" ]] \
    || fail "the window moved from $x_before,$y_before to $client_x,$client_y"
geometry=$(grep -o 'set_window_geometry([^)]*)' "$work/program.log" | tail -n 1)
[[ $geometry == 'set_window_geometry(0, 0, 517, 359)' ]] \
    || fail "the window did not return to its own size: $geometry"

# "Exit" spans x 406..504, y 292..315 of the client area. On a busy
# machine weston may still be settling the window after the maximize
# requests and drop the first click, so it is given up to three.
exited() { ! kill -0 "$program_pid" 2>/dev/null; }
for attempt in 1 2 3; do
    click 455 303 1
    wait_until 3 exited && break
done
expect_exit_status_0

echo "app id $app_id; copied '$copied' read by wl-paste; maximize left the window at its size; Exit status 0"
