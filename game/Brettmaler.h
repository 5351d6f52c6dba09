// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Aussehen.h"
#include "Zeichenflaeche.h"

namespace kalumbo {

// The board's look, drawn once for both editions through their drawing
// operations.

// The whole board beneath the tiles: white before the first game; grey
// while a new game is laid out; then grey with the background picture of
// the game over it.
enum class TGrund { Weiss, Grau, MitBild };
void MaleGrund(TZeichenflaeche& Flaeche, TGrund Grund);

// One cell: a tile as a square with a black outline, filled in its colour,
// with its text in the middle; or, where no tile stands, the same square
// of the background, grey where the picture does not reach. The cell's
// last pixel column and row are left alone: there the background shows
// between the tiles.
void MaleZelle(TZeichenflaeche& Flaeche, TZelle Zelle, const TZellansicht& Ansicht, const TSteinfarben& Farben);

// The keyboard's frame around the cell, on a picture of its own above
// the board: see Rahmenbreite.
void MaleRahmen(TZeichenflaeche& Ebene, TZelle Zelle, bool AufStein);

} // namespace kalumbo
