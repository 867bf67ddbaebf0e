# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# Drives the real program in a with-xsession session as a player would, every wait bounded: keys
# go to whichever window is active (a key sent to a named window can stay held down in Xvfb).
# Sourced by the case scripts. Environment: TORVAMIK, MAKE_PICTURES (the solid picture generator);
# for the Windows program TORVAMIK_LAUNCHER (wine) and TORVAMIK_PROBE.
# shellcheck shell=bash
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tables=$here/../support program=$(realpath "${TORVAMIK:?}")
read -ra launcher <<<"${TORVAMIK_LAUNCHER:-}"
: "${TORVAMIK_EXTRA_LIMIT_KB:=262144}" "${TORVAMIK_EXIT_LIMIT_MS:=3000}"
work=$(mktemp -d) pid="" main="" box="" boxes=0 hwm=0 base=0 turn=0 programArgs=()
pictures=$work/pictures err=$work/stderr transcript=$work/probe
underWine() { [ -n "${TORVAMIK_PROBE:-}" ]; }
# Keys that answer Jah and Ei and close a feedback box, taken in turn; a case may set others.
yes=j no=e
yesKeys=("$yes") noKeys=("$no") closeKeys=(Return)
mapfile -t key < <(awk -F'\t' '!/^#/ {print $3}' "$tables/statements.tsv")
mapfile -t statement < <(awk -F'\t' '!/^#/ {print $4}' "$tables/statements.tsv")
# The picture area's top-right and bottom-left, 12 pixels in: clear of every box.
corners=(484,76 20,428)

trap 'kill -KILL ${pid:-} ${probe:-} 2>/dev/null; wait; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    [ -s "$err" ] && echo "--- the program's stderr:" && cat "$err"
    underWine && echo "--- the probe's last lines:" && tail -n 6 "$transcript"
    echo "--- windows: active ${w:-?} ($(active)), main $main, last box $box; boxes counted $boxes"
    exit 1
} >&2
nowMs() { date +%s%3N; }
# within SECONDS WHAT COMMAND...: repeats COMMAND until it succeeds, or fails naming WHAT.
within() {
    local deadline=$(($(nowMs) + $1 * 1000))
    until "${@:3}"; do
        [ "$(nowMs)" -lt "$deadline" ] || fail "$2: not within $1 s ${why:-}"
        sleep 0.03
    done
}
makePictures() { "${MAKE_PICTURES:?}" "$pictures" || fail "cannot make the pictures"; }
# putPicture KIND NAME COLOUR: replaces NAME by a file of KIND (see make-picture).
putPicture() { rm -rf "${pictures:?}/$2" && "$here/make-picture" "$1" "$pictures/$2" "${3:-}" || fail "cannot make $1 as $2"; }

# startProgram [COMMAND...]: the program in the picture folder, after COMMAND (env, strace) if
# given, until its window is the active one.
startProgram() {
    if underWine; then
        # Wine's services start with a session's first program and print to its stderr.
        "${launcher[@]}" cmd /c exit >/dev/null 2>&1
        "${launcher[@]}" "$TORVAMIK_PROBE" 300 >"$transcript" 2>/dev/null &
        probe=$!
    fi
    (cd "$pictures" && exec "$@" "${launcher[@]}" "$program" "${programArgs[@]}") 2>"$err" &
    pid=$!
    within 30 "the window" shown
}
shown() {
    alive || fail "the program ended before showing its window"
    main=$(xdotool search --onlyvisible --name '^Torvamik!$' 2>/dev/null | head -n1)
    [ -n "$main" ] && [ "$(active)" = "$main" ]
}
alive() { [ -n "$pid" ] && [ -e "/proc/$pid" ] && [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" != Z ]; }
active() { xdotool getactivewindow 2>/dev/null; }
press() { xdotool key "$@" || fail "xdotool key $*"; }
# True when a window other than the main one and the last box is active; w is its id.
other() { w=$(active) && [ -n "$w" ] && [ "$w" != "$main" ] && [ "$w" != "$box" ]; }
newBox() { { alive || fail "the program ended while a box was awaited"; } && sampleMemory && other && box=$w; }
waitBox() {
    underWine || { within "${2:-15}" "$1" newBox && return; }
    within "${2:-15}" "$1" probeSaw
    since=$(nowMs)
    within 5 "$1 active in X" activated
}
# Under wine a box counts once the probe has read it with a button focused: the probe misses none.
probeSaw() {
    { alive || fail "the program ended while a box was awaited"; } && sampleMemory &&
        [ "$(grep -c '^box' "$transcript")" -gt "$boxes" ] && boxes=$((boxes + 1))
}
# Now and then openbox keeps the main window active when wine asks for a new box, and wine drops
# keys sent there: after a second the driver activates the box as a taskbar would.
activated() {
    other && box=$w && return
    [ "$since" = asked ] || [ $(($(nowMs) - since)) -ge 1000 ] || return 1
    w=$(xdotool search --onlyvisible --name '^Torvamik!$' | grep -vxE "$main|${box:-0}" | tail -n1)
    [ -n "$w" ] && xdotool windowactivate "$w" 2>/dev/null && [ "$since" != asked ] &&
        echo "driver: asked the window manager to activate box $((boxes)) of the probe" && since=asked
    return 1
}
# waitExit SECONDS: waits for the program to end; status is its exit status.
waitExit() {
    within "$1" "the end of the program" ended
    wait "$pid" && status=0 || status=$?
    pid=""
    [ "$status" -le 128 ] || fail "the program died of signal $((status - 128))"
}
ended() { sampleMemory && ! alive; }
# closeMain: the title bar's close button; the program ends at once, status 0, no box, no output.
closeMain() {
    wmctrl -i -c "$main" && within $((TORVAMIK_EXIT_LIMIT_MS / 1000)) "the end after the close" quietEnd
    waitExit 1
    [ "$status" = 0 ] && [ ! -s "$err" ] || fail "exit status $status or output after the close"
}
quietEnd() { ! other || fail "a box opened after the close" && ! alive; }

# The program's own process: itself (wine runs the exe in the process it started as), or the child
# of a launcher that stays (strace).
programPid() {
    local name=torvamik
    [ -n "$pid" ] || return
    underWine && name='Torvamik!.exe'
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ] && echo "$pid" || pgrep -n -P "$pid" -x "$name"
}
# memory FIELD: the program's VmHWM or VmRSS in kB, nothing once it is gone.
memory() { awk -v field="$1:" '$1 == field {print $2}' "/proc/$(programPid)/status" 2>/dev/null; }
sampleMemory() { local kb; kb=$(memory VmHWM); [ "${kb:-0}" -le "$hwm" ] || hwm=$kb; }
# The peak resident size above the size at the first question box, before any picture is read.
checkMemory() {
    sampleMemory
    echo "peak extra resident size: $(((hwm - base) / 1024)) MiB"
    [ "$base" -gt 0 ] && [ $((hwm - base)) -le "$TORVAMIK_EXTRA_LIMIT_KB" ] ||
        fail "peak resident size $hwm kB, over $TORVAMIK_EXTRA_LIMIT_KB kB above $base kB at the start"
}

# Space reaches the start button only if it has the focus. Under wine the probe reads the idle
# window first, so that no reading straddles the click.
startQuiz() {
    underWine && within 10 "the probe's reading of the idle window" grep -qx 'enabled 1' "$transcript"
    press space && waitBox "the first question box" && base=$(memory VmRSS)
}
# ask r|w: answers the open question right or wrong, closes the feedback box, notes both boxes.
ask() {
    local given=${key[turn]} keys=${noKeys[turn % ${#noKeys[@]}]} verdict=õige
    [ "$1" = w ] && given=$([ "$given" = Jah ] && echo Ei || echo Jah) && verdict=vale
    [ "$given" = Jah ] && keys=${yesKeys[turn % ${#yesKeys[@]}]}
    # shellcheck disable=SC2086 # an entry may hold several keys
    press $keys
    waitBox "the feedback box of question $((turn + 1))"
    press "${closeKeys[turn % ${#closeKeys[@]}]}"
    printf 'box Torvamik!|%s|Jah Ei\nbox Torvamik!|Vastus oli %s!|OK\n' "${statement[turn]}" \
        "$verdict" >>"$work/expected"
    turn=$((turn + 1))
}
# playRound PLAN [LOOK]: answers by the start of a plan of answer-plans.tsv, such as rrw, from the
# round's first question; every feedback picture of the plan but the last must stand behind the
# next question box, as LOOK (shows) sees it.
playRound() {
    local pictures
    read -ra pictures < <(awk -F'\t' -v plan="$1" '!/^#/ && index($1, plan) == 1 {print $2; exit}' "$tables/answer-plans.tsv")
    [ ${#pictures[@]} = 5 ] || fail "no plan starts with $1 in answer-plans.tsv"
    for ((i = 1; i <= ${#1}; i++)); do
        ask "${1:i-1:1}"
        [ $i = ${#1} ] && return
        waitBox "question $((turn + 1))"
        "${2:-shows}" "${pictures[i - 1]}" "behind question $((turn + 1))"
    done
}

# shows NAME|#rrggbb WHAT [SECONDS [POINTS...]]: waits until the picture area shows that picture
# (or colour) at its corners or POINTS; it came after missMs (the last look without it) and
# before seenMs.
shows() {
    want=$1
    [ "${want:0:1}" = '#' ] || want=$(awk -F'\t' -v n="$1" '$1 == n {print $2}' "$tables/pictures.tsv")
    points=("${@:4}") missMs=$(nowMs)
    [ ${#points[@]} -gt 0 ] || points=("${corners[@]}")
    within "${3:-3}" "$2: $1 ($want)" looks
}
looks() {
    local x y p start format=""
    start=$(nowMs)
    read -r x y < <(xwininfo -id "$main" | awk '/Absolute upper-left/ {printf "%s ", $4}')
    for p in "${points[@]}"; do
        p="$((x + ${p%,*})),$((y + ${p#*,}))"
        format+="%[fx:int(255*p{$p}.r+0.5)] %[fx:int(255*p{$p}.g+0.5)] %[fx:int(255*p{$p}.b+0.5)]\n"
    done
    import -silent -window root "$work/shot.png" || fail "cannot take a screenshot"
    seenMs=$(nowMs)
    got=$(convert "$work/shot.png" -format "$format" info:) || fail "cannot read the screenshot"
    # Every point within 40 of the colour in each channel.
    awk -v want="$((16#${want:1:2})) $((16#${want:3:2})) $((16#${want:5:2}))" -v n=${#points[@]} '
        BEGIN { split(want, c) } { for (i = 1; i <= 3; i++) far += ($i - c[i]) ^ 2 > 1600; m++ }
        END { exit far || m != n }' <<<"$got" || { missMs=$start why="(the screen shows ${got//$'\n'/, })" && return 1; }
}

# expectError NUMBER NAME: the open box reports the error, as does the one line on stderr (CR LF
# from the Windows program); closing the box ends the program with status 1.
expectError() {
    local description="File not found"
    [ "$1" = 481 ] && description="Invalid picture"
    [ "$(tr -d '\r' <"$err")" = "torvamik: Run-time error $1: $description: $2" ] ||
        fail "stderr is not the one line of error $1 for $2"
    if underWine; then
        within 3 "the error box's text" grep -qxF "box Torvamik!|Run-time error '$1':"$'\t\t'"$description"$'\t\t'"$2|OK" "$transcript"
    fi
    press Return
    waitExit 5
    [ "$status" = 1 ] || fail "exit status $status after the error box, expected 1"
}
