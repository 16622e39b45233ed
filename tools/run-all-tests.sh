#!/bin/bash
# Builds Morvane three ways and runs every test:
#   1. the ordinary build (gcc): every unit, widget and end-to-end test, and a
#      short smoke run of each benchmark;
#   2. clang with AddressSanitizer and UndefinedBehaviorSanitizer: every test again;
#   3. clang with libFuzzer: each fuzz target for up to 60 seconds.
# Build trees go to build-test/, build-sanitize/ and build-fuzz/ beside this
# script's checkout. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

section() { printf '\n=== %s ===\n' "$*"; }

section "Build (gcc, RelWithDebInfo)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j"$jobs"

section "Benchmarks (smoke run)"
for b in build-test/bench/*/bench_*; do
  if [ -f "$b" ] && [ -x "$b" ]; then QT_QPA_PLATFORM=offscreen "$b" --benchmark_min_time=0.01 >/dev/null; fi
done
echo "benchmarks ran"

section "Sanitizer build (clang, ASan + UBSan)"
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DMORVANE_SANITIZE=ON -DMORVANE_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/tools/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
section "Tests under sanitizers"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs" --timeout 300
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

section "Fuzzing (clang, libFuzzer, up to 60 s per target)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVANE_FUZZ=ON -DMORVANE_GUI=OFF -DMORVANE_TESTS=OFF -DMORVANE_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
for f in build-fuzz/fuzz/fuzz_*; do
  [ -f "$f" ] && [ -x "$f" ] || continue
  name=$(basename "$f")
  work=$(mktemp -d)
  cp -r fuzz/corpus/. "$work"/ 2>/dev/null || true
  "$f" -max_total_time=60 -timeout=10 "$work" 2>&1 | tail -3
  rm -rf "$work"
done

section "Tests (gcc build)"
# Last, so the closing line of this run is the test summary.
ctest --test-dir build-test --output-on-failure -j"$jobs" --timeout 300
