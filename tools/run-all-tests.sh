#!/bin/bash
# Builds Morvane five ways and runs every test:
#   1. the ordinary build (gcc): every unit, widget and end-to-end test, and a
#      short smoke run of each benchmark;
#   2. clang with AddressSanitizer and UndefinedBehaviorSanitizer: every test again;
#   3. clang with libFuzzer: each fuzz target for up to 60 seconds;
#   4. the model, morvane-calc and their tests with the software extended type;
#   5. the same cross-built for aarch64 and run under qemu-aarch64;
# and the browser page's site with Emscripten, tested in node against the
# first build's morvane-calc and in headless Chromium (also driven through
# puppeteer-core: offline, installed, printed, on a phone).
# Build trees go to build-test/, build-sanitize/, build-fuzz/, build-software/,
# build-aarch64/ and build-web/ beside this script's checkout. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

section() { printf '\n=== %s ===\n' "$*"; }

# The files an installation holds, relative to its prefix.
installed_files=(
  bin/morvane bin/morvane-calc "lib/$(gcc -print-multiarch)/morvane/morvane_print.so"
  share/applications/net.morvane.Morvane.desktop
  share/metainfo/net.morvane.Morvane.metainfo.xml
  share/icons/hicolor/scalable/apps/net.morvane.Morvane.svg
  share/icons/hicolor/48x48/apps/net.morvane.Morvane.png
  share/icons/hicolor/128x128/apps/net.morvane.Morvane.png
  share/icons/hicolor/256x256/apps/net.morvane.Morvane.png
  share/man/man1/morvane.1.gz share/man/man1/morvane-calc.1.gz
  share/doc/morvane/copyright share/doc/morvane/changelog.gz share/doc/morvane/README.md
  share/doc/morvane/guide.md share/doc/morvane/morvane-window.png
  share/doc/morvane/morvane-menu.png share/doc/morvane/guide-charts.png
  share/doc/morvane/guide-warnings.png share/doc/morvane/guide-plan.png
  share/doc/morvane/morvane-soils.png share/doc/morvane/morvane-detectors-dialog.png
  share/doc/morvane/morvane-detectors.png
)

# Every installed file is in place under PREFIX, and morvane-calc runs there.
# Files under a folder SKIP (relative to PREFIX) are not looked for.
check_installed() {  # PREFIX [SKIP...]
  local prefix=$1 file skip
  shift
  for file in "${installed_files[@]}"; do
    for skip in "$@"; do [[ $file == "$skip"/* ]] && continue 2; done
    [ -s "$prefix/$file" ] || { echo "not installed: $prefix/$file"; return 1; }
  done
  "$prefix/bin/morvane-calc" | grep -qx 'AppAmount=25' ||
    { echo "$prefix/bin/morvane-calc does not run"; return 1; }
  echo "installed in $prefix: ${installed_files[*]}"
}

# cmake --install of BUILD_DIR into a scratch prefix.
check_install_tree() {  # BUILD_DIR
  local prefix
  prefix=$(mktemp -d)
  cmake --install "$1" --prefix "$prefix" >/dev/null &&
    check_installed "$prefix" || { rm -rf "$prefix"; return 1; }
  rm -rf "$prefix"
}

# Builds the Debian package in BUILD_DIR, installs it with apt-get, checks the
# installed files and removes the package again. It runs in a subshell whose
# exit (after a failure or an interruption too) removes whatever part of the
# package got onto the machine. A morvane package that was installed before
# is left alone and the check is skipped.
package_status() { dpkg-query -W -f='${db:Status-Status}' morvane 2>/dev/null || true; }
# Slim Debian images tell dpkg to leave out manual pages and documents.
excluded_by_dpkg() {  # FOLDER
  cat /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/* 2>/dev/null |
    grep -qE "^[[:space:]]*path-exclude[[:space:]=]+$1/"
}
check_debian_package() (  # BUILD_DIR
  if [ "$(package_status)" = installed ]; then
    echo "a morvane package is installed already; not replacing it"
    exit 0
  fi
  rm -f "$1"/morvane_*.deb
  (cd "$1" && cpack -G DEB >/dev/null)
  local deb
  deb=$(echo "$1"/morvane_*.deb)
  [ -f "$deb" ] || { echo "cpack made no package"; exit 1; }
  # Debian's own checks: any error or warning fails.
  lintian --fail-on error,warning "$deb"
  echo "lintian: no errors and no warnings"
  remove_package() {
    case "$(package_status)" in
      "" | not-installed) return 0 ;;
    esac
    apt-get remove -y -qq morvane >/dev/null 2>&1 || dpkg --purge morvane >/dev/null 2>&1
    case "$(package_status)" in
      "" | not-installed) return 0 ;;
      *) return 1 ;;
    esac
  }
  trap 'remove_package || echo "could not remove the morvane package"' EXIT
  trap 'exit 130' INT TERM
  log=$(mktemp)
  if ! DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
      "$(realpath "$deb")" >"$log" 2>&1; then
    cat "$log"; rm -f "$log"; exit 1
  fi
  rm -f "$log"
  local skipped=() folder file
  for folder in share/man share/doc; do
    excluded_by_dpkg "/usr/$folder" && skipped+=("$folder")
  done
  check_installed /usr "${skipped[@]}"
  if ((${#skipped[@]})); then
    echo "dpkg leaves out /usr/{${skipped[*]}} here: checking that part in the package only"
    contents=$(dpkg-deb -c "$deb")
    for file in "${installed_files[@]}"; do
      grep -q " \./usr/$file\$" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
    done
  fi
  if [[ " ${skipped[*]} " != *" share/man "* ]]; then
    page=$(MANWIDTH=80 man -P cat morvane-calc 2>&1) || true
    grep -qE '^ +morvane-calc +- ' <<<"$page" ||
      { echo "man morvane-calc does not show the page: $page"; exit 1; }
  fi
  dpkg -L morvane | grep -q '^/usr/bin/morvane$'
  remove_package
  [ ! -e /usr/bin/morvane-calc ] || { echo "/usr/bin/morvane-calc is left after removal"; exit 1; }
  echo "$(basename "$deb") installed, checked and removed"
)

section "Build (gcc, RelWithDebInfo)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j"$jobs"

section "Install tree and desktop files"
check_install_tree build-test
desktop-file-validate resources/desktop/net.morvane.Morvane.desktop
appstreamcli validate --no-net resources/desktop/net.morvane.Morvane.metainfo.xml

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

# Exactness everywhere: the model with the software extended type, checked
# on x86-64 and cross-built for aarch64 and run under qemu; morvane-calc
# must print the same bytes as the x87 build's.
calc_in() {  # BUILD_DIR: the morvane-calc it built (not a packaged copy)
  find "$1" -type f -name morvane-calc -perm -u+x -not -path '*/CMakeFiles/*' \
    -not -path '*/_CPack_Packages/*' | head -n 1
}

section "Software arithmetic build (gcc, model and morvane-calc)"
cmake -S . -B build-software -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMORVANE_ARITHMETIC=software -DMORVANE_GUI=OFF -DMORVANE_BENCH=OFF >/dev/null
cmake --build build-software -j"$jobs"
ctest --test-dir build-software --output-on-failure -j"$jobs" --timeout 300
tools/compare-calc-outputs.sh "$(calc_in build-test)" "$(calc_in build-software)"

section "aarch64 cross-build (static), tests under qemu-aarch64"
cmake -S . -B build-aarch64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/aarch64-linux-gnu.cmake" \
  -DMORVANE_GUI=OFF -DMORVANE_BENCH=OFF >/dev/null
cmake --build build-aarch64 -j"$jobs"
ctest --test-dir build-aarch64 --output-on-failure -j"$jobs" --timeout 600
tools/compare-calc-outputs.sh "$(calc_in build-test)" "$(calc_in build-aarch64)" qemu-aarch64

section "Browser page (Emscripten), checked in node and headless Chromium"
bash tools/build-web.sh build-web/page
# The browser driver of the phone tests (tools/setup.sh installs it too).
[ -d tests/web/node_modules/puppeteer-core ] || npm ci --prefix tests/web --no-audit --no-fund
MORVANE_PAGE=$root/build-web/page/index.html MORVANE_CALC="$root/$(calc_in build-test)" \
  node --test tests/web/

section "Debian package"
check_debian_package build-test

section "Tests (gcc build)"
# Last, so the closing line of this run is the test summary.
ctest --test-dir build-test --output-on-failure -j"$jobs" --timeout 300
