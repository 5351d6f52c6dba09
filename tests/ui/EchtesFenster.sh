#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game in a real X window (run under xvfb-run), waits for the
# window titled "Rechen-Kalumbo", ends the game with Alt+E ("Ende") and
# expects it to exit with code 0.
set -u
programm=$1

"$programm" &
pid=$!
start=$(date +%s%N)
fenster=$(timeout 30 xdotool search --sync --name '^Rechen-Kalumbo$' | head -n 1)
if [ -z "$fenster" ]; then
  echo "The window did not appear." >&2
  kill "$pid" 2>/dev/null
  exit 1
fi
echo "window after $(( ($(date +%s%N) - start) / 1000000 )) ms"

# Alt+E goes to the window that holds the focus: wait until it is ours.
fokus=""
for _ in $(seq 200); do
  xdotool windowfocus "$fenster" 2>/dev/null
  fokus=$(xdotool getwindowfocus 2>/dev/null)
  [ "$fokus" = "$fenster" ] && break
  sleep 0.05
done
if [ "$fokus" != "$fenster" ]; then
  echo "The window never got the keyboard focus." >&2
  kill "$pid"
  exit 1
fi
xdotool key alt+e

for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "Alt+E did not end the game." >&2
  kill "$pid"
  exit 1
fi
wait "$pid"
code=$?
echo "exit code $code"
exit "$code"
