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

source "$(dirname "$0")/session.sh"

start_program QT_QPA_PLATFORM=xcb
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
started+=($!)
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }
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
timeout 10 xdotool windowfocus --sync "$about" key space || fail "the About window did not take the focus"
about_closed() { ! xdotool search --onlyvisible --name '^About Dictionary$' >/dev/null 2>&1; }
wait_until 5 about_closed || fail "Thanks did not close the About window"

# "Exit" spans x 406..504, y 292..315.
click "$window" 455 303 1
expect_exit_status_0

echo "copied '$copied' through the menu; Exit ended the program with status 0"
