// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Zeichenflaeche.h"

#include <QFont>
#include <QString>

namespace kalumbo {

// The face of every text in the window: "MS Sans Serif" where it is
// installed, otherwise Liberation Sans, whose letters are as wide. Sizes
// are set in pixels so that the layout holds at any screen resolution.
QString Schriftfamilie();

// The window's font, for the window and its controls, as texte/lage.json sets it.
QFont Fensterschrift();

QFont Schrift(int Pixel, bool Fett = false);
// A font of the board: the tiles' text is Schrift(Steinschrift).
QFont Schrift(const TSchrift& Art);

} // namespace kalumbo
