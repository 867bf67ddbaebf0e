# Drives the real program inside an X session from with-xsession: starts it in a picture folder,
# waits for its boxes, presses keys, looks at the screen and checks how it ends. Every wait is
# bounded. Sourced by the hardening tests; expects TORVAMIK to name the binary.
# shellcheck shell=bash

set -uo pipefail

: "${TORVAMIK:?TORVAMIK must name the program}"
TORVAMIK=$(realpath "$TORVAMIK") # the program starts in the picture folder
# Sanitizer builds use far more memory; the resident-size limit holds for the normal build only.
: "${TORVAMIK_RSS_LIMIT_KB:=204800}"

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WORK=$(mktemp -d)
PIC="$WORK/pictures"
ERR="$WORK/stderr"
mkdir "$PIC"
PID=""
MAIN=""
LAST_BOX=""
HWM_KB=0

cleanup_drive() {
    if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then
        kill -KILL "$PID" 2>/dev/null
        wait "$PID" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup_drive EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$ERR" ]; then
        echo "--- program's stderr:" >&2
        cat "$ERR" >&2
    fi
    exit 1
}

note() { echo "$*"; }

nowMs() { date +%s%3N; }

# The fourteen names the quiz reads, each a plain JPEG of its own colour.
NAMES=(0.jpg 1.jpg 2.jpg 3.jpg 4.jpg 1õv.jpg 2õv.jpg 3õv.jpg 4õv.jpg 5õv.jpg
    3vv.jpg 4vv.jpg 5vv.jpg 6vv.jpg)
declare -A COLOUR=(
    [0.jpg]='#808080' [1.jpg]='#c03030' [2.jpg]='#30c030' [3.jpg]='#3030c0' [4.jpg]='#c0c030'
    [1õv.jpg]='#30c0c0' [2õv.jpg]='#c030c0' [3õv.jpg]='#f09030' [4õv.jpg]='#9030f0'
    [5õv.jpg]='#30f090' [3vv.jpg]='#f03090' [4vv.jpg]='#90f030' [5vv.jpg]='#3090f0'
    [6vv.jpg]='#f0f0f0')

makePictureSet() {
    local name args=()
    for name in "${NAMES[@]}"; do
        args+=("xc:${COLOUR[$name]}" -write "jpeg:$PIC/$name" +delete)
    done
    convert -size 160x120 -quality 95 "${args[@]}" xc:black null: || fail "cannot make the pictures"
}

# Replaces the file under NAME with a file of KIND (see make-picture) in COLOUR.
putPicture() {
    local kind=$1 name=$2 colour=${3:-${COLOUR[$2]:-#3070c0}}
    rm -rf "${PIC:?}/$name"
    "$HERE/make-picture" "$kind" "$PIC/$name" "$colour" || fail "cannot make $kind as $name"
}

# Starts the program in the picture folder; extra arguments go before it (env, strace ...).
# PID is the program itself, also under a launcher.
startProgram() {
    (cd "$PIC" && exec "$@" "$TORVAMIK") 2>"$ERR" &
    local launcher=$!
    PID=$launcher
    local deadline=$(($(nowMs) + 20000)) child
    while :; do
        # Under a launcher that stays (strace) the program is its child.
        if [ "$(cat "/proc/$launcher/comm" 2>/dev/null)" != torvamik ]; then
            child=$(pgrep -P "$launcher" -x torvamik | head -n1)
            [ -n "$child" ] && PID=$child
        fi
        MAIN=$(xdotool search --name '^Torvamik!$' 2>/dev/null | head -n1)
        [ -n "$MAIN" ] && [ "$(xdotool getactivewindow 2>/dev/null)" = "$MAIN" ] && break
        [ "$(nowMs)" -gt "$deadline" ] && fail "the main window did not appear within 20 s"
        kill -0 "$launcher" 2>/dev/null || fail "the program ended before showing its window"
        sleep 0.05
    done
    LAUNCHER=$launcher
    sampleMemory
}

alive() {
    [ -r "/proc/$PID/stat" ] && [ "$(awk '{print $3}' "/proc/$PID/stat" 2>/dev/null)" != Z ]
}

# Records the peak resident size so far; read while the program still lives.
sampleMemory() {
    local kb
    kb=$(awk '/^VmHWM:/ {print $2}' "/proc/$PID/status" 2>/dev/null)
    [ -n "$kb" ] && [ "$kb" -gt "$HWM_KB" ] && HWM_KB=$kb
    return 0
}

activeWindow() { xdotool getactivewindow 2>/dev/null; }

# Waits until a box that has not been seen before is the active window; BOX is its id.
waitNewBox() {
    local what=$1 timeoutMs=${2:-15000} deadline w
    deadline=$(($(nowMs) + timeoutMs))
    while :; do
        w=$(activeWindow)
        if [ -n "$w" ] && [ "$w" != "$MAIN" ] && [ "$w" != "$LAST_BOX" ]; then
            LAST_BOX=$w
            BOX=$w
            sampleMemory
            return 0
        fi
        alive || fail "the program ended while waiting for $what"
        [ "$(nowMs)" -gt "$deadline" ] && fail "no $what within $((timeoutMs / 1000)) s"
        sleep 0.03
    done
}

waitMainActive() {
    local what=$1 timeoutMs=${2:-15000} deadline
    deadline=$(($(nowMs) + timeoutMs))
    until [ "$(activeWindow)" = "$MAIN" ]; do
        alive || fail "the program ended while waiting for $what"
        [ "$(nowMs)" -gt "$deadline" ] && fail "the main window was not active for $what"
        sleep 0.03
    done
}

key() { xdotool key "$@" || fail "xdotool key $*"; }

# Starts the quiz from the main window and waits for the first question.
startQuiz() {
    key "${1:-space}"
    waitNewBox "the first question box"
}

# Answers the open question box with KEY... (J, E, Return ...) and closes the feedback box with
# Return. Afterwards the feedback picture has been loaded: the next question box is open, the
# main window is active (after a round's fifth answer), or an error box is open.
answer() {
    key "$@"
    waitNewBox "the feedback box"
    key Return
}

# The keys that answer round 1 right, question by question, and wrong.
RIGHT=(j j e e j)
WRONG=(e e j j e)

# Ends with the program gone; STATUS is its exit status, ELAPSED_MS the time it took.
waitExit() {
    local timeoutMs=$1 start deadline
    start=$(nowMs)
    deadline=$((start + timeoutMs))
    while alive; do
        sampleMemory
        [ "$(nowMs)" -gt "$deadline" ] && fail "the program did not end within $timeoutMs ms"
        sleep 0.02
    done
    ELAPSED_MS=$(($(nowMs) - start))
    wait "$LAUNCHER"
    STATUS=$?
    PID=""
}

# Fails unless the program ended with STATUS and no signal.
expectStatus() {
    local want=$1
    [ "$STATUS" -gt 128 ] && fail "the program died of signal $((STATUS - 128))"
    [ "$STATUS" -eq "$want" ] || fail "exit status $STATUS, expected $want"
}

checkMemory() {
    note "peak resident size: $((HWM_KB / 1024)) MiB"
    [ "$HWM_KB" -le "$TORVAMIK_RSS_LIMIT_KB" ] ||
        fail "peak resident size ${HWM_KB} kB above ${TORVAMIK_RSS_LIMIT_KB} kB"
}

# The error box is the active window: checks the one stderr line, closes the box and expects exit status 1.
expectErrorReport() {
    local number=$1 description=$2 name=$3 line lines
    line="torvamik: Run-time error $number: $description: $name"
    sampleMemory
    lines=$(grep -c '^torvamik:' "$ERR")
    [ "$lines" -eq 1 ] || fail "expected one report line on stderr, found $lines"
    grep -qxF "$line" "$ERR" || fail "stderr lacks the line: $line"
    key Return
    waitExit 3000
    expectStatus 1
    checkMemory
}

# Colour checks on the picture area (client rectangle 8,64 488x376), away from the boxes, which
# open over the middle of the window.
clientOrigin() {
    local info
    info=$(xwininfo -id "$MAIN") || fail "xwininfo on the main window"
    ORIGIN_X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    ORIGIN_Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
}

# Prints "r,g,b" of each client point given as X,Y, one line each, from one screenshot.
pixelsAt() {
    local shot="$WORK/shot.png" format="" point x y
    clientOrigin
    import -window root "$shot" || fail "cannot take a screenshot"
    for point in "$@"; do
        x=$((ORIGIN_X + ${point%,*}))
        y=$((ORIGIN_Y + ${point#*,}))
        format+="%[fx:int(255*p{$x,$y}.r+0.5)],%[fx:int(255*p{$x,$y}.g+0.5)],"
        format+="%[fx:int(255*p{$x,$y}.b+0.5)]\n"
    done
    convert "$shot" -format "$format" info: || fail "cannot read the screenshot"
}

# True when "r,g,b" is within 40 of "#rrggbb" in every channel.
near() {
    local got=$1 hex=${2#\#} r g b
    IFS=, read -r r g b <<<"$got"
    local want=($((16#${hex:0:2})) $((16#${hex:2:2})) $((16#${hex:4:2})))
    local -a have=("$r" "$g" "$b")
    local i d
    for i in 0 1 2; do
        d=$((have[i] - want[i]))
        [ "${d#-}" -le 40 ] || return 1
    done
}

# The four corners of the picture area, 12 pixels in.
CORNERS=(20,76 484,76 20,428 484,428)

# Fails unless the picture area shows COLOUR at its four corners within 3 s; WHAT names the check.
# With TOP_LEFT set, the top-left corner must show that colour instead (a turned picture).
expectShown() {
    local colour=$1 what=$2 topLeft=${3:-$1} deadline got p i ok
    deadline=$(($(nowMs) + 3000))
    while :; do
        mapfile -t got < <(pixelsAt "${CORNERS[@]}")
        [ "${#got[@]}" -eq 4 ] || fail "$what: could not read the screen"
        ok=1
        near "${got[0]}" "$topLeft" || ok=0
        for i in 1 2 3; do
            near "${got[i]}" "$colour" || ok=0
        done
        [ "$ok" = 1 ] && return 0
        [ "$(nowMs)" -gt "$deadline" ] &&
            fail "$what: picture area shows ${got[*]}, expected $topLeft $colour $colour $colour"
        sleep 0.1
    done
}
