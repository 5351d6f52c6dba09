# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the packaging checks: a fresh folder that goes away at the end,
# and failures that are collected, so one run names all of them.
# shellcheck shell=bash disable=SC2034  # the variables are read by the sourcing script

# Both checks are called with: <build dir> <application id> <version>
bau=$1
id=$2
version=$3

arbeitsordner=$(mktemp -d)
trap 'rm -rf "$arbeitsordner"' EXIT

# An inherited DESTDIR would send the installation somewhere else.
unset DESTDIR

fehler=0
melde() {
    echo "FEHLER: $*" >&2
    fehler=1
}
