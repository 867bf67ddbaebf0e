# Shell functions that drive the real program in an X session as a player would: by keys sent to
# whichever window is active, never to a named window (that can leave a key held down in Xvfb).
# Every wait is bounded; a function that runs out of time prints why and returns non-zero.

# wait_for_window NAME SECONDS: prints the id of the first visible window with this exact title.
wait_for_window() {
    local name=$1 deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    echo "no window named '$name' within $2 s" >&2
    return 1
}

# wait_for_box MAIN_ID PREVIOUS_ID SECONDS: prints the id of the active window once it is a box,
# i.e. neither the main window nor the box handled before.
wait_for_box() {
    local main=$1 previous=$2 deadline=$((SECONDS + $3)) id
    while [ $SECONDS -lt "$deadline" ]; do
        id=$(xdotool getactivewindow 2>/dev/null)
        if [ -n "$id" ] && [ "$id" != "$main" ] && [ "$id" != "$previous" ] &&
            [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "Torvamik!" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    echo "no new box within $3 s" >&2
    return 1
}

# client_size ID: prints WIDTHxHEIGHT of the window's own (client) area.
client_size() {
    xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# pixel_in_window ID X Y: prints the colour at a point of a window as R G B (0 to 255).
pixel_in_window() {
    local shot
    shot=$(mktemp --suffix=.png)
    import -silent -window "$1" "$shot" 2>/dev/null
    convert "$shot" -crop "1x1+$2+$3" -depth 8 -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
    rm -f "$shot"
}

# near R G B R G B: true when two colours differ by at most 40 in sum.
near() {
    local d=$(( ${1#-} - $4 )); local e=$(( $2 - $5 )); local f=$(( $3 - $6 ))
    [ $(( ${d#-} + ${e#-} + ${f#-} )) -le 40 ]
}

# wait_for_exit PID SECONDS: waits for a background child of this shell and sets exit_status.
# Call it directly, not in $(...): only the parent shell can collect the child's status.
wait_for_exit() {
    local pid=$1 deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt "$deadline" ]; do sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "process $pid still running after $2 s" >&2
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 1
    fi
    exit_status=0
    wait "$pid" || exit_status=$?
}

# solid_pictures FOLDER: writes the fourteen pictures, each one plain colour (see colour_of).
picture_names=(0.jpg 1.jpg 2.jpg 3.jpg 4.jpg 1õv.jpg 2õv.jpg 3õv.jpg 4õv.jpg 5õv.jpg
               3vv.jpg 4vv.jpg 5vv.jpg 6vv.jpg)
colour_of() {
    case $1 in
        0.jpg) echo "0 0 0" ;; 1.jpg) echo "255 0 0" ;; 2.jpg) echo "0 255 0" ;;
        3.jpg) echo "0 0 255" ;; 4.jpg) echo "255 255 0" ;; 1õv.jpg) echo "255 0 255" ;;
        2õv.jpg) echo "0 255 255" ;; 3õv.jpg) echo "128 0 0" ;; 4õv.jpg) echo "0 128 0" ;;
        5õv.jpg) echo "0 0 128" ;; 3vv.jpg) echo "128 128 0" ;; 4vv.jpg) echo "128 0 128" ;;
        5vv.jpg) echo "0 128 128" ;; 6vv.jpg) echo "255 255 255" ;;
    esac
}
solid_pictures() {
    local name r g b
    for name in "${picture_names[@]}"; do
        read -r r g b <<<"$(colour_of "$name")"
        convert -size 64x48 "xc:rgb($r,$g,$b)" -quality 95 "$1/$name"
    done
}
