// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"
#include "Spielstand.h"

#include <cstdint>
#include <string_view>

namespace kalumbo {

// How the board looks, in both editions alike. Places and sizes are in
// pixels of the 400 x 400 board picture.

// A colour as the game keeps it: $00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;

inline constexpr TColor StartFarbeNormal = 0x00A0D0FF;      // light apricot
inline constexpr TColor StartFarbeAusgewaehlt = 0x00A06010; // medium blue
inline constexpr TColor Brettgrau = 0x00808080;             // where no picture reaches

constexpr int Rotanteil(TColor Farbe) { return static_cast<int>(Farbe & 0xFF); }
constexpr int Gruenanteil(TColor Farbe) { return static_cast<int>((Farbe >> 8) & 0xFF); }
constexpr int Blauanteil(TColor Farbe) { return static_cast<int>((Farbe >> 16) & 0xFF); }

// A tile fills its cell but for the cell's last column and row, where the
// background shows between the tiles. It has a black outline and is
// filled in its colour inside it; its text is black.
inline constexpr int Steingroesse = Zellgroesse - 1; // 49
inline constexpr int Steinrand = 1;
inline constexpr int Schriftgroesse = 13; // the tiles' text, in pixels

// What a cell shows.
enum class TZellbild { Hintergrund, Stein, AusgewaehlterStein };

TZellbild Zellbild(const TSpielstand& Stand, int Spalte, int Zeile);

// The look's name as the page's board knows it: "Hintergrund", "Stein",
// "AusgewaehlterStein".
std::string_view Zellbildname(TZellbild Bild);

// Where a tile's text goes, from the tile's top-left corner: its middle at
// the tile's middle column, one pixel below its middle row, worked out in
// whole pixels from the text's width and the font's full height and ascent.
struct TTextlage {
    int X;
    int Grundlinie;
};

constexpr TTextlage Textlage(int Breite, int Hoehe, int Oberlaenge)
{
    return {Steingroesse / 2 - Breite / 2, Steingroesse / 2 + 1 - Hoehe / 2 + Oberlaenge};
}

} // namespace kalumbo
