#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in
# the normal build, once built with AddressSanitizer and
# UndefinedBehaviorSanitizer. The exit code is 0 only when all pass.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages "${PAKETE_TEST[@]}"

build_project build
(cd build && ctest --output-on-failure --parallel "$(nproc)")

build_project build-asan -DKALUMBO_SANITIZE=ON -DKALUMBO_BENCHMARKS=OFF
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp"
(cd build-asan && ctest --output-on-failure --parallel "$(nproc)")
