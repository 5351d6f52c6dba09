#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the game beside the smallest Qt Widgets program with text (a
# bare window with one labelled push button, LeeresFenster.cpp, built with
# the same compiler and flags): the
# time from launch until the window is mapped (and the processor time the
# program used until then, which a busy machine does not inflate), and the
# resident memory (VmRSS) once the program has sat idle for two seconds. The two programs
# take turns; one launch of each first fills the file cache and is not
# counted. Prints every launch and the medians.
#
#   scripts/messen/start.sh [build directory] [launches]
#
# The build directory defaults to build-mess (see alles.sh), launches to 15.
# Always runs on its own Xvfb display (24-bit colour) through xvfb-run.
#
# The clock is bench/fensteruhr: it listens on the X server's root window
# for the map of a window with the program's title (no polling, so its
# resolution is the clock's, not a polling interval), starting the clock
# right before it starts the program.
set -euo pipefail
wurzel=$(cd "$(dirname "$0")/../.." && pwd)
bau=$(cd "${1:-$wurzel/build-mess}" && pwd)
laeufe=${2:-15}
ruhe_ms=2000

if [ -z "${KALUMBO_START_AUF_XVFB:-}" ]; then
  export KALUMBO_START_AUF_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$bau" "$laeufe"
fi

spiel=$bau/ui/rechen-kalumbo
leer=$bau/bench/leeres_fenster
uhr=$bau/bench/fensteruhr
for programm in "$spiel" "$leer" "$uhr"; do
  if [ ! -x "$programm" ]; then
    echo "$programm is not built; run scripts/messen/alles.sh or build it in $bau." >&2
    exit 1
  fi
done

# No picture files or settings from the checkout: start in an empty directory.
ort=$(mktemp -d)
trap 'rm -rf "$ort"' EXIT
cd "$ort"
export XDG_RUNTIME_DIR=$ort

# One launch: sets ms, cpu and kb; a failed measurement ends the script
# with the clock's message and the program's.
starte() {
  local ausgabe
  if ! ausgabe=$("$uhr" "$1" "$ruhe_ms" "$2" 2>"$ort/meldungen.txt"); then
    echo "Measuring $2 failed:" >&2
    cat "$ort/meldungen.txt" >&2
    exit 1
  fi
  read -r ms cpu kb <<<"$ausgabe"
}

median() {
  sort -g | awk '{ wert[NR] = $1 } END { if (NR % 2) print wert[(NR + 1) / 2]; else print (wert[NR / 2] + wert[NR / 2 + 1]) / 2 }'
}

starte Rechen-Kalumbo "$spiel"
starte "Leeres Fenster" "$leer"

spiel_ms=() spiel_cpu=() spiel_kb=() leer_ms=() leer_cpu=() leer_kb=()
for lauf in $(seq "$laeufe"); do
  starte Rechen-Kalumbo "$spiel"
  spiel_ms+=("$ms") spiel_cpu+=("$cpu") spiel_kb+=("$kb")
  printf 'launch %2d: game %6.1f ms (CPU %6.1f) %6d kB' "$lauf" "$ms" "$cpu" "$kb"
  starte "Leeres Fenster" "$leer"
  leer_ms+=("$ms") leer_cpu+=("$cpu") leer_kb+=("$kb")
  printf ' | bare window %6.1f ms (CPU %6.1f) %6d kB\n' "$ms" "$cpu" "$kb"
done

m_spiel_ms=$(printf '%s\n' "${spiel_ms[@]}" | median)
m_leer_ms=$(printf '%s\n' "${leer_ms[@]}" | median)
m_spiel_cpu=$(printf '%s\n' "${spiel_cpu[@]}" | median)
m_leer_cpu=$(printf '%s\n' "${leer_cpu[@]}" | median)
m_spiel_kb=$(printf '%s\n' "${spiel_kb[@]}" | median)
m_leer_kb=$(printf '%s\n' "${leer_kb[@]}" | median)

echo
echo "Start-up under Xvfb, medians of $laeufe launches each"
printf '%-20s %12s %12s %8s %8s\n' "" game "bare window" ratio target
awk -v s="$m_spiel_ms" -v l="$m_leer_ms" 'BEGIN { printf "%-20s %12.1f %12.1f %8.2f %8s\n", "window mapped (ms)", s, l, s / l, "<= 1.1" }'
awk -v s="$m_spiel_cpu" -v l="$m_leer_cpu" 'BEGIN { printf "%-20s %12.1f %12.1f %8.2f %8s\n", "CPU until then (ms)", s, l, s / l, "" }'
awk -v s="$m_spiel_kb" -v l="$m_leer_kb" 'BEGIN { printf "%-20s %12d %12d %8.2f %8s\n", "VmRSS idle (kB)", s, l, s / l, "<= 1.2" }'
