#!/bin/bash
# Starts the real program on a virtual X display with the accessibility bus
# on, reads the window through the bus as a screen reader does (before and
# after a Recalculate with other inputs), then closes the window and expects
# exit code 0.
# Usage: xvfb_accessibility.sh MORVANE SEND_CLOSE_REQUEST
#        (run under xvfb-run and dbus-run-session)
set -u
# Settings of its own: none of the soils the user keeps.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
program=$1
send_close_request=$2
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

source "$(dirname "$0")/../app/xvfb_window.sh"

start_and_find_window "$program"
timeout 60 /usr/bin/python3 "$(dirname "$0")/accessibility_bus_reader.py" "$(basename "$program")" ||
  fail "the window was not read as expected through the accessibility bus"
close_and_wait "$send_close_request"
[ "$code" -eq 0 ] || exit 1
