#!/bin/bash
# Installs what building, running and testing Morvane needs on Debian 12
# (run as root), and generates the locales the tests switch to.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg62-turbo-dev libfontconfig-dev
  fonts-liberation locales
  xvfb xauth xdotool x11-utils imagemagick dbus-daemon
  at-spi2-core python3-pyatspi    # the window read through the accessibility bus
  orca openbox procps              # ... and by the screen reader, on a desktop
  desktop-file-utils appstream lintian man-db
  g++-aarch64-linux-gnu qemu-user  # the aarch64 cross-build and its tests
  emscripten nodejs chromium librsvg2-bin  # the browser page, its icons and tests
  poppler-utils                    # the printed page checked as a picture
)
# npm for the page tests' browser driver (tests/web/package.json); a node
# that brings its own npm conflicts with Debian's package.
command -v npm >/dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Comma locales (the French one groups with a narrow no-break space) and one
# whose decimal separator is a multibyte character.
need_gen=0
for entry in "de_DE.UTF-8 UTF-8:de_DE.utf8" "fr_FR.UTF-8 UTF-8:fr_FR.utf8" "ps_AF UTF-8:ps_AF"; do
  line=${entry%%:*} name=${entry##*:}
  if ! locale -a 2>/dev/null | grep -qx "$name"; then
    sed -i "s/^# *\(${line}\)\$/\1/" /etc/locale.gen
    need_gen=1
  fi
done
if ((need_gen)); then locale-gen >/dev/null; fi
# The page tests' browser driver, at the versions of tests/web/package-lock.json.
npm ci --prefix "$(dirname "$0")/../tests/web" --no-audit --no-fund --loglevel=error
