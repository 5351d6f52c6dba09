// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"
#include "Spielstand.h"
#include "Zeichenflaeche.h"

#include <string>
#include <string_view>

namespace kalumbo {

// How the board looks, in both editions alike. Places and sizes are in
// pixels of the 400 x 400 board picture.

inline constexpr TColor StartFarbeNormal = 0x00A0D0FF;      // light apricot
inline constexpr TColor StartFarbeAusgewaehlt = 0x00A06010; // medium blue
inline constexpr TColor Brettgrau = 0x00808080;             // where no picture reaches
inline constexpr TColor Schwarz = 0x00000000;
inline constexpr TColor Weiss = 0x00FFFFFF;

// The two colours a tile is filled with; the player may choose both.
struct TSteinfarben {
    TColor Normal = StartFarbeNormal;
    TColor Ausgewaehlt = StartFarbeAusgewaehlt;

    constexpr bool operator==(const TSteinfarben&) const = default;
};

enum class TSteinfarbe { Normal, Ausgewaehlt };

// A tile fills its cell but for the cell's last column and row, where the
// background shows between the tiles. It has a black outline and is
// filled in its colour inside it; its text is black.
inline constexpr int Steingroesse = Zellgroesse - 1; // 49
inline constexpr int Steinrand = 1;
inline constexpr TSchrift Steinschrift{13, false};

// The cell's square on the board: the tile with its outline.
constexpr TRechteck Steinflaeche(TZelle Zelle)
{
    return {Zellgroesse * (Zelle.Spalte - 1), Zellgroesse * (Zelle.Zeile - 1), Steingroesse, Steingroesse};
}

// Inside the outline: what the tile's colour fills and its text may reach.
constexpr TRechteck Steininneres(TZelle Zelle)
{
    return Steinflaeche(Zelle).Erweitert(-Steinrand);
}

// What a cell shows.
enum class TZellbild { Hintergrund, Stein, AusgewaehlterStein };

TZellbild Zellbild(const TSpielstand& Stand, int Spalte, int Zeile);

// A cell as it was drawn: its look and, on a tile, the tile's text.
struct TZellansicht {
    TZellbild Bild = TZellbild::Hintergrund;
    std::string Text;

    bool operator==(const TZellansicht&) const = default;
};

TZellansicht Zellansicht(const TSpielstand& Stand, TZelle Zelle);

// Where a tile's text goes, from the tile's top-left corner: its middle at
// the tile's middle column, one pixel below its middle row, worked out in
// whole pixels from the text's width and the font's full height and ascent.
struct TTextlage {
    int X;
    int Grundlinie;
};

constexpr TTextlage Textlage(const TTextmass& Mass)
{
    return {Steingroesse / 2 - Mass.Breite / 2, Steingroesse / 2 + 1 - Mass.Hoehe / 2 + Mass.Oberlaenge};
}

// The keyboard's frame around the cell under the cursor: two rings of two
// pixels, a white one on the tile's outline and the gap around it, and a
// black one inside it on the edge of the tile's face. On a tile the black
// ring leaves out the middle of the tile's sides, where a text too wide
// for its tile reaches the edge: the frame never covers a tile's text.
inline constexpr int Rahmenbreite = 2;
// The rows in the middle of a tile's face that the black ring's sides
// leave out: the text's whole height and some room.
inline constexpr int RahmenlueckeAmStein = 19;

// Everything the frame may cover: one pixel beyond the tile on each side.
constexpr TRechteck Rahmenflaeche(TZelle Zelle)
{
    return Steinflaeche(Zelle).Erweitert(1);
}

} // namespace kalumbo
