#!/bin/bash
# Runs two builds of morvane-calc on both worked examples, on every input
# that makes a model run fail and on the detectors' answers (each combination
# of UP and DOWN, no deep detector, values beyond the double range), in plain
# and JSON form, and checks that they print byte-identical output and error
# text and exit with the same code.
#   tools/compare-calc-outputs.sh REFERENCE_CALC OTHER_CALC [EMULATOR]
# EMULATOR (for example qemu-aarch64) runs OTHER_CALC when it is built for
# another processor.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 REFERENCE_CALC OTHER_CALC [EMULATOR]" >&2; exit 2; }
reference=$1 other=$2
emulator=(${3:-})
export LC_ALL=C.UTF-8

# rate|duration|days|crop water use|root zone|decimal separator[|soils[|showed]];
# \t is a tab; soils are the light and the heavy soil ("-" for the built-in
# one); showed is what the shallow and the deep detector showed ("-" for not
# checked).
cases=$(cat <<'EOF'
10|2.5|5|5|500|.
12|1.75|3|6.5|450|.
12|1,75|3|6,5|450|,
10|2.5|1|30|500|.
x|y|z|u|v|.
10| 2.5\t|z|u|v|.
10|2.5||u|v|.
10|2.5|5|2,5|v|.
10|2.5|5|5|5 0 0|.
10|abc|5|5|500|.
12|2.5|3|5|deep|.
10|2.5|0|5|500|.
10|2.5|5|0|500|.
10|2.5|5|5|0|.
10|2.5|0|5|0|.
10|2.5|-11|5|500|.
10|2.5|-6|5|500|.
10|2.5|5|5|0.5|.
1e300|1e300|5|5|500|.
10|2.5|1e200|1e200|500|.
1e4000|1e4000|5|5|500|.
10|2.5|1e299|1|1e300|.
10|2.5|5|5|500|.|0.2:0.1:0.23:0.3|0.36:0.2:0.4:0.45
12|1,75|3|6,5|450|,|-|0,36:0,2:0,4:0,45
10|2.5|0|5|500|.|0.2:0.1:0.23:0.3|-
10|2.5|5|5|500|.|-|-|up|down
12|1,75|3|6,5|450|,|-|-|down|up
10|2.5|5|5|299|.|-|-|up|up
10|2.5|-1|-5|500|.|0.2:0.1:0.23:0.3|-|-|down
12|1,75|3|6,5|450|,|-|0,36:0,2:0,4:0,45|up|down
10|2.5|5|5|500|.|-|-|down|down
10|2.5|0|5|500|.|-|-|up|down
1e300|1e8|100|5|500|.|-|-|up|-
10|2.5|1e-310|1e300|500|.|-|-|up|-
EOF
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runs=0 differences=0
while IFS='|' read -r rate duration days cwu zone separator light heavy shallow deep; do
  arguments=(--rate "$(printf '%b' "$rate")" --duration "$(printf '%b' "$duration")"
             --days "$days" --cwu "$cwu" --root-zone "$zone" --decimal-separator "$separator")
  [ -n "${light:-}" ] && [ "$light" != - ] && arguments+=(--light-soil "$light")
  [ -n "${heavy:-}" ] && [ "$heavy" != - ] && arguments+=(--heavy-soil "$heavy")
  [ -n "${shallow:-}" ] && [ "$shallow" != - ] && arguments+=(--shallow-showed "$shallow")
  [ -n "${deep:-}" ] && [ "$deep" != - ] && arguments+=(--deep-showed "$deep")
  for form in plain json; do
    extra=()
    [ "$form" = json ] && extra=(--json)
    status=0
    "$reference" "${arguments[@]}" "${extra[@]}" >"$work/reference.out" 2>"$work/reference.err" || status=$?
    echo "exit $status" >>"$work/reference.err"
    status=0
    "${emulator[@]}" "$other" "${arguments[@]}" "${extra[@]}" >"$work/other.out" 2>"$work/other.err" || status=$?
    echo "exit $status" >>"$work/other.err"
    runs=$((runs + 1))
    if ! cmp -s "$work/reference.out" "$work/other.out" || ! cmp -s "$work/reference.err" "$work/other.err"; then
      differences=$((differences + 1))
      echo "differs ($form): ${arguments[*]}"
      diff "$work/reference.out" "$work/other.out" || true
      diff "$work/reference.err" "$work/other.err" || true
    fi
  done
done <<<"$cases"
echo "morvane-calc: $runs runs compared, $differences differ"
[ "$differences" -eq 0 ]
