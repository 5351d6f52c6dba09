// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"

#include <utility>

namespace kalumbo {

// The keys that move the keyboard cursor.
enum class TZeigertaste { Links, Rechts, Hoch, Runter, Zeilenanfang, Zeilenende };

// The keyboard cursor: one of the 64 cells, the one a key press acts on.
// It goes everywhere on the board, over tiles and empty cells alike, and
// stops at the edges.
class TTastaturzeiger {
public:
    TZelle Zelle() const { return Stelle; }

    // One step in the key's direction; Home and End go to the first and
    // the last cell of the row.
    void Bewege(TZeigertaste Taste);

    // Puts the cursor on the given cell of the board.
    void Setze(TZelle Zelle);

    // The start of a new game: the first tile that may be taken, reading
    // row by row from the top left; the top-left cell when there is none.
    void Beginne(const TFelder& Felder, int Form);

private:
    TZelle Stelle{1, 1};
};

// The pixel of the 400 x 400 board picture in the middle of a cell: where
// a key press presses, so that it is a press of the cell as the mouse
// would make it.
constexpr std::pair<int, int> Zellmitte(TZelle Zelle)
{
    return {Zellgroesse * (Zelle.Spalte - 1) + Zellgroesse / 2, Zellgroesse * (Zelle.Zeile - 1) + Zellgroesse / 2};
}

} // namespace kalumbo
