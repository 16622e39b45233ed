#!/bin/bash
# The manual pages format without a warning, name the program's version, and
# the page of morvane-calc documents every option its --help lists; the
# changelog's newest entry is the program's version.
# Usage: manual_pages.sh VERSION CHANGELOG MORVANE_CALC PAGE...
set -u
version=$1 changelog=$2 calc=$3
shift 3
status=0
fail() { echo "$*"; status=1; }

for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
  grep -q "^\.TH .* \"morvane $version\"" "$page" || fail "$page: not for morvane $version"
  case "$page" in */morvane-calc.1) calc_page=$page ;; esac
done

help=$("$calc" --help) || fail "morvane-calc --help failed"
options=$(grep -oE '^ +--[a-z][a-z-]*' <<<"$help" | tr -d ' ' | sort -u)
[ -n "$options" ] || fail "morvane-calc --help lists no option"
for option in $options; do
  # roff writes each hyphen of an option as \-.
  grep -qF -- "${option//-/\\-}" "${calc_page:?no morvane-calc.1 given}" ||
    fail "morvane-calc.1 does not document $option"
done

head -1 "$changelog" | grep -q "^morvane ($version) " ||
  fail "$changelog: the newest entry is not $version"
exit "$status"
