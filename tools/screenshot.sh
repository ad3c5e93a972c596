#!/bin/bash
# Takes a screenshot of the main window under a private X server.
#
#   tools/screenshot.sh [PROGRAM] [OUTPUT] [SCALE]
#
# PROGRAM is the built program (default build/tolvani), with Complete.dic
# beside it; OUTPUT is the image to write (default docs/screenshot.png);
# SCALE, when given, is the scale factor Qt draws at (QT_SCALE_FACTOR),
# such as 1.25 for a desktop set to 125 %.
# Needs Xvfb, xdotool and ImageMagick's import. Builds nothing.
set -euo pipefail

program=${1:-build/tolvani}
output=${2:-docs/screenshot.png}
scale=${3:-}

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: $tool is not installed" >&2; exit 1; }
done
[[ -x $program ]] || { echo "screenshot: no program at $program" >&2; exit 1; }

scratch=$(mktemp -d)
xvfb_pid=
program_pid=

finish() {
    # Only what this script started, by its id; a killed child's status
    # must not cut the clean-up short.
    set +e
    local pid
    for pid in $program_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$scratch"
}
trap finish EXIT

# Xvfb picks a free display and writes its number to the pipe.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset \
    3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 10 number <"$scratch/display" || [[ -z $number ]]; then
    echo "screenshot: Xvfb did not start" >&2
    cat "$scratch/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$number

runtime="$scratch/runtime"
mkdir -m 700 "$runtime"
(
    # Qt reads QT_* variables from the caller's session: start clean.
    for name in $(compgen -e); do
        [[ $name == QT_* ]] && unset "$name"
    done
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime"
    if [[ -n $scale ]]; then export QT_SCALE_FACTOR=$scale; fi
    exec "$program"
) 2>"$scratch/program.log" &
program_pid=$!

if ! window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tolvani$' | head -n 1) \
        || [[ -z $window ]]; then
    echo "screenshot: the main window did not appear" >&2
    cat "$scratch/program.log" >&2
    exit 1
fi
# Let the first paint finish before grabbing.
sleep 1

mkdir -p "$(dirname "$output")"
import -window "$window" -depth 8 "$output"
echo "screenshot: wrote $output"
