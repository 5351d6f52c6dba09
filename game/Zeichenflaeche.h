// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texte/Schriftart.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace kalumbo {

// A colour as the game keeps it: $00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;

constexpr int Rotanteil(TColor Farbe) { return static_cast<int>(Farbe & 0xFF); }
constexpr int Gruenanteil(TColor Farbe) { return static_cast<int>((Farbe >> 8) & 0xFF); }
constexpr int Blauanteil(TColor Farbe) { return static_cast<int>((Farbe >> 16) & 0xFF); }

// A rectangle in pixels of the 400 x 400 board: its top-left pixel and
// its size.
struct TRechteck {
    int Links = 0;
    int Oben = 0;
    int Breite = 0;
    int Hoehe = 0;

    constexpr int Rechts() const { return Links + Breite; } // the first column beyond it
    constexpr int Unten() const { return Oben + Hoehe; }    // the first row below it
    constexpr bool IstLeer() const { return Breite <= 0 || Hoehe <= 0; }

    // The same rectangle, each edge moved outwards by the given pixels.
    constexpr TRechteck Erweitert(int Rand) const
    {
        return {Links - Rand, Oben - Rand, Breite + 2 * Rand, Hoehe + 2 * Rand};
    }

    constexpr bool operator==(const TRechteck&) const = default;
};

// The pixels both rectangles cover; empty when they do not meet.
constexpr TRechteck Schnitt(const TRechteck& A, const TRechteck& B)
{
    const int Links = std::max(A.Links, B.Links);
    const int Oben = std::max(A.Oben, B.Oben);
    const int Rechts = std::min(A.Rechts(), B.Rechts());
    const int Unten = std::min(A.Unten(), B.Unten());
    if (Rechts <= Links || Unten <= Oben)
        return {};
    return {Links, Oben, Rechts - Links, Unten - Oben};
}

// A text's measures in a font, in whole board pixels: how wide it is
// drawn, and the font's full line height and its ascent above the
// baseline.
struct TTextmass {
    int Breite = 0;
    int Hoehe = 0;
    int Oberlaenge = 0;

    constexpr bool operator==(const TTextmass&) const = default;
};

// What the game draws with. Each edition implements these few operations
// for one picture of the board: the desktop on an image, the page on a
// canvas. Everything is given in pixels of the 400 x 400 board; the edition
// maps them onto its screen. A call draws and returns: none of them asks
// the game anything.
class TZeichenflaeche {
public:
    // Fills the rectangle with the colour.
    virtual void FuelleRechteck(const TRechteck& Rechteck, TColor Farbe) = 0;

    // Makes the rectangle transparent again, so that what lies below the
    // picture shows there.
    virtual void Leere(const TRechteck& Rechteck) = 0;

    // Copies the rectangle from the background picture of the game to the
    // same place, as far as the picture reaches; beyond it nothing is
    // drawn. Before the first game the background is white all over.
    virtual void ZeigeHintergrund(const TRechteck& Rechteck) = 0;

    // How the text comes out in the font when it is written into the box.
    virtual TTextmass MissText(std::string_view Text, const TSchrift& Schrift, const TRechteck& Kasten) = 0;

    // Writes the text in the font and colour, its baseline starting at
    // (X, Grundlinie), leaving out every pixel beyond the box.
    virtual void SchreibeText(std::string_view Text, const TSchrift& Schrift, TColor Farbe, int X, int Grundlinie,
                              const TRechteck& Kasten) = 0;

    // The drawing in the rectangle is finished and may be shown.
    virtual void Zeige(const TRechteck& Rechteck) = 0;

protected:
    ~TZeichenflaeche() = default;
};

} // namespace kalumbo
