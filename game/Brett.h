// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Bereich.h"

#include <cstdint>
#include <optional>

namespace kalumbo {

inline constexpr int Spalten = 8;
inline constexpr int Zeilen = 8;
inline constexpr int Zellgroesse = 50;                  // pixels per cell edge
inline constexpr int Brettgroesse = Spalten * Zellgroesse; // 400 pixels

// Which tile of a pair stands on a cell.
inline constexpr std::int32_t KeinStein = 0;
inline constexpr std::int32_t Rechnungsstein = 1;
inline constexpr std::int32_t Ergebnisstein = 2;

// One cell of the board. Paar is the pair dealt here (1..18); it stays
// when the tile is taken away, only Seite drops to KeinStein.
struct TFeld {
    std::int32_t Paar = 0;
    std::int32_t Seite = KeinStein;

    constexpr bool operator==(const TFeld&) const = default;
};

// The board, written Felder[column][row], column 1 at the left, row 1 at the top.
using TFelder = TBereich<TBereich<TFeld, 1, Zeilen>, 1, Spalten>;

struct TZelle {
    int Spalte = 0;
    int Zeile = 0;

    constexpr bool operator==(const TZelle&) const = default;
};

// The cell under a pixel of the 400 x 400 board picture, or nothing for a
// pixel beside the board.
constexpr std::optional<TZelle> ZelleAnPixel(int X, int Y)
{
    if (X < 0 || Y < 0 || X >= Brettgroesse || Y >= Brettgroesse)
        return std::nullopt;
    return TZelle{X / Zellgroesse + 1, Y / Zellgroesse + 1};
}

} // namespace kalumbo
