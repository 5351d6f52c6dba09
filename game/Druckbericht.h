// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"

#include <string>

namespace kalumbo {

// What a press on the board did.
enum class TDruckfolge {
    Nichts,      // beside the shape or on a cell without a tile
    Eingesperrt, // on a tile that may not be taken now: nothing changed
    Ausgewaehlt, // the tile is selected; none was before
    Abgewaehlt,  // the selected tile was pressed again: nothing is selected
    Umgewaehlt,  // the selection moved from another tile to this one
    Geloest,     // the tile and the selected one were a pair: both are gone
};

// The rules' account of one press, after all its effects.
struct TDruckbericht {
    TDruckfolge Folge = TDruckfolge::Nichts;
    TZelle Zelle;             // the pressed cell
    std::string Stein;        // the pressed tile's text; empty for Nichts
    std::string Verlaufszeile; // the solved problem ("12 + 7 = 19") for Geloest
    int AnzahlGeloest = 0;    // pairs solved after the press

    bool operator==(const TDruckbericht&) const = default;
};

// The words that tell a player who cannot see the board what the press
// did: "12 + 7 ausgewählt", "gelöst: 12 + 7 = 19. 1 von 18 gelöst"; empty
// for a press that found no tile.
std::string Ansagetext(const TDruckbericht& Bericht);

// The words that tell such a player that a new game lies on the board,
// and how many problems wait in it: "Neues Spiel: 18 Rechnungen warten".
std::string Neuspieltext(int Wartend);

} // namespace kalumbo
