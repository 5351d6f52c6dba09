// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Spielstand.h"

#include <string>

namespace kalumbo {

// A cell of the board in words, for a player who cannot see it: what a
// screen reader says when the keyboard cursor comes to the cell.
struct TZellbeschreibung {
    std::string Name;         // what the cell shows: "12 + 7", "19", or "leer"
    bool Stein = false;       // a tile stands here
    bool Ausgewaehlt = false; // the tile is the selected one
    bool Eingesperrt = false; // a tile that a press would not take now

    // "eingesperrt" for a shut-in tile, otherwise nothing.
    std::string Beschreibung() const;

    bool operator==(const TZellbeschreibung&) const = default;
};

// The cell as it stands in the game state, with the tiles that may be
// taken decided by the given shape, as a press decides it.
TZellbeschreibung BeschreibeZelle(const TSpielstand& Stand, int Form, TZelle Zelle);

} // namespace kalumbo
