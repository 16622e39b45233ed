#!/bin/bash
# Builds the browser page's site: bash tools/build-web.sh OUTDIR writes
#   OUTDIR/index.html            the page, one self-contained file (the model
#                                compiled to WebAssembly and inlined, with the
#                                page's own HTML, CSS and JavaScript)
#   OUTDIR/manifest.webmanifest  what a phone needs to install it
#   OUTDIR/service-worker.js     keeps the site's files for offline use, in a
#                                cache named after the site's content hash
#   OUTDIR/icon-*.png, apple-touch-icon.png  the program's icon
# Needs Debian's emscripten, rsvg-convert and ImageMagick (tools/setup.sh).
# The build tree goes to build-web/ beside this script's checkout, or to
# $MORVANE_WEB_BUILD.
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

emcmake cmake -S web -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$build" -j"${MORVANE_WEB_JOBS:-2}" --target morvane_web
python3 web/inline_page.py web/page "$build/morvane-model.js" "$outdir/index.html"

icon=resources/desktop/net.morvane.Morvane.svg
rsvg-convert -w 192 -h 192 "$icon" -o "$outdir/icon-192.png"
rsvg-convert -w 512 -h 512 "$icon" -o "$outdir/icon-512.png"
# A launcher may cut a maskable icon to a circle 80 % of its size: the
# picture fills the middle 70 % on the icon's sky colour.
rsvg-convert -w 358 -h 358 "$icon" -o "$build/icon-maskable-middle.png"
convert "$build/icon-maskable-middle.png" -background "#a6caf0" -gravity center \
  -extent 512x512 "$outdir/icon-maskable-512.png"
# Apple's home screen wants a full square; it rounds the corners itself.
rsvg-convert -w 180 -h 180 -b "#a6caf0" "$icon" -o "$outdir/apple-touch-icon.png"
cp web/page/manifest.webmanifest "$outdir/"

site_files=(index.html manifest.webmanifest icon-192.png icon-512.png icon-maskable-512.png
            apple-touch-icon.png)
version=$(cd "$outdir" && cat "${site_files[@]}" | sha256sum | cut -c1-16)
names=$(printf '"%s", ' "${site_files[@]}")
sed -e "s/@SITE_VERSION@/$version/" -e "s/@SITE_FILES@/${names%, }/" web/page/service-worker.js \
  > "$outdir/service-worker.js"
echo "wrote $outdir/index.html and its site (version $version)"
