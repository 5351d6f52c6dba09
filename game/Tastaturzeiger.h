// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"


namespace kalumbo {

// The keys the board takes: the ones that move the keyboard cursor, and
// the one that presses the cell under it (Space or Enter).
enum class TBretttaste { Links, Rechts, Hoch, Runter, Zeilenanfang, Zeilenende, Druck };

// The keyboard cursor: one of the 64 cells, the one a key press acts on.
// It goes everywhere on the board, over tiles and empty cells alike, and
// stops at the edges.
class TTastaturzeiger {
public:
    TZelle Zelle() const { return Stelle; }

    // One step in the key's direction; Home and End go to the first and
    // the last cell of the row. Druck leaves it where it is.
    void Bewege(TBretttaste Taste);

    // Puts the cursor on the given cell of the board.
    void Setze(TZelle Zelle);

    // The start of a new game: the first tile that may be taken, reading
    // row by row from the top left; the top-left cell when there is none.
    void Beginne(const TFelder& Felder, int Form);

private:
    TZelle Stelle{1, 1};
};

} // namespace kalumbo
