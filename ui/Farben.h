// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Aussehen.h"

#include <QColor>

namespace kalumbo {

// The two tile colours. They hold for the whole run, across games; only
// the colour buttons change them.
extern TColor FarbeNormal;
extern TColor FarbeAusgewaehlt;

QColor AlsQColor(TColor Farbe);
TColor AusQColor(const QColor& Farbe);

} // namespace kalumbo
