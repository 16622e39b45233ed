#!/bin/bash
# Starts the real program and the Orca screen reader on a virtual X display
# with the desktop accessibility bus, and uses the window as a blind
# irrigator would: reads it line by line with Orca's flat review keys (the
# desktop layout's keypad), types other inputs with Tab, presses Recalculate
# with Space, and reads it again. Every result must have been spoken with its
# meaning and value, before and after.
#
# Orca speaks to no speech server here (its settings name none), so nothing
# is heard; its debug log records each "SPEECH OUTPUT" all the same. Every
# wait is bounded; the test fails with what Orca said when a text is missing.
# Usage: xvfb_orca.sh MORVANE SEND_CLOSE_REQUEST
#        (run under xvfb-run and dbus-run-session)
set -u
program=$1
send_close_request=$2
work=$(mktemp -d)
log=$work/orca.log
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$work/orca" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

source "$(dirname "$0")/../app/xvfb_window.sh"

# Orca refuses to start while another Orca of this user runs anywhere on
# the machine: test runs in other checkouts wait for each other here, and a
# screen reader the user runs makes the test skip (exit code 77).
exec 9>"${TMPDIR:-/tmp}/morvane-orca-test.lock"
flock -w 120 9 || { echo "another Orca test kept the lock for two minutes"; exit 1; }
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "an Orca of this user is running already: this test cannot start its own"
  exit 77
fi

helpers=()
orca_pid=
# Orca ends before the lock is given back, so that the next test can start it.
stop_orca() {
  [ -n "$orca_pid" ] || return 0
  kill "$orca_pid" 2>/dev/null
  for _ in $(seq 1 50); do kill -0 "$orca_pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$orca_pid" 2>/dev/null
}
cleanup() {
  stop_orca
  for helper in "${helpers[@]}"; do kill "$helper" 2>/dev/null; done
  kill "$pid" 2>/dev/null
  [ -n "${KEEP_ORCA_LOG:-}" ] && cp "$log" "$KEEP_ORCA_LOG"
  rm -rf "$work"
}
trap cleanup EXIT

# A window manager gives the window the keyboard, as on a desktop; the
# window is opened once it runs.
openbox >/dev/null 2>&1 &
helpers+=($!)
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.2
done

cat >"$work/orca/user-settings.conf" <<'EOF'
{"general": {"speechServerFactory": "none", "speechFactoryModules": [],
             "enableBraille": false, "enableBrailleMonitor": false,
             "keyboardLayout": 1, "firstStart": false},
 "profiles": {"default": {"profile": ["Default", "default"]}},
 "pronunciations": {}, "keybindings": {}}
EOF

# What Orca has said so far, one utterance a line; where its keyboard focus
# went, one "[role | name]" a line.
spoken() { grep -o "SPEECH OUTPUT: '.*'" "$log" 2>/dev/null | sed "s/^SPEECH OUTPUT: '//; s/'\$//"; }
focused() { grep -o "Changing locusOfFocus from .* to .*\]" "$log" 2>/dev/null | sed 's/.* to //'; }

# wait_for LIST TEXT SINCE SECONDS: waits until LIST (spoken or focused) has
# TEXT after its first SINCE lines.
wait_for() {
  local tries=$(($4 * 5))
  for _ in $(seq 1 "$tries"); do
    "$1" | tail -n +$(($3 + 1)) | grep -qF -- "$2" && return 0
    sleep 0.2
  done
  echo "Orca's $1 list has no \"$2\". It has:"
  "$1" | tail -n +$(($3 + 1))
  fail "the screen reader missed what the window showed"
}

# press KEY TEXT: presses KEY and waits to hear TEXT.
press() {
  local before
  before=$(spoken | wc -l)
  xdotool key --clearmodifiers "$1"
  wait_for spoken "$2" "$before" 20
}

# tab_to KEY ROLE CAPTION: moves the keyboard with KEY until Orca follows it
# to the control of ROLE named CAPTION; replace TEXT: types TEXT over the
# focused edit's text.
tab_to() {
  local before
  before=$(focused | wc -l)
  xdotool key --clearmodifiers "$1"
  wait_for focused "[$2 | $3]" "$before" 20
}
replace() {
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 40 "$1"
}

# review_window EXPECTED...: reads the window from its top line down with the
# flat review keys (Insert+KP_Home, then KP_Page_Up line by line) until Orca
# has said every EXPECTED text, for at most 40 lines.
review_window() {
  local before line text missing
  before=$(spoken | wc -l)
  xdotool keydown Insert key KP_Home keyup Insert
  for line in $(seq 1 40); do
    missing=()
    for text in "$@"; do
      spoken | tail -n +$((before + 1)) | grep -qF -- "$text" || missing+=("$text")
    done
    ((${#missing[@]} == 0)) && { echo "Orca read ${#@} results in $line lines"; return 0; }
    sleep 0.7  # longer than Orca's double-press time
    xdotool key KP_Page_Up
  done
  echo "Orca did not say: ${missing[*]}. It said:"
  spoken | tail -n +$((before + 1))
  fail "the screen reader missed a result"
}

start_and_find_window "$program"
# Orca writes its debug file through a block buffer, but by line to a
# terminal: so it runs on a pseudo-terminal (script), which copies each
# line to the log at once.
script -qfc "exec orca -u $work/orca --debug-file=/dev/tty" "$log" >/dev/null 2>&1 &
helpers+=($!)
for _ in $(seq 1 50); do
  orca_pid=$(pgrep -P "${helpers[-1]}" -x orca) && break
  sleep 0.1
done
# Starting takes a few seconds, more on a busy machine.
wait_for spoken "Screen reader on" 0 60
xdotool windowactivate --sync "$window" 2>/dev/null
# The window opens with the keyboard in the application rate.
wait_for focused "[text | Sprinkler Application Rate (mm/h)]" 0 20

review_window "Applied depth: 25 mm" "Soil water deficit: 25 mm" \
  "Light soil storage: 29 percent" "Heavy soil storage: 50 percent" \
  "Light soil shallow detector depth: 165 mm" "Light soil deep detector depth: 335 mm"

# The second example, typed box by box: the rate, back to the duration, then
# forward through the soil inputs to the button.
replace 12
tab_to shift+Tab text "Specify duration of irrigation (h)"
replace 1.75
tab_to Tab text "Sprinkler Application Rate (mm/h)"
tab_to Tab text "Active Root Zone (mm)"
replace 450
tab_to Tab text "Daily Crop Water Use(mm)"
replace 6.5
tab_to Tab text "Days Since Last irrigation"
replace 3
tab_to Tab "push button" "Recalculate"
xdotool key --clearmodifiers space

review_window "Applied depth: 21 mm" "Soil water deficit: 19.5 mm" \
  "Light soil storage: 38 percent" "Heavy soil storage: 57 percent" \
  "Light soil shallow detector depth: 150 mm" "Light soil deep detector depth: 300 mm"

close_and_wait "$send_close_request"
[ "$code" -eq 0 ] || exit 1
