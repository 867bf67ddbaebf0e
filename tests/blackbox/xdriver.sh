# Drives the real program inside an X session from with-xsession as a player would: starts it in
# a folder of test pictures, presses keys on whichever window is active (never on a named window,
# which can leave a key held down in Xvfb), reads the screen and checks how the program ends.
# Every wait is bounded. Sourced by every case script, for the Linux program and under wine.
# Environment: TORVAMIK the program; MAKE_PICTURES the solid picture generator; under wine also
# TORVAMIK_LAUNCHER (the wine command) and TORVAMIK_PROBE (the probe that reads the boxes' texts).
# shellcheck shell=bash
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tables=$here/../support
program=$(realpath "${TORVAMIK:?}")
read -ra launcher <<<"${TORVAMIK_LAUNCHER:-}"
: "${TORVAMIK_RSS_LIMIT_KB:=204800}" "${TORVAMIK_EXIT_LIMIT_MS:=3000}"
work=$(mktemp -d)
pictures=$work/pictures err=$work/stderr transcript=$work/probe
pid="" main="" box="" hwm=0
if [ -n "${TORVAMIK_PROBE:-}" ]; then yes=y no=n; else yes=j no=e; fi
# The answer key, one Jah or Ei per question in the order asked.
mapfile -t key < <(awk -F'\t' '!/^#/ {print $3}' "$tables/statements.tsv")
mapfile -t statement < <(awk -F'\t' '!/^#/ {print $4}' "$tables/statements.tsv")
# Keys that answer Jah and Ei and close a feedback box, taken in turn; a case may add others.
yesKeys=("$yes") noKeys=("$no") closeKeys=(Return) programArgs=()
# The picture area's top-right and bottom-left, 12 pixels in: clear of every box.
corners=(484,76 20,428)

cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    [ -n "${probe:-}" ] && kill "$probe" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -s "$err" ] && { echo "--- the program's stderr:" && cat "$err"; } >&2
    exit 1
}
nowMs() { date +%s%3N; }
colour() { awk -F'\t' -v n="$1" '$1 == n {print $2}' "$tables/pictures.tsv"; }

makePictures() { "${MAKE_PICTURES:?}" "$pictures" || fail "cannot make the pictures"; }
# putPicture KIND NAME [COLOUR]: replaces NAME by a file of KIND (see make-picture).
putPicture() {
    rm -rf "${pictures:?}/$2"
    "$here/make-picture" "$1" "$pictures/$2" "${3:-#3070c0}" || fail "cannot make $1 as $2"
}

# startProgram [COMMAND...]: starts the program in the picture folder, after COMMAND (env,
# strace) if given, and waits until its window is the active one.
startProgram() {
    if [ -n "${TORVAMIK_PROBE:-}" ]; then
        "${launcher[@]}" "$TORVAMIK_PROBE" 300 >"$transcript" 2>/dev/null &
        probe=$!
    fi
    (cd "$pictures" && exec "$@" "${launcher[@]}" "$program" "${programArgs[@]}") 2>"$err" &
    pid=$!
    local deadline=$(($(nowMs) + 30000))
    until [ -n "$main" ] && [ "$(active)" = "$main" ]; do
        main=$(xdotool search --onlyvisible --name '^Torvamik!$' 2>/dev/null | head -n1)
        alive || fail "the program ended before showing its window"
        [ "$(nowMs)" -lt "$deadline" ] || fail "no active window 'Torvamik!' within 30 s"
        sleep 0.05
    done
}
# A child that has ended may stay a zombie for a moment.
alive() { [ -n "$pid" ] && [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" != Z ] && [ -e "/proc/$pid" ]; }
active() { xdotool getactivewindow 2>/dev/null; }
press() { xdotool key "$@" || fail "xdotool key $*"; }

# Peak resident size of the program itself, also under a launcher that stays (strace).
sampleMemory() {
    local p=$pid kb
    [ "$(cat "/proc/$p/comm" 2>/dev/null)" = torvamik ] || p=$(pgrep -P "$pid" -x torvamik | head -n1)
    kb=$(awk '/^VmHWM:/ {print $2}' "/proc/${p:-0}/status" 2>/dev/null)
    [ "${kb:-0}" -gt "$hwm" ] && hwm=$kb
    return 0
}
checkMemory() {
    [ -n "${TORVAMIK_PROBE:-}" ] && return 0
    echo "peak resident size: $((hwm / 1024)) MiB"
    [ "$hwm" -gt 0 ] && [ "$hwm" -le "$TORVAMIK_RSS_LIMIT_KB" ] ||
        fail "peak resident size $hwm kB, limit $TORVAMIK_RSS_LIMIT_KB kB"
}

# waitBox WHAT [SECONDS]: waits until a window other than the main one and the last box is
# active; box is its id.
waitBox() {
    local deadline=$(($(nowMs) + ${2:-15} * 1000)) w
    while :; do
        w=$(active)
        if [ -n "$w" ] && [ "$w" != "$main" ] && [ "$w" != "$box" ]; then
            box=$w
            sampleMemory
            return 0
        fi
        alive || fail "the program ended while waiting for $1"
        [ "$(nowMs)" -lt "$deadline" ] || fail "no $1 within ${2:-15} s"
        sleep 0.03
    done
}
waitMain() {
    local deadline=$(($(nowMs) + 15000))
    until [ "$(active)" = "$main" ]; do
        alive || fail "the program ended while waiting for $1"
        [ "$(nowMs)" -lt "$deadline" ] || fail "the main window was not active for $1"
        sleep 0.03
    done
}

# waitExit SECONDS: waits for the program to end; status is its exit status.
waitExit() {
    local deadline=$(($(nowMs) + $1 * 1000))
    while alive; do
        sampleMemory
        [ "$(nowMs)" -lt "$deadline" ] || fail "the program did not end within $1 s"
        sleep 0.02
    done
    status=0
    wait "$pid" || status=$?
    pid=""
    [ "$status" -le 128 ] || fail "the program died of signal $((status - 128))"
}

# Space reaches the start button only if it has the keyboard focus.
startQuiz() {
    press space
    waitBox "first question box"
}

# ask r|w: answers the open question right or wrong and closes the feedback box; turn counts the
# questions, score and picture follow the feedback picture. Under wine the boxes expected in the
# probe's transcript are noted.
turn=0 score=0 picture=""
ask() {
    local given=${key[turn]} keys=${noKeys[turn % ${#noKeys[@]}]} verdict=õige
    [ "$1" = w ] && given=$([ "$given" = Jah ] && echo Ei || echo Jah) && verdict=vale
    [ "$given" = Jah ] && keys=${yesKeys[turn % ${#yesKeys[@]}]}
    # shellcheck disable=SC2086 # an entry may hold several keys
    press $keys
    waitBox "feedback box of question $((turn + 1))"
    press "${closeKeys[turn % ${#closeKeys[@]}]}"
    printf 'box Torvamik!|%s|Yes No\nbox Torvamik!|Vastus oli %s!|OK\n' "${statement[turn]}" \
        "$verdict" >>"$work/expected"
    turn=$((turn + 1))
    if [ "$1" = r ]; then
        score=$((score + 1)) picture="$((6 - score))õv.jpg"
    else
        score=$((score > 0 ? score - 1 : 0)) picture="$((6 - score))vv.jpg"
    fi
}
# playRound PLAN: answers a round by a plan such as rrwrw; each feedback picture but the last
# must stand behind the next question box.
playRound() {
    local i
    score=0
    for i in 0 1 2 3 4; do
        ask "${1:i:1}"
        [ $i = 4 ] && break
        waitBox "question $((turn + 1))"
        shows "$picture" "behind question $((turn + 1))"
    done
}

# pixels X,Y...: prints the colour at each point of the main window's client area as r,g,b.
pixels() {
    local info x y format="" point
    info=$(xwininfo -id "$main") || fail "xwininfo on the main window"
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    for point in "$@"; do
        point="$((x + ${point%,*})),$((y + ${point#*,}))"
        format+="%[fx:int(255*p{$point}.r+0.5)],%[fx:int(255*p{$point}.g+0.5)],"
        format+="%[fx:int(255*p{$point}.b+0.5)]\n"
    done
    import -silent -window root "$work/shot.png" && convert "$work/shot.png" -format "$format" info:
}
# near r,g,b #rrggbb: true when every channel is within 40.
near() {
    local r g b hex=${2#\#}
    IFS=, read -r r g b <<<"$1"
    for d in $((r - 16#${hex:0:2})) $((g - 16#${hex:2:2})) $((b - 16#${hex:4:2})); do
        [ "${d#-}" -le 40 ] || return 1
    done
}
# shows NAME|#rrggbb WHAT [SECONDS [POINTS...]]: waits until the picture area shows that picture
# (or colour) at its corners, or at POINTS. The picture came on screen after missMs, the start of
# the last look that did not see it, and before seenMs.
shows() {
    local want=$1 deadline=$(($(nowMs) + ${3:-3} * 1000)) got p ok start
    [ "${want:0:1}" = '#' ] || want=$(colour "$1")
    local points=("${@:4}")
    [ ${#points[@]} -gt 0 ] || points=("${corners[@]}")
    missMs=$(nowMs)
    while :; do
        start=$(nowMs)
        mapfile -t got < <(pixels "${points[@]}")
        ok=1
        for p in "${!points[@]}"; do near "${got[p]:-}" "$want" || ok=0; done
        seenMs=$(nowMs)
        [ $ok = 1 ] && return 0
        missMs=$start
        [ "$seenMs" -lt "$deadline" ] || fail "$2: expected $1 ($want), the screen shows ${got[*]}"
        sleep 0.05
    done
}

# expectError NUMBER NAME: the open box reports the error: one stderr line, and under wine the
# box's text; closing it ends the program with status 1.
expectError() {
    local description="File not found"
    [ "$1" = 481 ] && description="Invalid picture"
    # The Windows program ends its lines with CR LF.
    [ "$(tr -d "\r" <"$err")" = "torvamik: Run-time error $1: $description: $2" ] ||
        fail "stderr is not the one line of error $1 for $2"
    if [ -n "${TORVAMIK_PROBE:-}" ]; then
        sleep 0.3
        grep -qxF "box Torvamik!|Run-time error '$1':\n\n$description\n\n$2|OK" "$transcript" ||
            fail "no error box for $1 $2: $(tail -n1 "$transcript")"
    fi
    press Return
    waitExit 5
    [ "$status" = 1 ] || fail "exit status $status after the error box, expected 1"
}
