#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test:
#   build/         the game, its tools and every test
#   build-asan/    the same tests built with AddressSanitizer and
#                  UndefinedBehaviorSanitizer, where any report fails
#   build-libcxx/  the layers without Qt (rules, picture decoder) built by
#                  clang against libc++, so the game does not lean on one
#                  standard library
#   build-web/     the browser edition: the rules' tests compiled to
#                  WebAssembly under Node, and the page in Chromium,
#                  Firefox ESR and WebKitGTK
# The page is built before the first tests run: one of them compares what
# the desktop and the page show for the same game.
# The exit code is 0 only when all pass. At the end it prints how long
# each stage took.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

stufen=()
stufe() {
  local name=$1 beginn=$SECONDS
  shift
  echo "== $name"
  "$@"
  stufen+=("$(printf '%-28s %4d s' "$name" $((SECONDS - beginn)))")
}
zeige_stufen() {
  echo
  echo "Stages:"
  printf '  %s\n' "${stufen[@]}"
  echo "  total                        $SECONDS s"
}
trap zeige_stufen EXIT

pruefe() {
  ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)"
}

stufe "set-up" ensure_packages "${PAKETE_TEST[@]}" "${PAKETE_WEB[@]}"

stufe "build" build_project build
stufe "build web" ./web.sh
stufe "test" pruefe build

# Only what the tests use: no benchmarks, tools or package.
stufe "build asan" build_project build-asan -DKALUMBO_SANITIZE=ON \
  -DKALUMBO_BENCHMARKS=OFF -DKALUMBO_WERKZEUGE=OFF -DKALUMBO_INSTALLATION=OFF
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp"
stufe "test asan" pruefe build-asan
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

baue_libcxx() {
  CXX=clang++ CXXFLAGS=-stdlib=libc++ cmake -S . -B build-libcxx -DKALUMBO_FENSTER=OFF
  cmake --build build-libcxx --parallel "$(nproc)"
}
stufe "build libc++" baue_libcxx
stufe "test libc++" pruefe build-libcxx

stufe "test web" pruefe build-web
