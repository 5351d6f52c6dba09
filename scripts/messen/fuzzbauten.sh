#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How fast the picture fuzzer runs with the JPEG library built each of the
# ways fuzz/fuzzen.sh offers (voll, schnell, installiert), and what it
# reaches: each fuzzes the same number of inputs from the kept seeds, with
# the same seed of its own, into a corpus of its own; then the processor
# time per input, the inputs per second, and how much of the decoder and
# of the library's decoding files that corpus reaches (fuzz/abdeckung.sh).
# Figures for notes, not tests; run it on a quiet machine.
#
#   scripts/messen/fuzzbauten.sh [inputs, default 20000]
set -euo pipefail
cd "$(dirname "$0")/../.."
Laeufe=${1:-20000}
Ergebnis=build-fuzz/bauten
mkdir -p "$Ergebnis"
for Art in voll schnell installiert; do
  KALUMBO_FUZZ_BIBLIOTHEK=$Art fuzz/fuzzen.sh bauen bild >/dev/null
  Korpus=$Ergebnis/korpus-$Art
  rm -rf "$Korpus"
  mkdir -p "$Korpus"
  cp fuzz/korpus/bild/* "$Korpus"/
  echo "== $Art"
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=32 UBSAN_OPTIONS=halt_on_error=1 \
    /usr/bin/time -f "Prozessorzeit %U s Benutzer, %S s System, %e s Uhr" \
    build-fuzz/fuzz/bild_fuzzer "$Korpus" -dict=fuzz/bild.dict -max_len=16384 -rss_limit_mb=512 -timeout=10 \
    -entropic_scale_per_exec_time=1 -seed=1 -runs="$Laeufe" -print_final_stats=1 2>"$Ergebnis/$Art.log" || true
  grep -E "^(stat::number_of_executed_units|stat::average_exec_per_sec|Prozessorzeit)" "$Ergebnis/$Art.log"
  fuzz/abdeckung.sh "$Korpus" | grep -E -A1 "^(/.*JpegDekoder.cpp|JPEG-Bibliothek)" | grep -E "JpegDekoder|TOTAL"
done
