#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long both editions take for picture files that ask much of the
# decoder: the desktop game's decoder in the build ./run.sh makes
# (RelWithDebInfo), and the page in headless Chromium, with the longest
# time between two frames the page drew meanwhile. Figures for notes and
# reviews, not tests.
#
#   scripts/messen/langsame.sh [files...]
#
# Without files: the kept inputs of the picture fuzzer (fuzz/korpus/bild/),
# each as a file a player might have, its cut included. The desktop's
# figure is the median of 5 runs, the page's of 3 fresh pages.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh
ensure_packages "${PAKETE_TEST[@]}"

bau=build-mess
cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALUMBO_FENSTER=OFF -DBUILD_TESTING=OFF \
  -DKALUMBO_BENCHMARKS=OFF >/dev/null
nice -n 10 cmake --build "$bau" --parallel "$(nproc)" --target kalumbo_bild >/dev/null
# Compiled as the game's own code is in that build.
g++ -std=c++20 -O2 -I. -I"$bau/erzeugt" scripts/messen/Dekodierzeit.cpp "$bau/bild/libkalumbo_bild.a" -ljpeg \
  -o "$bau/dekodierzeit"
./web.sh >/dev/null

if [ $# -eq 0 ]; then
  set -- fuzz/korpus/bild/*
fi
echo "== Desktop (LiesJpegDatei)"
echo "       ms  Ausgang              Datei"
"$bau/dekodierzeit" 5 "$@"
echo "== Seite (Chromium)"
NODE_PATH=$PWD/build-web/tests/web/npm/node_modules node scripts/messen/langsame.js build-web/site "$@"
