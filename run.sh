#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${PAKETE_SPIEL[@]}"
build_project build

if [ ! -x build/ui/rechen-kalumbo ]; then
  echo "The game window is not built yet; there is nothing to start." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Start the game from a desktop session, or try: xvfb-run ./run.sh" >&2
  exit 1
fi
exec build/ui/rechen-kalumbo
