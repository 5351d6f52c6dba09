#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How much of the picture decoder (bild/) and of the class link's reader
# (game/Startwahl.cpp) the kept inputs reach:
#
#   fuzz/abdeckung.sh [corpus folder of the picture target [of the class link target]]
#
# (fuzz/korpus/bild and fuzz/korpus/klassenlink when not given.) Builds the
# two replay programs with clang's source-based coverage into
# build-abdeckung/, runs each over its corpus, and prints llvm-cov's
# report for each target over those files, then every line that was not
# reached, with its neighbours, into build-abdeckung/<target>.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ensure_packages "${PAKETE_TEST[@]}" clang llvm

Bau=build-abdeckung
BildKorpus=$(realpath "${1:-fuzz/korpus/bild}")
LinkKorpus=$(realpath "${2:-fuzz/korpus/klassenlink}")

Abdeckung="-fprofile-instr-generate -fcoverage-mapping"
cmake -S . -B "$Bau" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$Abdeckung" -DCMAKE_EXE_LINKER_FLAGS="$Abdeckung" \
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
bericht klassenlink "$LinkKorpus" game/Startwahl.cpp game/Startwahl.h
