#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the background picture loader for a while:
#
#   fuzz/fuzzen.sh [seconds [libFuzzer options...]]   (300 seconds when not given)
#
# e.g. fuzz/fuzzen.sh 600 -len_control=0 -max_len=20000 tries long inputs
# (many scans, say) from the start instead of letting them grow slowly.
#
# Builds the fuzzer with clang into build-fuzz/ and runs it on one core,
# starting from the kept inputs in fuzz/korpus/. It works on a copy of them
# in build-fuzz/korpus-arbeit/, so the kept ones only grow when you say so;
# that copy keeps what earlier runs learnt (remove it to start afresh).
#
# What it finds lands in build-fuzz/funde/ (crash-*, leak-*, timeout-*,
# oom-*). To look at one:   build-fuzz/fuzz/bild_fuzzer build-fuzz/funde/crash-...
# After the loader is mended, keep the input as a test: copy it into
# fuzz/korpus/ under a name that says what it is (e.g.
# fuzz/korpus/fund-cmyk-zeile-zu-kurz.jpg) and commit it; the test
# BildFuzzKorpus.JedeKorpusdateiHaeltDenVertrag replays it in every build.
# New inputs worth keeping from build-fuzz/korpus-arbeit/ go the same way.
set -euo pipefail
cd "$(dirname "$0")/.."
Sekunden=${1:-300}
shift $(( $# > 0 ? 1 : 0 ))

# The game's own packages (Qt and the JPEG library are needed to configure)
# and clang with its fuzzing runtime.
source scripts/setup.sh
ensure_packages "${PAKETE_TEST[@]}" clang libclang-rt-14-dev

Bau=build-fuzz
Sanitizer="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g"

# The fuzzer can only steer by branches it sees. The installed JPEG library
# is not instrumented, so the script builds the same Debian source of it
# once with the fuzzer's instrumentation (and without its assembler parts,
# which no sanitizer could look into) into $Bau/jpeg/, from the source
# scripts/jpeg-quelle.sh fetches. When that fails, the fuzzer runs against
# the installed library and steers only by the game's own code.
jpeg_bibliothek() {
  local Ort=$PWD/$Bau/jpeg
  [ -f "$Ort/fertig" ] && return 0
  rm -rf "$Ort/bau" "$Ort/include"
  mkdir -p "$Ort/include"
  scripts/jpeg-quelle.sh "$Ort" &&
    cmake -S "$Ort/quelle" -B "$Ort/bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
      -DENABLE_SHARED=OFF -DWITH_SIMD=0 -DWITH_TURBOJPEG=0 -DCMAKE_C_FLAGS="$Sanitizer" >/dev/null &&
    cmake --build "$Ort/bau" --target jpeg-static --parallel "$(nproc)" >/dev/null &&
    cp "$Ort/quelle/jpeglib.h" "$Ort/quelle/jmorecfg.h" "$Ort/quelle/jerror.h" "$Ort/bau/jconfig.h" "$Ort/include/" &&
    touch "$Ort/fertig"
}

if jpeg_bibliothek; then
  echo "JPEG-Bibliothek: instrumentiert aus $Bau/jpeg/"
  Jpeg=(-DJPEG_INCLUDE_DIR="$PWD/$Bau/jpeg/include"
    -DJPEG_LIBRARY="$PWD/$Bau/jpeg/bau/libjpeg.a" -DJPEG_LIBRARY_RELEASE="$PWD/$Bau/jpeg/bau/libjpeg.a")
else
  echo "JPEG-Bibliothek: die installierte, nicht instrumentiert (Quelle nicht zu bekommen)" >&2
  Jpeg=(-UJPEG_INCLUDE_DIR -UJPEG_LIBRARY -UJPEG_LIBRARY_RELEASE)
fi
cmake -S . -B "$Bau" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${Jpeg[@]}" \
  -DKALUMBO_FUZZ=ON -DBUILD_TESTING=OFF -DKALUMBO_BENCHMARKS=OFF >/dev/null
cmake --build "$Bau" --target bild_fuzzer --parallel "$(nproc)"

Arbeit=$Bau/korpus-arbeit
Funde=$Bau/funde
mkdir -p "$Arbeit" "$Funde"
cp fuzz/korpus/* "$Arbeit"/
Vorher=$(find "$Arbeit" -type f | wc -l)

# One process on one core. -rss_limit_mb also bounds every single
# allocation; -timeout ends an input that takes longer than that (seconds).
# The loader may rightly hold up to 256 MB for one picture; a smaller
# quarantine of freed memory keeps such pictures, one after another, from
# counting as running out of memory.
Protokoll=$Bau/fuzzen.log
set +e
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=32 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$Bau/fuzz/bild_fuzzer" "$Arbeit" \
  -dict=fuzz/jpeg.dict -max_len=8192 \
  -rss_limit_mb=512 -timeout=10 -max_total_time="$Sekunden" \
  -artifact_prefix="$Funde/" -print_final_stats=1 "$@" 2>"$Protokoll"
Ergebnis=$?
set -e

Nachher=$(find "$Arbeit" -type f | wc -l)
echo "Letzter Stand:  $(grep -E '^#[0-9]+' "$Protokoll" | tail -n 1)"
grep -E '^(stat::|Done )' "$Protokoll" || true
echo "Korpus:         $Vorher Dateien vorher, $Nachher nachher ($Arbeit)"
echo "Protokoll:      $Protokoll"
if [ "$Ergebnis" -ne 0 ]; then
  echo "Der Fuzzer hat etwas gefunden (Exit $Ergebnis):" >&2
  grep -E 'ERROR|SUMMARY|Bildlader|Test unit written' "$Protokoll" >&2 || true
  ls -l "$Funde" >&2
fi
exit "$Ergebnis"
