#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built game into a fresh prefix and checks what lands there:
# exactly the expected files (the package's copyright file and changelog
# not among them), a menu entry and a software-centre entry that
# the freedesktop validators accept and that point at each other and at the
# program, and icons whose pixel size is the one their theme folder promises.
#
#     Installation.sh <build dir> <application id> <version>
set -euo pipefail

source "$(dirname "$0")/Pruefhilfen.sh"
prefix=$arbeitsordner

cmake --install "$bau" --prefix "$prefix" >/dev/null

desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
groessen=(16 32 48 64 128 256)

# Exactly these files: nothing missing, and no test program or tool slips in.
erwartet=$(
    {
        echo bin/rechen-kalumbo
        echo "$desktop"
        echo "$metainfo"
        for n in "${groessen[@]}"; do echo "share/icons/hicolor/${n}x${n}/apps/$id.png"; done
        echo "share/icons/hicolor/scalable/apps/$id.svg"
        echo share/man/man6/rechen-kalumbo.6.gz
    } | sort
)
vorhanden=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)
if [ "$erwartet" != "$vorhanden" ]; then
    melde "installierte Dateien weichen ab (< erwartet, > installiert):"
    diff <(echo "$erwartet") <(echo "$vorhanden") >&2 || true
fi

cd "$prefix"

if [ ! -x bin/rechen-kalumbo ] || [[ "$(file -b bin/rechen-kalumbo)" != ELF* ]]; then
    melde "bin/rechen-kalumbo ist kein ausführbares Programm"
fi

# --- Menu entry ---------------------------------------------------------
if [ -f "$desktop" ]; then
    # The validator exits 0 on hints; of those only the one about Game and
    # Education both being main categories is wanted.
    if ! pruefung=$(desktop-file-validate "$desktop" 2>&1); then
        melde "desktop-file-validate lehnt $desktop ab:"
        echo "$pruefung" >&2
    fi
    rest=$(echo "$pruefung" | grep -v 'contains more than one main category' | grep -v '^$' || true)
    if [ -n "$rest" ]; then
        melde "desktop-file-validate meldet:"
        echo "$rest" >&2
    fi

    wert() { sed -n "s/^$1=//p" "$desktop"; }
    [ "$(wert Name)" = "Rechen-Kalumbo" ] || melde "Name ist '$(wert Name)'"
    [ "$(wert Exec)" = "rechen-kalumbo" ] || melde "Exec ist '$(wert Exec)', nicht das installierte Programm"
    [ -x "bin/$(wert Exec)" ] || melde "Exec '$(wert Exec)' liegt nicht in bin/"
    [ "$(wert Icon)" = "$id" ] || melde "Icon ist '$(wert Icon)', die Symbole heißen $id"
    [ "$(wert Terminal)" = "false" ] || melde "Terminal ist nicht false"
    # The game reads Bild1.jpg .. Bild4.jpg from the directory it is started
    # in; a Path key would take that choice away from the player.
    if grep -q '^Path' "$desktop"; then
        melde "$desktop setzt ein Arbeitsverzeichnis (Path)"
    fi
fi

# --- Software-centre entry ----------------------------------------------
if [ -f "$metainfo" ]; then
    if ! pruefung=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
        melde "appstreamcli validate lehnt $metainfo ab:"
        echo "$pruefung" >&2
    elif echo "$pruefung" | grep -qE '^[EWI]: '; then
        melde "appstreamcli validate meldet:"
        echo "$pruefung" >&2
    fi
    # The whole tree: the launchable must name a menu entry that is installed.
    if ! pruefung=$(appstreamcli validate-tree --no-net "$prefix" 2>&1); then
        melde "appstreamcli validate-tree lehnt den installierten Baum ab:"
        echo "$pruefung" >&2
    fi

    [ "$(sed -n 's|^ *<id>\(.*\)</id>.*|\1|p' "$metainfo")" = "$id" ] || melde "<id> in $metainfo ist nicht $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        melde "$metainfo startet nicht $id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" ||
        melde "$metainfo nennt keine Ausgabe $version"
fi

# --- Icons --------------------------------------------------------------
for n in "${groessen[@]}"; do
    png=share/icons/hicolor/${n}x${n}/apps/$id.png
    [ -f "$png" ] || continue
    art=$(file -b "$png")
    [[ "$art" == "PNG image data, $n x $n,"* ]] || melde "$png: $art"
done
svg=share/icons/hicolor/scalable/apps/$id.svg
if [ -f "$svg" ] && [[ "$(file -b "$svg")" != "SVG Scalable Vector Graphics image"* ]]; then
    melde "$svg: $(file -b "$svg")"
fi

exit "$fehler"
