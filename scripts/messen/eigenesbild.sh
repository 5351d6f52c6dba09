#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Own pictures in the browser edition, measured in headless Chromium: from
# the file handed to the page to the picture held, and the renderer's peak
# memory above the page before it, for photos of 4000 x 3000, 8000 x 8000
# (about 15 MB, baseline and progressive) and 16000 x 12000 pixels; then
# the folder's size and the WebAssembly loaded at start. Figures for notes
# and reviews, not tests.
#
#   scripts/messen/eigenesbild.sh [runs, default 5] [build folder, default build-web]
#
# The photos are made once into <build folder>/messbilder/ and kept: a
# textured tile made by ImageMagick, repeated row by row into the JPEG
# library's cjpeg, which stores it at quality 90 with 4:2:0 chroma as
# cameras do, without ever holding the whole picture.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh
ensure_packages "${PAKETE_WEB[@]}" imagemagick libjpeg-turbo-progs

laeufe=${1:-5}
bau=${2:-build-web}
if [ "$bau" = build-web ]; then
  ./web.sh >/dev/null
fi
bilder=$bau/messbilder
mkdir -p "$bilder"
[ -f "$bilder/kachel.ppm" ] ||
  /usr/bin/convert -seed 7 -size 1000x1000 plasma:fractal -attenuate 0.25 +noise Gaussian -depth 8 "$bilder/kachel.ppm"
foto() { # name width height [cjpeg options]
  local name=$1 breite=$2 hoehe=$3
  shift 3
  [ -f "$bilder/$name" ] && return 0
  python3 - "$bilder/kachel.ppm" "$breite" "$hoehe" <<'KACHELN' | cjpeg -quality 90 -sample 2x2 "$@" >"$bilder/$name"
import sys
kachel, breite, hoehe = open(sys.argv[1], 'rb').read(), int(sys.argv[2]), int(sys.argv[3])
# "P6", width, height, 255, each after whitespace, one byte, then the pixels.
kopf = kachel.split(maxsplit=4)
kb, kh = int(kopf[1]), int(kopf[2])
pixel = kachel[-kb * kh * 3:]
zeilen = [pixel[y * kb * 3:(y + 1) * kb * 3] for y in range(kh)]
aus = sys.stdout.buffer
aus.write(b'P6 %d %d 255\n' % (breite, hoehe))
for y in range(hoehe):
    zeile = zeilen[y % kh]
    aus.write((zeile * (breite // kb + 1))[:breite * 3])
KACHELN
}
foto Foto4000x3000.jpg 4000 3000
foto Foto8000x8000.jpg 8000 8000
foto Foto8000x8000Progressiv.jpg 8000 8000 -progressive
foto Foto16000x12000.jpg 16000 12000

NODE_PATH=$PWD/$bau/tests/web/npm/node_modules \
  node scripts/messen/eigenesbild.js "$bau/site" "$bilder"/Foto*.jpg --laeufe "$laeufe"
