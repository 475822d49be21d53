#!/usr/bin/env bash
# A short walk through the workstation as a new user takes it, on a private
# X server (Xvfb) with a fresh program folder: start, type a birth, OK with
# Enter, change the house system with the data window open, and open each
# window once. It stops with a message when a step does not bring up what
# it should, and keeps its pictures as docs/screens/walk-*.png for review by
# eye. CI does not run it. Needs a built program: ./build/solvaris, or the
# one named in SOLVARIS_PROGRAM; WALK_DISPLAY names the X display (:78).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/apt_packages.sh
install_missing_packages xvfb xdotool imagemagick

program=${SOLVARIS_PROGRAM:-$PWD/build/solvaris}
display=${WALK_DISPLAY:-:78}
out=$PWD/docs/screens
mkdir -p "$out"
work=$(mktemp -d)
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
    fi
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$work/runtime"
sleep 1

fail() {
    echo "walk: $*" >&2
    import -window root "$out/walk-failed.png"
    exit 1
}
# The newest shown window whose caption matches; fails the walk when none.
window_named() {
    local id
    id=$(timeout 15 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | tail -1) ||
        fail "no window \"$1\" after: $2"
    [ -n "$id" ] || fail "no window \"$1\" after: $2"
    echo "$id"
}
# Without a window manager the newest window is on top: the one to look at
# is raised first.
shot() {
    if [ -n "${2:-}" ]; then
        xdotool windowraise "$(window_named "$2" "$1")"
    fi
    sleep 0.7
    import -window root "$out/walk-$1.png"
    echo "docs/screens/walk-$1.png"
}
# A click at a point of a window, counted from the window's corner; the
# window raised first, as the click of a user would find it on top.
click_in() {
    local id
    id=$(window_named "$1" "click")
    xdotool windowraise "$id"
    xdotool mousemove --window "$id" "$2" "$3" click 1
    sleep 0.5
}
# Keys to the window of that caption (a message box, a dialog).
keys_to() {
    local id
    id=$(window_named "$1" "keys")
    shift
    xdotool windowfocus --sync "$id"
    xdotool key --delay 300 "$@"
    sleep 1
}
# A click counted back from the window's bottom right corner (its Quit).
click_from_corner() {
    local id WIDTH HEIGHT
    id=$(window_named "$1" "click")
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
    xdotool windowraise "$id"
    xdotool mousemove --window "$id" $((WIDTH - $2)) $((HEIGHT - $3)) click 1
    sleep 0.5
}
main_menu() {
    xdotool windowfocus --sync "$(window_named "$main_caption" "menu")"
    xdotool key --delay 300 "$@"
    sleep 1
}
main_caption="^SOLVARIS .Tropical zodiac. - [0-9]"
natal_caption="Natal Input Data"
data_caption="zodiac. - Data"

mkdir "$work/home"
"$program" --home "$work/home" &
program_pid=$!
window_named "^TITLE$|SOLVARIS" "start" >/dev/null
sleep 1
xdotool key Return
window_named "$natal_caption" "start" >/dev/null
shot start

# The name field holds "Now": a click into it selects it all, so that the
# typed name replaces it; Tab goes on from field to field, selecting each.
click_in "$natal_caption" 120 22
shot name-clicked
xdotool type --delay 60 "Walker Ann"
for keys in 12 5 1950 19 45; do
    xdotool key Tab
    xdotool type --delay 60 "$keys"
done
shot birth-typed
# Enter in the minute field runs OK: the natal report.
xdotool key Return
sleep 1
window_named "$data_caption" "Enter in the natal entry" >/dev/null
shot natal-report "$data_caption"

# Houses > Koch with the data window open: the report comes back with the
# Koch cusps.
main_menu alt+s k
window_named "$data_caption" "Houses > Koch" >/dev/null
shot house-koch "$data_caption"

# The windows around the chart, each once, closed by its own button where
# it has one. A name clicked, then the next one by the arrow key; the same
# in the cities list, which opens wholly on the screen.
click_in "^Names$" 60 33
xdotool key Down
shot names-arrows "$natal_caption"
click_in "^Names$" 138 274
click_in "^Cities$" 60 12
xdotool key Down Down
shot cities-arrows "$natal_caption"
click_from_corner "^Cities$" 95 50
shot cities-edit "^Edit: .*LL$"
click_from_corner "^Edit: .*LL$" 50 20
click_in "^Cities$" 180 445
click_in "^Names$" 204 246
shot names-edit "^Edit: .*FIL$"
click_from_corner "^Edit: .*FIL$" 150 20
click_in "^Names$" 72 246
shot select-file "^Select File"
xdotool key Escape
click_in "$natal_caption" 183 131
shot time-zones "^Time Zones"
click_from_corner "^Time Zones" 150 14
main_menu alt+o
shot options "Edit: OPTIONS.OPT"
click_from_corner "Edit: OPTIONS.OPT" 90 14
main_menu alt+k g
shot keywords "^Keywords$"
main_menu alt+k k
shot keyword-system "Keyword System"
click_in "Keyword System" 237 125
main_menu alt+d h
shot planetary-hours "^Planetary Hours$"
click_from_corner "^Planetary Hours$" 60 16
main_menu alt+w s n
shot wheel-single "Chartwheels$"
xdotool windowfocus --sync "$(window_named 'Chartwheels$' "wheel")"
xdotool key alt+a
shot wheel-aspects
xdotool windowfocus --sync "$(window_named 'Chartwheels$' "wheel")"
xdotool key --delay 300 alt+o e
shot orb-editor
xdotool windowfocus --sync "$(window_named 'Chartwheels$' "wheel")"
xdotool key alt+d
shot wheel-duplicate
xdotool windowfocus --sync "$(window_named "$data_caption" "print")"
xdotool key --delay 300 alt+p
shot print-file "^File To Print$"
click_from_corner "^File To Print$" 40 20
main_menu alt+h u
shot about
click_in "^About SOLVARIS$" 100 100

# The ephemeris from the natal entry, at midnight; then Input and Enter for
# the chart again, and the transit interpretations stepped to a new date.
click_in "$natal_caption" 392 265
keys_to "Midnight or Noon" Return
shot ephemeris "$data_caption"
main_menu alt+i
click_in "$natal_caption" 120 22
keys_to "$natal_caption" Return
main_menu alt+d t i
keys_to "$data_caption" alt+m n
shot new-date "^New Transit Date$"
keys_to "^New Transit Date$" Return
shot interpretations-new-date "$data_caption"

# Exit through the menu, as a user leaves.
main_menu alt+f x
wait "$program_pid" || true
program_pid=
