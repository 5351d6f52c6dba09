#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the speed benchmarks into build-mess (RelWithDebInfo, the build
# type ./run.sh gives the game) and runs them all, then prints a table of
# medians against their limits:
#   - the window (bench/FensterBenchmark.cpp): a new game over the built-in
#     picture and over a 400 x 400 photo "Bild1.jpg", and the press that
#     solves a pair; each once up to the board picture being drawn and once
#     with the window's repaint;
#   - our decoder on the shown region of an 8000 x 8000 photo, baseline and
#     progressive (bench/BildBenchmark.cpp), beside a full decode of the same
#     file by the JPEG library's own djpeg, timed with hyperfine;
#   - start-up time and memory beside a bare Qt window (start.sh).
# Wall-clock medians decide; the processor-time medians beside them show
# how much of a figure was waiting for a busy machine.
#
#   scripts/messen/alles.sh [repetitions, default 15]
#
# Everything lands in build-mess/messwerte; the big pictures are written
# once into build-mess/messbilder and kept.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh

wdh=${1:-15}
bau=build-mess
erg=$bau/messwerte
bilder=$bau/messbilder

ensure_packages "${PAKETE_TEST[@]}" libjpeg-turbo-progs hyperfine jq libx11-dev

cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALUMBO_SANITIZE=OFF -DKALUMBO_BENCHMARKS=ON \
  -DBUILD_TESTING=ON >/dev/null
cmake --build "$bau" --parallel "$(nproc)" \
  --target fenster_benchmark bild_benchmark leeres_fenster fensteruhr rechen-kalumbo
mkdir -p "$erg" "$bilder"
last_vorher=$(cut -d' ' -f1-3 /proc/loadavg)

google=(--benchmark_repetitions="$wdh" --benchmark_report_aggregates_only=true --benchmark_out_format=json)
echo "== the window (Qt offscreen platform)"
"$bau/bench/fenster_benchmark" "${google[@]}" --benchmark_out="$erg/fenster.json"
echo "== our decoder, shown region of 8000 x 8000 pictures"
"$bau/bench/bild_benchmark" "${google[@]}" --benchmark_out="$erg/bild.json" "$bilder"
echo "== djpeg, full decode of the same pictures"
hyperfine -N --style basic --warmup 2 --runs "$wdh" --export-json "$erg/djpeg.json" \
  "djpeg -outfile /dev/null $bilder/Gross8000.jpg" \
  "djpeg -outfile /dev/null $bilder/Gross8000Progressiv.jpg"
echo "== start-up"
scripts/messen/start.sh "$bau" "$wdh" | tee "$erg/start.txt"
last_nachher=$(cut -d' ' -f1-3 /proc/loadavg)

# The median of one benchmark's repetitions: wall time, processor time (or
# the named counter), in the benchmark's unit.
median() {
  jq -r --arg name "$2" --arg cpu "${3:-cpu_time}" \
    '.benchmarks[] | select(.aggregate_name == "median" and (.run_name == $name or (.run_name | startswith($name + "/"))))
     | "\(.real_time) \(.[$cpu])"' "$erg/$1.json" | head -n 1
}

zeile() { # figure, wall, cpu, limit (number or empty), unit
  awk -v f="$1" -v w="$2" -v c="$3" -v g="$4" -v e="$5" 'BEGIN {
    urteil = g == "" ? "-" : (w + 0 < g + 0 ? "ok" : "MISSED")
    grenze = g == "" ? "-" : "< " g " " e
    printf "%-44s %10.4g %-3s %10.4g %-3s %12s  %s\n", f, w, e, c, e, grenze, urteil }'
}

menge() { # figure, value, unit
  printf '%-44s %10d %-3s\n' "$1" "$2" "$3"
}

verhaeltnis() { # figure, ours, theirs, target (or empty)
  awk -v f="$1" -v a="$2" -v b="$3" -v g="$4" 'BEGIN {
    v = a / b
    urteil = g == "" ? "-" : (v <= g ? "ok" : "MISSED")
    printf "%-44s %10.3f %18s %12s  %s\n", f, v, "", g == "" ? "-" : "<= " g, urteil }'
}

echo
echo "Medians of $wdh repetitions each; build type RelWithDebInfo; load average before $last_vorher, after $last_nachher"
printf '%-44s %14s %14s %12s  %s\n' figure "wall median" "CPU median" limit verdict
# benchmark | figure | limit | unit | where the processor time is
for eintrag in \
  "NeuesSpielEingebautesBild/Brett|1 new game, built-in picture|2|ms|cpu_time" \
  "NeuesSpielEingebautesBild/Bildschirm|1 new game, built-in picture, with repaint|2|ms|cpu_time" \
  "NeuesSpielBilddatei/Brett|2 new game, Bild1.jpg 400x400|5|ms|cpu_time" \
  "NeuesSpielBilddatei/Bildschirm|2 new game, Bild1.jpg 400x400, with repaint|5|ms|cpu_time" \
  "DruckLoestPaar/Brett|3 press solving a pair|50|us|CPU_us" \
  "DruckLoestPaar/Bildschirm|3 press solving a pair, with repaint|50|us|CPU_us"; do
  IFS='|' read -r name text grenze einheit cpu <<<"$eintrag"
  read -r w c <<<"$(median fenster "$name" "$cpu")"
  zeile "$text" "$w" "$c" "$grenze" "$einheit"
done

for art in "Gross8000.jpg:0:baseline" "Gross8000Progressiv.jpg:1:progressive"; do
  IFS=: read -r datei nr name <<<"$art"
  read -r w c <<<"$(median bild "LiesJpegDatei/$datei")"
  read -r dw dc <<<"$(jq -r ".results[$nr] | \"\(.median * 1000) \((.user + .system) * 1000)\"" "$erg/djpeg.json")"
  zeile "4 $name 8000x8000: ours, shown region" "$w" "$c" "" ms
  zeile "4 $name 8000x8000: djpeg, whole picture" "$dw" "$dc" "" ms
  verhaeltnis "4 $name: ours / djpeg (wall)" "$w" "$dw" ""
  verhaeltnis "4 $name: ours / djpeg (CPU)" "$c" "$dc" ""
done

read -r _ _ _ sw lw _ < <(grep '^window mapped' "$erg/start.txt")
read -r _ _ _ _ sc lc _ < <(grep '^CPU until then' "$erg/start.txt")
read -r _ _ _ sk lk _ < <(grep '^VmRSS idle' "$erg/start.txt")
zeile "5 start-up until mapped: game" "$sw" "$sc" "" ms
zeile "5 start-up until mapped: bare Qt window" "$lw" "$lc" "" ms
verhaeltnis "5 start-up, game / bare window" "$sw" "$lw" 1.3
verhaeltnis "5 start-up CPU, game / bare window" "$sc" "$lc" ""
menge "5 VmRSS idle: game" "$sk" kB
menge "5 VmRSS idle: bare Qt window" "$lk" kB
verhaeltnis "5 VmRSS idle, game / bare window" "$sk" "$lk" 1.2
