// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Zeichenflaeche.h"

#include <QColor>

namespace kalumbo {

// The game's colours as Qt's and back.
QColor AlsQColor(TColor Farbe);
TColor AusQColor(const QColor& Farbe);

} // namespace kalumbo
