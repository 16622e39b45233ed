#!/bin/bash
# Builds the browser page: bash tools/build-web.sh OUTDIR writes OUTDIR/index.html,
# one self-contained file (the model compiled to WebAssembly and inlined, with
# the page's own HTML, CSS and JavaScript). Needs Debian's emscripten
# (tools/setup.sh). The build tree goes to build-web/ beside this script's
# checkout, or to $MORVANE_WEB_BUILD.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: bash tools/build-web.sh OUTDIR" >&2
  exit 2
fi
mkdir -p "$1"
outdir=$(realpath "$1")
cd "$(dirname "$0")/.."
root=$PWD
build=${MORVANE_WEB_BUILD:-$root/build-web}
# Emscripten's JavaScript tools need acorn, which Debian keeps where only
# Debian's own node looks by default.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

emcmake cmake -S web -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"${MORVANE_WEB_JOBS:-2}" --target morvane_web
python3 web/inline_page.py web/page "$build/morvane-model.js" "$outdir/index.html"
echo "wrote $outdir/index.html"
