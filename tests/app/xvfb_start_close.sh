#!/bin/bash
# Starts the real program on a virtual X display, waits for its window, asks
# it to close as a window manager would, and expects exit code 0.
# Usage: xvfb_start_close.sh MORVANE SEND_CLOSE_REQUEST   (run under xvfb-run)
set -u
program=$1
send_close_request=$2

"$program" &
pid=$!

window=$(timeout 30 xdotool search --sync --name '^Morvane$' | head -n 1)
if [ -z "$window" ]; then
  echo "the window did not appear"
  kill "$pid" 2>/dev/null
  exit 1
fi
# The window's results are filled before it is shown; give it a moment to
# settle into the event loop, then close it.
sleep 1
"$send_close_request" "$window" || { kill "$pid"; exit 1; }

for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    code=$?
    echo "exit code $code"
    exit "$code"
  fi
  sleep 0.1
done
echo "the program did not end after the close request"
kill "$pid"
exit 1
