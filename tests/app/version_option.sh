#!/bin/bash
# morvane --version prints the name and version and exits 0 without a
# display; a failed write of it exits 1.
# Usage: version_option.sh MORVANE VERSION
set -u
# No display and a platform that does not exist: any start of Qt would fail.
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=no-such-platform "$@"; }

out=$(run "$1" --version 2>&1) || { echo "exit code $? with output: $out"; exit 1; }
[ "$out" = "morvane $2" ] || { echo "printed '$out', not 'morvane $2'"; exit 1; }
if [ -w /dev/full ] && run "$1" --version >/dev/full 2>/dev/null; then
  echo "a failed write exited 0"; exit 1
fi
echo "morvane --version: $out"
