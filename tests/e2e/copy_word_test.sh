#!/bin/bash
# In a real X session: the window carries its icon and the window class
# that the desktop entry names; type the start of a word into the search
# box, copy the word through the list's popup menu, read it back from the X
# clipboard as any other program would, then press "Exit" and expect
# status 0.
#
#   copy_word_test.sh PROGRAM DESKTOP_FILE
#
# Exit status 77 when the X tools it needs are missing (the test is skipped).
set -euo pipefail

program=${1:?usage: copy_word_test.sh PROGRAM DESKTOP_FILE}
desktop_file=${2:?usage: copy_word_test.sh PROGRAM DESKTOP_FILE}

for tool in Xvfb xdotool xclip xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
sentinel_pid=

# Every process this script started, by its id; never by name.
finish() {
    local status=$?
    for pid in "$sentinel_pid" "$program_pid" "$xvfb_pid"; do
        if [[ -n $pid ]]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -s $work/program.log ]]; then
        echo "--- program output" >&2
        cat "$work/program.log" >&2
    fi
    exit 1
}

# Polls `condition` (a command) every 50 ms for up to `seconds`.
wait_until() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# The program reads Complete.dic from its own folder: give it a small one
# whose words are known. Lines are grouped under "A" as the letter table
# expects; the second headword's display word is "Apple Pie".
mkdir "$work/app"
cp "$program" "$work/app/tolvani"
printf '%s\r\n' \
    'apple||n||seb||An apple a day.' \
    'APPLE pie||n||seb ki mithai||Apple pie after dinner.' \
    'apricot||n||khubani||Dried apricots keep.' \
    >"$work/app/Complete.dic"

# Xvfb picks a free display and writes its number once it accepts clients.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_ready() { [[ $(<"$work/display") == *[0-9]* ]]; }
wait_until 10 display_ready || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(tr -dc 0-9 <"$work/display")"

mkdir -m 700 "$work/runtime"
(
    for name in $(compgen -e); do
        if [[ $name == QT_* ]]; then unset "$name"; fi
    done
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
    exec "$work/app/tolvani"
) >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tolvani$' | head -n 1) || true
[[ -n $window ]] || fail "the main window did not show"

# The desktop matches the window to its launcher by the window class.
wm_class=$(xprop -id "$window" WM_CLASS)
wanted_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[[ -n $wanted_class && $wm_class == *", \"$wanted_class\"" ]] \
    || fail "window class $wm_class, the desktop entry wants '$wanted_class'"
icon=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[[ $icon == *'Icon (16 x 16)'* && $icon == *'Icon (32 x 32)'* ]] \
    || fail "the window's icon has the images: '$icon'"

# No window manager: the window's origin is its client area's, and the
# controls sit at their twips / 15 pixel offsets from it.
click() { # click WINDOW X Y BUTTON
    xdotool mousemove --window "$1" "$2" "$3" click "$4"
}

# Text1 spans x 4..156, y 82..102. Keys go to the window under the pointer.
click "$window" 80 92 1
xdotool key --delay 20 End
xdotool type --delay 20 'apple p'

# A sentinel of our own, so the copy shows as a change and not as a guess.
sentinel="sentinel $$ $RANDOM"
printf '%s' "$sentinel" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
sentinel_pid=$!
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
sentinel_served() { [[ $(clipboard) == "$sentinel" ]]; }
wait_until 5 sentinel_served || fail "the sentinel never reached the clipboard"

# Right press over the first row (List1 starts at y 103), which is not the
# selected one: the menu must copy the selected word, not the one under it.
click "$window" 80 110 3

# The menu is a top-level window of its own: the program's other visible one.
popup_up() {
    popup=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | grep -vx "$window" | head -n 1)
    [[ -n $popup ]]
}
popup=
wait_until 5 popup_up || fail "no popup menu came up after the right click"

# The menu's one item fills it; click its middle.
eval "$(xdotool getwindowgeometry --shell "$popup")"
click "$popup" $((WIDTH / 2)) $((HEIGHT / 2)) 1

# The program clears the clipboard before it sets it: wait for the word.
copied=
word_copied() {
    copied=$(clipboard)
    [[ $copied != "$sentinel" && -n $copied ]]
}
wait_until 5 word_copied || fail "the clipboard still holds '$copied' after the copy"
[[ $copied == "Apple Pie" ]] || fail "copied '$copied', expected 'Apple Pie'"

# "About" (x 406..504, y 270..292) opens a window with the same icon;
# "Thanks", which holds its focus, closes it.
click "$window" 455 281 1
about=$(timeout 5 xdotool search --sync --onlyvisible --name '^About Dictionary$' | head -n 1) || true
[[ -n $about ]] || fail "the About window did not show"
about_icon=$(xprop -id "$about" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[[ $about_icon == "$icon" ]] || fail "the About window's icon has the images: '$about_icon'"
xdotool windowfocus --sync "$about" key space
about_closed() { ! xdotool search --onlyvisible --name '^About Dictionary$' >/dev/null 2>&1; }
wait_until 5 about_closed || fail "Thanks did not close the About window"

# "Exit" spans x 406..504, y 292..315.
click "$window" 455 303 1
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
wait_until 5 program_ended || fail "the program was still running after Exit"
status=0
wait "$program_pid" || status=$?
program_pid=
((status == 0)) || fail "the program ended with status $status after Exit"

echo "copied '$copied' through the menu; Exit ended the program with status 0"
