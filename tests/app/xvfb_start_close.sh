#!/bin/bash
# Starts the real program on a virtual X display, waits for its window, asks
# it to close as a window manager would, and expects exit code 0.
# Usage: xvfb_start_close.sh MORVANE SEND_CLOSE_REQUEST   (run under xvfb-run)
set -u
# Settings of its own: none of the soils the user keeps.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
source "$(dirname "$0")/xvfb_window.sh"

start_and_find_window "$1"
# The window's results are filled before it is shown; give it a moment to
# settle into the event loop, then close it.
sleep 1
close_and_wait "$2"
exit "$code"
