#!/bin/bash
# Starts the real program on a virtual X display, waits for its window, asks
# it to close as a window manager would, and expects exit code 0.
# Usage: xvfb_start_close.sh MORVANE SEND_CLOSE_REQUEST   (run under xvfb-run)
set -u
program=$1
send_close_request=$2

"$program" &
pid=$!

# Wait up to 30 seconds for the window, giving up at once if the program ends.
window=
for _ in $(seq 1 150); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "the program ended with code $? before its window appeared"
    exit 1
  fi
  window=$(xdotool search --onlyvisible --name '^Morvane$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "the window did not appear"
  kill "$pid"
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
