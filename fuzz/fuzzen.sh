#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the picture decoder (whole against pieces) and the reader of the
# class link, one after the other:
#
#   fuzz/fuzzen.sh [seconds [target [libFuzzer options...]]]
#   fuzz/fuzzen.sh bauen [target]     only builds the fuzzers
#
# 300 seconds for each target when not given; the target is bild,
# klassenlink or alle (the default). For example
#   fuzz/fuzzen.sh 0 bild -runs=1000000    a million inputs, however long they take
#   fuzz/fuzzen.sh 600 bild -len_control=0 tries long inputs (many scans, say) at once
#
# Builds the fuzzers with clang into build-fuzz/ and runs each on one core,
# at low priority, starting from the kept inputs in fuzz/korpus/<target>/.
# It works on a copy of them in build-fuzz/korpus-arbeit/<target>/, so the
# kept ones only grow when you say so; that copy keeps what earlier runs
# learnt (remove it to start afresh).
#
# What it finds lands in build-fuzz/funde/<target>/ (crash-*, leak-*,
# timeout-*, oom-*, slow-unit-*). To look at one:
#   build-fuzz/fuzz/bild_fuzzer build-fuzz/funde/bild/crash-...
# After the code is mended, keep the input as a test: copy it into
# fuzz/korpus/<target>/ under a name that says what it is (e.g.
# fund-cmyk-zeile-zu-kurz.jpg) and commit it; the tests FuzzKorpus.*
# replay every kept input in every build. New inputs worth keeping from
# the working copy go the same way (fuzz/abdeckung.sh shows what they reach).
set -euo pipefail
cd "$(dirname "$0")/.."
Sekunden=${1:-300}
Ziele=${2:-alle}
shift $(( $# > 2 ? 2 : $# ))
[ "$Ziele" = alle ] && Ziele="bild klassenlink"

# The game's own packages (Qt and the JPEG library are needed to configure)
# and clang with its fuzzing runtime.
source scripts/setup.sh
ensure_packages "${PAKETE_TEST[@]}" clang libclang-rt-14-dev

Bau=build-fuzz
Sanitizer="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

# The fuzzer can only steer by branches it sees, and a sanitizer only
# checks code it instrumented. The installed JPEG library is neither, so
# the script builds the same Debian source of it once (without its
# assembler parts, which no sanitizer could look into) into
# $Bau/jpeg-<kind>/, from the source scripts/jpeg-quelle.sh fetches, as
# KALUMBO_FUZZ_BIBLIOTHEK says:
#   schnell      the default: the edges of its code for the fuzzer to steer
#                by, AddressSanitizer and UndefinedBehaviorSanitizer, but
#                neither the fuzzer's tracing of its comparisons nor the
#                checks of alignment and pointer overflow, which together
#                made the picture target six times slower here
#   voll         instrumented as the game's own code
#   installiert  the installed library: fastest, but blind inside it
# The game's own code is always instrumented in full.
Art=${KALUMBO_FUZZ_BIBLIOTHEK:-schnell}
case $Art in
  schnell) Bibliothek="-fsanitize-coverage=inline-8bit-counters,pc-table $Sanitizer -fno-sanitize=alignment,pointer-overflow" ;;
  voll) Bibliothek="-fsanitize=fuzzer-no-link $Sanitizer" ;;
  installiert) Bibliothek= ;;
  *) echo "KALUMBO_FUZZ_BIBLIOTHEK=$Art: schnell, voll oder installiert" >&2; exit 2 ;;
esac
jpeg_bibliothek() {
  local Ort=$PWD/$Bau/jpeg-$Art
  [ -f "$Ort/fertig" ] && return 0
  rm -rf "$Ort/bau" "$Ort/include"
  mkdir -p "$Ort/include"
  scripts/jpeg-quelle.sh "$PWD/$Bau/jpeg" &&
    cmake -S "$PWD/$Bau/jpeg/quelle" -B "$Ort/bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
      -DENABLE_SHARED=OFF -DWITH_SIMD=0 -DWITH_TURBOJPEG=0 -DCMAKE_C_FLAGS="$Bibliothek" >/dev/null &&
    nice -n 10 cmake --build "$Ort/bau" --target jpeg-static --parallel "$(nproc)" >/dev/null &&
    cp "$PWD/$Bau/jpeg/quelle/"{jpeglib.h,jmorecfg.h,jerror.h} "$Ort/bau/jconfig.h" "$Ort/include/" &&
    touch "$Ort/fertig"
}

Jpeg=(-UJPEG_INCLUDE_DIR -UJPEG_LIBRARY -UJPEG_LIBRARY_RELEASE)
if [ "$Art" = installiert ]; then
  echo "JPEG-Bibliothek: die installierte, nicht instrumentiert"
elif jpeg_bibliothek; then
  echo "JPEG-Bibliothek: instrumentiert ($Art) aus $Bau/jpeg-$Art/"
  Jpeg=(-DJPEG_INCLUDE_DIR="$PWD/$Bau/jpeg-$Art/include"
    -DJPEG_LIBRARY="$PWD/$Bau/jpeg-$Art/bau/libjpeg.a" -DJPEG_LIBRARY_RELEASE="$PWD/$Bau/jpeg-$Art/bau/libjpeg.a")
else
  echo "JPEG-Bibliothek: die installierte, nicht instrumentiert (Quelle nicht zu bekommen)" >&2
fi
cmake -S . -B "$Bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${Jpeg[@]}" \
  -DKALUMBO_FUZZ=ON -DKALUMBO_FENSTER=OFF -DBUILD_TESTING=OFF -DKALUMBO_BENCHMARKS=OFF >/dev/null
for Ziel in $Ziele; do
  nice -n 10 cmake --build "$Bau" --target "${Ziel}_fuzzer" --parallel "$(nproc)"
done
[ "$Sekunden" = bauen ] && exit 0

Ergebnis=0
for Ziel in $Ziele; do
  Arbeit=$Bau/korpus-arbeit/$Ziel
  Funde=$Bau/funde/$Ziel
  mkdir -p "$Arbeit" "$Funde"
  cp fuzz/korpus/"$Ziel"/* "$Arbeit"/
  Vorher=$(find "$Arbeit" -type f | wc -l)
  Woerter=()
  [ -f "fuzz/$Ziel.dict" ] && Woerter=(-dict="fuzz/$Ziel.dict")

  # One process on one core. -rss_limit_mb also bounds every single
  # allocation; -timeout ends an input that takes longer than that
  # (seconds), and -report_slow_units keeps one that takes longer than a
  # second (to be timed in a release build). -entropic_scale_per_exec_time
  # picks quick inputs more often than slow ones, which made the picture
  # target three times faster. The decoder may rightly hold up to 28 MiB for one picture; a
  # smaller quarantine of freed memory keeps such pictures, one after
  # another, from counting as running out of memory.
  Protokoll=$Bau/fuzzen-$Ziel.log
  echo "== $Ziel"
  set +e
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=32 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    nice -n 10 "$Bau/fuzz/${Ziel}_fuzzer" "$Arbeit" "${Woerter[@]}" -max_len=16384 \
    -rss_limit_mb=512 -timeout=10 -report_slow_units=1 -entropic_scale_per_exec_time=1 \
    -max_total_time="$Sekunden" \
    -artifact_prefix="$Funde/" -print_final_stats=1 "$@" 2>"$Protokoll"
  Lauf=$?
  set -e

  Nachher=$(find "$Arbeit" -type f | wc -l)
  echo "Letzter Stand:  $(grep -E '^#[0-9]+' "$Protokoll" | tail -n 1)"
  grep -E '^(stat::|Done )' "$Protokoll" || true
  echo "Korpus:         $Vorher Dateien vorher, $Nachher nachher ($Arbeit)"
  echo "Protokoll:      $Protokoll"
  if [ "$Lauf" -ne 0 ]; then
    echo "Der Fuzzer hat etwas gefunden (Exit $Lauf):" >&2
    grep -E 'ERROR|SUMMARY|hält sein Versprechen|Klassenlink "|Test unit written' "$Protokoll" >&2 || true
    ls -l "$Funde" >&2
    Ergebnis=$Lauf
  fi
done
exit "$Ergebnis"
