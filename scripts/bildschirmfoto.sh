#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes docs/bildschirmfoto.png: the game in the middle of a game, in a
# real X window under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

ensure_packages "${PAKETE_TEST[@]}" imagemagick
build_project build
cmake --build build --target vorfuehrung

xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  build/tools/vorfuehrung &
  pid=$!
  fenster=$(timeout 30 xdotool search --sync --name "^Rechen-Kalumbo$" | head -n 1)
  sleep 1
  import -window "$fenster" docs/bildschirmfoto.png
  kill "$pid"
'
echo "docs/bildschirmfoto.png written"
