#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game (and nothing else: no tests,
# tools or benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Start the game from a desktop session, or try: xvfb-run ./run.sh" >&2
  exit 1
fi

ensure_packages "${PAKETE_SPIEL[@]}"
cmake -S . -B build-spiel -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBUILD_TESTING=OFF -DKALUMBO_BENCHMARKS=OFF -DKALUMBO_WERKZEUGE=OFF -DKALUMBO_INSTALLATION=OFF
cmake --build build-spiel --parallel "$(nproc)" --target rechen-kalumbo

exec build-spiel/ui/rechen-kalumbo
