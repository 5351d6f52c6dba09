#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How much of the picture decoder (bild/) and of the class link's reader
# (game/Startwahl.cpp) the kept inputs reach:
#
#   fuzz/abdeckung.sh [corpus folder of the picture target [of the class link target]]
#
# (fuzz/korpus/bild and fuzz/korpus/klassenlink when not given.) Builds the
# two replay programs with clang's source-based coverage into
# build-abdeckung/, the picture target's with the JPEG library built the
# same way from Debian's source (scripts/jpeg-quelle.sh), runs each over
# its corpus, and prints llvm-cov's report for each target over those
# files, the library's decoding files in one line, and every line of the
# game's files that was not reached into build-abdeckung/<target>.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages "${PAKETE_TEST[@]}" clang llvm

Bau=build-abdeckung
BildKorpus=$(realpath "${1:-fuzz/korpus/bild}")
LinkKorpus=$(realpath "${2:-fuzz/korpus/klassenlink}")

Abdeckung="-fprofile-instr-generate -fcoverage-mapping"
Jpeg=$PWD/$Bau/jpeg
if [ ! -f "$Jpeg/fertig" ]; then
  scripts/jpeg-quelle.sh "$PWD/build-fuzz/jpeg"
  cmake -S build-fuzz/jpeg/quelle -B "$Jpeg/bau" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang \
    -DENABLE_SHARED=OFF -DWITH_SIMD=0 -DWITH_TURBOJPEG=0 -DCMAKE_C_FLAGS="$Abdeckung" >/dev/null
  nice -n 10 cmake --build "$Jpeg/bau" --target jpeg-static --parallel "$(nproc)" >/dev/null
  mkdir -p "$Jpeg/include"
  cp build-fuzz/jpeg/quelle/{jpeglib.h,jmorecfg.h,jerror.h} "$Jpeg/bau/jconfig.h" "$Jpeg/include/"
  touch "$Jpeg/fertig"
fi
cmake -S . -B "$Bau" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$Abdeckung" -DCMAKE_EXE_LINKER_FLAGS="$Abdeckung" \
  -DJPEG_INCLUDE_DIR="$Jpeg/include" -DJPEG_LIBRARY="$Jpeg/bau/libjpeg.a" -DJPEG_LIBRARY_RELEASE="$Jpeg/bau/libjpeg.a" \
  -DKALUMBO_FENSTER=OFF -DBUILD_TESTING=OFF -DKALUMBO_BENCHMARKS=OFF >/dev/null
nice -n 10 cmake --build "$Bau" --target bild_fuzz_wiedergabe klassenlink_fuzz_wiedergabe --parallel "$(nproc)" >/dev/null

bericht() { # target corpus source files...
  local Ziel=$1 Korpus=$2
  shift 2
  local Programm=$Bau/fuzz/${Ziel}_fuzz_wiedergabe
  rm -f "$Bau/$Ziel".profraw
  LLVM_PROFILE_FILE="$Bau/$Ziel.profraw" "$Programm" "$Korpus" | tail -n 1
  llvm-profdata merge -sparse "$Bau/$Ziel.profraw" -o "$Bau/$Ziel.profdata"
  echo "== $Ziel: $(find "$Korpus" -type f | wc -l) Dateien aus $Korpus"
  llvm-cov report "$Programm" -instr-profile="$Bau/$Ziel.profdata" "$@"
  # Each line with a count of 0, and the lines around it.
  llvm-cov show "$Programm" -instr-profile="$Bau/$Ziel.profdata" -show-line-counts -use-color=false "$@" |
    awk -v datei="$1:" '/^\/.*:$/ { datei = $0 } /^ *[0-9]+\| *0\|/ { print datei " " $0 }' >"$Bau/$Ziel.txt"
  echo "Nicht erreicht: $(wc -l <"$Bau/$Ziel.txt") Zeilen ($Bau/$Ziel.txt)"
}

bericht bild "$BildKorpus" bild/JpegDekoder.cpp bild/JpegDekoder.h
echo "JPEG-Bibliothek, ihre Dateien fürs Dekodieren:"
llvm-cov report "$Bau/fuzz/bild_fuzz_wiedergabe" -instr-profile="$Bau/bild.profdata" build-fuzz/jpeg/quelle/jd*.c |
  tail -n 1
bericht klassenlink "$LinkKorpus" game/Startwahl.cpp game/Startwahl.h
