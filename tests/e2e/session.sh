# Shared by the end-to-end tests, sourced after `program` is set: a work
# folder, the program beside a small dictionary of known words, an Xvfb
# display, and the end of every process started, by its id, never by name.
#
# The script puts the id of each process it starts in `started`, and takes
# it out with `forget` once it has waited for it.

work=$(mktemp -d)
started=()

finish() {
    local status=$?
    local i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill "${started[i]}" 2>/dev/null || true
        wait "${started[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
    exit "$status"
}
trap finish EXIT

forget() {
    local kept=() pid
    for pid in "${started[@]}"; do
        [[ $pid == "$1" ]] || kept+=("$pid")
    done
    started=("${kept[@]}")
}

# The program's own lines; a Wayland protocol log's lines begin with "[".
# A program still running when a wait ran out may hang: where it waits is
# the finding, so its threads' backtraces come with the failure.
fail() {
    echo "FAIL: $*" >&2
    if [[ -s $work/program.log ]]; then
        echo "--- program output" >&2
        grep -v '^\[' "$work/program.log" | tail -n 40 >&2 || true
    fi
    if [[ -n ${program_pid:-} ]] && kill -0 "$program_pid" 2>/dev/null; then
        echo "--- backtrace of the running program" >&2
        if command -v gdb >/dev/null 2>&1; then
            timeout 60 gdb -batch -p "$program_pid" -ex 'thread apply all bt' 2>&1 \
                | grep -E '^(Thread|#)' >&2 || true
        else
            echo "(gdb is not installed)" >&2
        fi
    fi
    exit 1
}

# Polls `condition` (a command) every 50 ms until it holds, for up to
# `seconds` however long each poll takes.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((${EPOCHREALTIME/[.,]/} + seconds * 1000000))
    until "$@"; do
        ((${EPOCHREALTIME/[.,]/} < deadline)) || return 1
        sleep 0.05
    done
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
started+=($!)
display_ready() { [[ $(<"$work/display") == *[0-9]* ]]; }
wait_until 10 display_ready || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(tr -dc 0-9 <"$work/display")"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

# Starts the program with `settings` (NAME=value ...) and no inherited QT_*
# variables; its output goes to program.log.
start_program() {
    (
        for name in $(compgen -e); do
            if [[ $name == QT_* ]]; then unset "$name"; fi
        done
        export "$@"
        exec "$work/app/tolvani"
    ) >"$work/program.log" 2>&1 &
    program_pid=$!
    started+=("$program_pid")
}

# Waits for the program to end after "Exit" and expects status 0.
expect_exit_status_0() {
    program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
    wait_until 5 program_ended || fail "the program was still running after Exit"
    local status=0
    wait "$program_pid" || status=$?
    forget "$program_pid"
    ((status == 0)) || fail "the program ended with status $status after Exit"
}
