// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Spielstand.h"

#include <QColor>
#include <QFont>
#include <QImage>

namespace kalumbo {

// What a tile is drawn with.
struct TSteinaussehen {
    QColor Normal;
    QColor Ausgewaehlt;
    QFont Schrift;
};

// Draws one cell of the board picture from the game state: a tile as a
// square with a black outline and its text in the middle, or, where no
// tile stands, the same square of the background picture. The last pixel
// column and row of the cell are left alone; there the background shows
// between the tiles. Both pictures have the same device pixel ratio; all
// places are in logical pixels.
void MaleZelle(QImage& Brett, const QImage& Hintergrund, const TSpielstand& Stand, int Spalte, int Zeile,
               const TSteinaussehen& Aussehen);

} // namespace kalumbo
