#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser edition into build-web/site/: open its index.html
# from disk or serve the folder from any web server. Installs what is
# missing, like run.sh; the browser tests then run with
#   ctest --test-dir build-web --output-on-failure
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${PAKETE_WEB[@]}"

# Debian's Emscripten finds its JavaScript modules there, also when the
# node on the PATH is not Debian's.
export NODE_PATH=/usr/share/nodejs

emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel
cmake --build build-web --parallel "$(nproc)"
echo "The browser edition is in build-web/site/ (open index.html)."
