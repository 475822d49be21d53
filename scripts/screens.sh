#!/usr/bin/env bash
# Pictures of the workstation's windows for review by eye: runs the program
# on a private X server (Xvfb) with a fresh program folder, clicks through it
# as a user would and writes docs/screens/*.png. Needs a built ./build/solvaris
# (or the binary given as the first argument); SCREENS_DISPLAY picks the X
# display (:77).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/apt_packages.sh
install_missing_packages xvfb xdotool imagemagick

program=$(realpath "${1:-build/solvaris}")
out=$PWD/docs/screens
mkdir -p "$out"
work=$(mktemp -d)
display=${SCREENS_DISPLAY:-:77}
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "$program_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
program_pid=
trap cleanup EXIT
export DISPLAY=$display XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$work/runtime"
sleep 1

shot() { sleep 1; import -window root "$out/$1.png"; echo "docs/screens/$1.png"; }
# A click at a point of a window, the point counted from the window's corner.
click_in() {
    local window
    window=$(xdotool search --name "$1" | head -1)
    xdotool mousemove --window "$window" "$2" "$3" click 1
}

mkdir "$work/home"
main="zodiac.* [0-9]+:[0-9]+"
# A fresh run of the program, past its title window, for each picture, so
# that no window of an earlier picture stands in front.
start_program() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    "$program" --home "$work/home" &
    program_pid=$!
    sleep 2
    if [ "${1:-}" = title ]; then
        shot title
    fi
    xdotool key Return
    sleep 1
}

start_program title
shot workstation
click_in "$main" 163 8
shot data-menu
xdotool key Escape
click_in "Diurnal Input Data" 17 235
shot second-person
click_in "Diurnal Input Data" 17 235
click_in "Natal Input Data" 62 264
shot natal-report
click_in "zodiac. - Data" 285 8
shot print-file

start_program
click_in "$main" 475 8
sleep 0.5
xdotool key u
shot about

# The windows around a chart.
start_program
click_in "^Names$" 60 33
shot names-pick
click_in "^Names$" 138 274
shot cities
start_program
click_in "Natal Input Data" 183 131
shot time-zones
start_program
click_in "$main" 273 8
shot options
start_program
click_in "$main" 340 8
sleep 0.5
xdotool key Down Return
shot keywords
start_program
click_in "$main" 340 8
sleep 0.5
xdotool key Down Down Return
shot keyword-system
start_program
click_in "$main" 163 8
sleep 0.5
xdotool key h
shot planetary-hours
start_program
click_in "$main" 163 8
sleep 0.5
xdotool key l
shot timeline-range
xdotool key Return
shot timeline-report
start_program
click_in "^Names$" 204 246
shot name-edit
start_program
click_in "^Names$" 72 246
shot select-file
xdotool key Escape

# The chart wheel and the windows around it, from the Wheels menu by its
# access keys.
wheel_menu() {
    xdotool search --name '^SOLVARIS \(Tropical' windowfocus --sync
    xdotool key --delay 300 alt+w "$@"
    sleep 1
}
start_program
wheel_menu s n
shot wheel-single
xdotool search --name 'Chartwheels$' windowfocus --sync
xdotool key --delay 300 alt+t e
shot wheel-european
start_program
wheel_menu d t
shot wheel-dual
start_program
wheel_menu t t
shot wheel-triple
start_program
wheel_menu s n
xdotool search --name 'Chartwheels$' windowfocus --sync
xdotool key alt+a
shot wheel-aspects
xdotool search --name 'Chartwheels$' windowfocus --sync
xdotool key --delay 300 alt+o e
shot orb-editor
# The print dialog after the full-or-half-page question, answered Yes.
start_program
wheel_menu s n
xdotool search --name 'Chartwheels$' windowfocus --sync
xdotool key alt+p
sleep 1
xdotool key alt+y
shot wheel-print
xdotool key Escape

# Exit through the menu, as a user leaves.
click_in "$main" 20 8
sleep 0.5
xdotool key x
wait "$program_pid" || true
