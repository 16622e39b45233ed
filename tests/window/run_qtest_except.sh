#!/bin/sh
# Runs every test function of a QTest program except the ones named.
# Usage: run_qtest_except.sh PROGRAM FUNCTION...
set -eu
program=$1
shift
functions=$("$program" -functions | sed -n 's/()$//p')
for skipped in "$@"; do
  functions=$(printf '%s\n' "$functions" | grep -vx "$skipped")
done
# shellcheck disable=SC2086 # one argument per function name
exec "$program" $functions
