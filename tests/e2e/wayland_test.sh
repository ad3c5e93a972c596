#!/bin/bash
# Under a real Wayland compositor (weston, nested in Xvfb so that xdotool
# can drive it): the window announces the desktop id, a word copied with
# Shift+F10 and the copy menu reaches other clients (wl-paste), and
# neither the maximize button of Qt's title bar nor the compositor's own
# maximize and full screen, with keys typed at once after them, move the
# window, change its size or end the program. Then one click on "Exit"
# ends it with status 0.
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

# The client's protocol log tells what it asks of the compositor and what
# it hears back; the test waits on it.
start_program QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client DISPLAY=
# The pointer reaches weston only once it has left its window and come back.
xdotool mousemove 1100 900 mousemove 500 400

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

# How many lines of the protocol log match `pattern`; whether more than
# `count` do.
heard() { grep -c -- "$1" "$work/program.log" || true; }
heard_more() { (($(heard "$1") > $2)); }
pointer_entered='wl_pointer@[0-9]*\.enter('
button_released='wl_pointer@[0-9]*\.button(.*, 0)$'

click() { # click X Y BUTTON, in client coordinates; waits until the program has the release
    local released
    released=$(heard "$button_released")
    xdotool mousemove $((client_x + $1)) $((client_y + $2)) click "$3"
    wait_until 5 heard_more "$button_released" "$released" \
        || fail "the program did not get the click at $1,$2"
}

# Search, then focus the list on the selected row ("Apple Pie", the second
# row, y 116..128) without moving the selection. Shift+F10 opens the copy
# menu just below it; its one item is chosen with a click, as keys can
# reach the list before the menu's grab does. The keys are held until the
# menu is up: weston grants the menu's grab only for the serial of the
# last press, and a busy program may already have seen the release.
click 80 92 1
xdotool key --delay 20 End
xdotool type --delay 20 'apple p'
click 80 123 1
popups=$(heard 'xdg_popup@[0-9]*\.configure(')
xdotool keydown shift+F10
wait_until 5 heard_more 'xdg_popup@[0-9]*\.configure(' "$popups" || fail "Shift+F10 opened no menu"
xdotool keyup shift+F10
# The pointer must enter the menu before the press.
entered=$(heard "$pointer_entered")
xdotool mousemove $((client_x + 70)) $((client_y + 140))
wait_until 5 heard_more "$pointer_entered" "$entered" || fail "the pointer did not enter the menu"
# Until the menu has gone, weston's grab for it would take the next click.
closed=$(heard 'xdg_popup@[0-9]*\.destroy()')
click 70 140 1
wait_until 5 heard_more 'xdg_popup@[0-9]*\.destroy()' "$closed" || fail "the menu did not close"
copied=
word_copied() {
    copied=$(timeout 5 wl-paste --no-newline 2>/dev/null || true)
    [[ $copied == "Apple Pie" ]]
}
wait_until 5 word_copied || fail "wl-paste read '$copied', expected 'Apple Pie'"

# The compositor gives a size only to a grown (maximized or full-screen)
# window. The window is back in its normal state once it has been grown
# more than `grown` times and has acknowledged a configure without a size
# since the last.
grown_pattern='xdg_toplevel@[0-9]*\.configure([1-9]'
back_to_normal() { # back_to_normal GROWN
    heard_more "$grown_pattern" "$1" && awk '
        /xdg_toplevel@[0-9]*\.configure\(/ { normal = /configure\(0, 0,/; acknowledged = 0 }
        normal && /ack_configure/ { acknowledged = 1 }
        END { exit !acknowledged }' "$work/program.log"
}
x_before=$client_x
y_before=$client_y
stays_put() {
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended after $1"
    grep -q 'Protocol error' "$work/program.log" && fail "the compositor reported a protocol error after $1"
    wait_until 5 find_window || fail "the main window is gone after $1"
    [[ $client_x == "$x_before" && $client_y == "$y_before" ]] \
        || fail "$1 moved the window from $x_before,$y_before to $client_x,$client_y"
    local geometry
    geometry=$(grep -o 'set_window_geometry([^)]*)' "$work/program.log" | tail -n 1)
    [[ $geometry == 'set_window_geometry(0, 0, 517, 359)' ]] \
        || fail "the window did not keep its own size after $1: $geometry"
}

# Qt's title bar (30 pixels above the client area) shows maximize 38 pixels
# left of the client area's right edge, whatever the window's flags say.
for press in 1 2; do
    grown=$(heard "$grown_pattern")
    click $((511 - 38)) -16 1
    wait_until 5 back_to_normal "$grown" || fail "press $press of the maximize button left the window grown"
done
stays_put "the maximize button"

# The compositor's own maximize (weston's Super+Shift+M) and full screen
# (Super+Shift+F) act on the window with the keyboard focus; the keys that
# follow at once edit the search box, so the window redraws while the
# compositor still has it grown.
click 80 92 1
grown=$(heard "$grown_pattern")
xdotool key super+shift+m
xdotool key --delay 20 BackSpace BackSpace
wait_until 5 back_to_normal "$grown" || fail "the compositor's maximize left the window grown"
stays_put "the compositor's maximize"
grown=$(heard "$grown_pattern")
xdotool key super+shift+f
xdotool type --delay 20 'ie'
wait_until 5 back_to_normal "$grown" || fail "the compositor's full screen left the window grown"
stays_put "the compositor's full screen"

# "Exit" spans x 406..504, y 292..315 of the client area; one click ends
# the program.
xdotool mousemove $((client_x + 455)) $((client_y + 303)) click 1
expect_exit_status_0

echo "app id $app_id; copied '$copied' read by wl-paste; the maximize button and the compositor's maximize and full screen left the window as it was; Exit status 0"
