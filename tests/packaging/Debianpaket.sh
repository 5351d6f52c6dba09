#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree into a fresh folder and
# checks its control fields, the libraries dpkg-shlibdeps found in the
# program, that every installed file is in it, under /usr, together with
# the copyright file and the changelog, and that lintian finds no error and
# no warning in it. In a sanitizer build the program also needs the
# sanitizer runtimes; only the entries the game needs in every build are
# checked, so those may come on top.
#
#     Debianpaket.sh <build dir> <application id> <version>
set -euo pipefail

source "$(dirname "$0")/Pruefhilfen.sh"
ablage=$arbeitsordner

# cpack first makes the build tree's default target (nothing to do in a
# built tree), then installs into a staging folder below $ablage.
if ! cpack --config "$bau/CPackConfig.cmake" -G DEB -B "$ablage" >"$ablage/cpack.log" 2>&1; then
    cat "$ablage/cpack.log" >&2
    echo "FEHLER: cpack konnte das Paket nicht bauen" >&2
    exit 1
fi

pakete=("$ablage"/*.deb)
if [ "${#pakete[@]}" -ne 1 ] || [ ! -f "${pakete[0]}" ]; then
    echo "FEHLER: statt genau eines Pakets entstand: ${pakete[*]}" >&2
    exit 1
fi
deb=${pakete[0]}
echo "Paket: $(basename "$deb")"

# --- Control fields -----------------------------------------------------
feld() { dpkg-deb -f "$deb" "$1"; }
[ "$(feld Package)" = "rechen-kalumbo" ] || melde "Package ist '$(feld Package)'"
[ "$(feld Version)" = "$version-1" ] || melde "Version ist '$(feld Version)', erwartet $version-1"
[ "$(feld Section)" = "education" ] || melde "Section ist '$(feld Section)'"
[ "$(feld Architecture)" = "$(dpkg --print-architecture)" ] || melde "Architecture ist '$(feld Architecture)'"
[[ "$(feld Maintainer)" == *"<"*@*">" ]] || melde "Maintainer ohne Adresse: '$(feld Maintainer)'"
[ -n "$(feld Description)" ] || melde "keine Description"

abhaengigkeiten=$(feld Depends)
echo "Depends: $abhaengigkeiten"
# Package names alone, without versions, one per line.
namen=$(echo "$abhaengigkeiten" | sed 's/([^)]*)//g; s/[,|]/\n/g; s/ //g' | grep -v '^$' | sort -u)
# Besides the libraries: the font and Qt's German catalogue, which the game
# looks up by name at run time.
for noetig in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo \
    fonts-liberation qt6-translations-l10n; do
    echo "$namen" | grep -qx "$noetig" || melde "Depends nennt $noetig nicht"
done

# --- Contents -----------------------------------------------------------
inhalt=$(dpkg-deb -c "$deb")
dateien=$(echo "$inhalt" | awk '$1 !~ /^d/ { print $6 }' | sort)
for noetig in \
    ./usr/bin/rechen-kalumbo \
    "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/16x16/apps/$id.png" \
    "./usr/share/icons/hicolor/32x32/apps/$id.png" \
    "./usr/share/icons/hicolor/48x48/apps/$id.png" \
    "./usr/share/icons/hicolor/64x64/apps/$id.png" \
    "./usr/share/icons/hicolor/128x128/apps/$id.png" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/man/man6/rechen-kalumbo.6.gz \
    ./usr/share/doc/rechen-kalumbo/copyright \
    ./usr/share/doc/rechen-kalumbo/changelog.Debian.gz; do
    echo "$dateien" | grep -qxF "$noetig" || melde "$noetig fehlt im Paket"
done
falsch=$(echo "$dateien" | grep -vE '^\./usr/(bin|share)/' || true)
if [ -n "$falsch" ]; then
    melde "Dateien außerhalb von /usr/bin und /usr/share: $falsch"
fi

# The program belongs to root and everyone may run it.
programm=$(echo "$inhalt" | awk '$6 == "./usr/bin/rechen-kalumbo"')
[[ "$programm" == "-rwxr-xr-x root/root "* ]] || melde "Rechte des Programms: $programm"

# --- lintian ------------------------------------------------------------
# What a distribution checks first: no error and no warning. Informational
# and pedantic notes are not shown by default and do not count; warnings the
# package overrides with a reason are not shown either.
if ! command -v lintian >/dev/null; then
    melde "lintian fehlt (scripts/setup.sh installiert es)"
elif ! befund=$(lintian --fail-on error,warning "$deb" 2>&1) || echo "$befund" | grep -qE '^[EW]: '; then
    melde "lintian beanstandet das Paket:"
    echo "$befund" >&2
fi

exit "$fehler"
