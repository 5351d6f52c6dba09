#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# The exit code is 0 only when all tests pass.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

ensure_packages
build_project
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
