#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fetches Debian's source of the JPEG library and unpacks it:
#
#   scripts/jpeg-quelle.sh <folder>
#
# The source lands in <folder>/quelle/, once: a later call finds it there
# and fetches nothing. It is the version of the installed library
# (libjpeg62-turbo), so what is built from it decodes as the desktop game
# does; without that package, the newest of Debian 12. apt-get fetches it
# through a source list of its own in <folder>/apt/ and leaves the
# system's lists alone; it checks the files against Debian's signed index.
# Used by the fuzzer (fuzz/fuzzen.sh) and by the browser edition's build.
set -euo pipefail
Ort=$(mkdir -p "$1" && cd "$1" && pwd)
[ -f "$Ort/quelle/fertig" ] && exit 0
rm -rf "$Ort/quelle" "$Ort/apt" "$Ort"/libjpeg-turbo_*
mkdir -p "$Ort/apt/lists/partial" "$Ort/apt/cache/archives/partial"

Paket=libjpeg-turbo
if Version=$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo 2>/dev/null) && [ -n "$Version" ]; then
  Paket=$Paket=$Version
fi
cat >"$Ort/apt/sources.list" <<LISTE
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
LISTE
Apt=(-o "Dir::Etc::SourceList=$Ort/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
  -o "Dir::State::Lists=$Ort/apt/lists" -o "Dir::Cache=$Ort/apt/cache")
apt-get -qq "${Apt[@]}" update
(cd "$Ort" && apt-get -qq "${Apt[@]}" source --download-only "$Paket")
# apt-get has checked the files against the signed source index.
(cd "$Ort" && dpkg-source -x --no-check ./libjpeg-turbo_*.dsc quelle >/dev/null)
rm -rf "$Ort/apt" "$Ort"/libjpeg-turbo_*
touch "$Ort/quelle/fertig"
