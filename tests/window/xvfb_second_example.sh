#!/bin/bash
# Starts the real program on a virtual X display, types the inputs R 12,
# H 1.75, N 3, U 6.5, Z 450 into the window as a user would, presses
# "Recalculate", takes a screenshot and reads the light-soil chart's rows
# on it; then closes the window and expects exit code 0.
# Usage: xvfb_second_example.sh MORVANE SEND_CLOSE_REQUEST
#        (run under xvfb-run with a 24-bit screen)
set -u
program=$1
send_close_request=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Settings of its own: none of the soils the user keeps.
export XDG_CONFIG_HOME="$work/config"

source "$(dirname "$0")/../app/xvfb_window.sh"

start_and_find_window "$program"
sleep 1

# The client area's top-left corner on the screen (no window manager, so no
# frame around it).
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X
top=$Y
echo "window at $left,$top"

# Clicks at a point of the window, given in client coordinates.
click() {
  xdotool mousemove --sync $((left + $1)) $((top + $2)) click 1
  sleep 0.2
}

# Replaces the text of the edit whose centre is at (x, y).
enter() {
  click "$1" "$2"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$3"
  sleep 0.2
}

# Edit centres: the rate and duration edits on the teal panel, the root zone,
# crop water use and days edits on the white input page.
enter 745 34 12
enter 745 90 1.75
enter 98 35 450
enter 98 75 6.5
enter 98 115 3
click 745 157   # "Recalculate"
sleep 1

shot="$work/screen.png"
timeout 20 import -window root "$shot" || fail "no screenshot"

# The colour of a pixel of Chart1 (chart panel coordinates) as #RRGGBB.
chart1_pixel() {
  convert "$shot" -crop "1x1+$((left + 64 + $1))+$((top + 192 + $2))" txt:- |
    grep -o '#[0-9A-F]\{6\}' | head -n 1
}

status=0
expect() {
  local actual
  actual=$(chart1_pixel "$1" "$2")
  if [ "$actual" != "$3" ]; then
    echo "Chart1 pixel ($1, $2): expected $3 ($4), got $actual"
    status=1
  fi
}
expect 120 184 '#0000FF' "detection zone"
expect 120 185 '#000000' "bottom of the detection zone, 252 mm"
expect 120 186 '#F0CAA6' "soil below the detection zone"
expect 120 232 '#008000' "24-hour line, 334.6 mm"
expect 120 299 '#FFFF00' "root zone line, 450 mm"
expect 120 28 '#FF00FF' "top of the 12-pixel applied-water bar"
expect 120 27 '#F0CAA6' "above the applied-water bar"
expect 88 126 '#FF0000' "shallow marker at 150 mm responds"
expect 88 212 '#FFFF00' "deep marker at 300 mm does not respond"

close_and_wait "$send_close_request"
[ "$code" -eq 0 ] || exit "$code"
exit "$status"
