#!/bin/bash
# Starts the real program on a virtual X display, presses Ctrl+S, accepts the
# file name the save dialog proposes (morvane-YYYY-MM-DD.png in the pictures
# folder) and expects that file to hold exactly the window's picture as the
# X server shows it; then closes the window and expects exit code 0.
# Usage: xvfb_save_picture.sh MORVANE SEND_CLOSE_REQUEST
#        (run under xvfb-run with a 24-bit screen)
set -u
program=$1
send_close_request=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A home of its own, with an empty pictures folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME/Pictures" "$XDG_CONFIG_HOME"

source "$(dirname "$0")/../app/xvfb_window.sh"

start_and_find_window "$program"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"

# A click on "Recalculate" (the same inputs again) gives the window the
# keyboard and takes the focus from the edit boxes, whose blinking text
# cursor would differ between the two pictures; the pointer then leaves the
# window, so that no tooltip covers it.
xdotool mousemove --sync $((X + 745)) $((Y + 157)) click 1
xdotool mousemove --sync 0 0
sleep 0.3
xdotool key --clearmodifiers ctrl+s

dialog=
for _ in $(seq 1 50); do
  dialog=$(xdotool search --onlyvisible --name '^Save picture$' 2>/dev/null | head -n 1)
  [ -n "$dialog" ] && break
  sleep 0.2
done
[ -n "$dialog" ] || fail "no save dialog"
sleep 0.5
xdotool key --clearmodifiers Return

saved="$HOME/Pictures/morvane-$(date +%F).png"
for _ in $(seq 1 50); do
  [ -s "$saved" ] && break
  sleep 0.2
done
[ -s "$saved" ] || fail "nothing saved as $saved: $(ls -A "$HOME/Pictures")"
# With no window manager nothing gives the window the keyboard back once the
# dialog has closed, so "Recalculate" would show no focus ring on the screen,
# where the saved picture, taken before the dialog opened, has one. The same
# click as before gives the focus back to the button.
xdotool mousemove --sync $((X + 745)) $((Y + 157)) click 1
xdotool mousemove --sync 0 0
sleep 1

shot="$work/window.png"
timeout 20 import -window "$window" "$shot" || fail "no screenshot"
size=$(identify -format '%wx%h' "$saved")
[ "$size" = 862x628 ] || fail "the picture is $size, not 862x628"
differing=$(compare -metric AE "$saved" "$shot" null: 2>&1)
[ "$differing" = 0 ] || fail "$differing pixels differ from the window on the screen"
echo "saved $saved: the window's own picture"

close_and_wait "$send_close_request"
exit "$code"
