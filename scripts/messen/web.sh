#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Size and speed of the browser edition, measured in headless Chromium on
# this machine: the folder and the WebAssembly module with its loader, the
# time from navigation to the first complete window (10 loads from
# file://, in turns with a bare page of one button and a 400 x 400 canvas,
# and the ratio of the two), a new game and a press that solves a pair,
# each timed in the page. Figures for notes and reviews, not tests.
#
#   scripts/messen/web.sh [loads, default 10] [--vergleich <another site folder>]
set -euo pipefail
cd "$(dirname "$0")/../.."

./web.sh >/dev/null
NODE_PATH=$PWD/build-web/tests/web/npm/node_modules \
  node scripts/messen/web.js build-web/site "${1:-10}" "${@:2}"
