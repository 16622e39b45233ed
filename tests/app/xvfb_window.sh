# Shared by the end-to-end scripts (source it): start the real program on the
# current X display, find its window, and close it as a window manager would.
# Sets `pid` and `window`; every wait is bounded.

fail() {
  echo "$1"
  kill "$pid" 2>/dev/null
  exit 1
}

# start_and_find_window PROGRAM: waits up to 30 seconds for the window,
# giving up at once if the program ends.
start_and_find_window() {
  "$1" &
  pid=$!
  window=
  for _ in $(seq 1 150); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      echo "the program ended with code $? before its window appeared"
      exit 1
    fi
    window=$(xdotool search --onlyvisible --name '^Morvane$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && return
    sleep 0.2
  done
  fail "the window did not appear"
}

# close_and_wait SEND_CLOSE_REQUEST: asks the window to close, waits up to
# 10 seconds for the program to end and sets `code` to its exit code.
close_and_wait() {
  "$1" "$window" || fail "could not ask the window to close"
  for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      code=$?
      echo "exit code $code"
      return
    fi
    sleep 0.1
  done
  fail "the program did not end after the close request"
}
