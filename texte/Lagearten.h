// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the layout of texte/lage.json says of each kind of control; the
// header made of the file ("texte/Lage.h") holds one constant per control.

#include "texte/Schriftart.h"

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <optional>
#include <span>

namespace kalumbo::Lage {

enum class TGlyphe;

// A control at its place within its parent.
struct TControl {
    const char* Name;
    QRect Lage;
    bool Verborgen = false;
};

// A label as large as its text, from its top-left corner, or from its
// top-right corner when it grows to the left.
struct TBeschriftung {
    const char* Name;
    QPoint Ecke;
    bool Rechtsbuendig;
    int Hoehe; // 0: as high as its text
    const char* Text;
    TSchrift Schrift;
    std::optional<QRgb> Farbe;
    bool Verborgen;
};

struct TKnopf {
    const char* Name;
    QRect Lage;
    const char* Text; // "&" marks the letter Alt presses it with
    const char* Hinweis;
    TGlyphe Glyphe;
};

// Its items fill the first column from the top, then the next.
struct TRadiogruppe {
    const char* Name;
    QRect Lage;
    const char* Titel;
    std::span<const char* const> Eintraege;
    int Spalten;
    int Vorgabe; // the item chosen at the start, from 0
    const char* Hinweis;
};

struct TTextfeld {
    const char* Name;
    QRect Lage;
    const char* Text;
    bool NurLesen;
};

// A page of the tab control.
struct TSeite {
    const char* Name;
    const char* Titel;
};

} // namespace kalumbo::Lage
