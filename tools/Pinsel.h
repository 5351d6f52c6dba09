// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Leinwand.h"

#include <utility>
#include <vector>

namespace kalumbo {

// A point of a gradient: at position (0..1 along the gradient) this colour.
using Farbstufe = std::pair<float, Farbe>;

// From top (y0) to bottom (y1) through the given stops.
Pinsel Senkrecht(float y0, float y1, std::vector<Farbstufe> stufen);
Pinsel Senkrecht(float y0, Farbe oben, float y1, Farbe unten);

// From the centre outwards to radius r.
Pinsel Rund(Punkt mitte, float r, Farbe innen, Farbe aussen);

// A round body lit from the top left: lighter towards licht, darker away
// from it, so that balls, fish and bubbles look a little plump.
Pinsel Gewoelbt(Punkt mitte, float radius, Farbe farbe);

// Lays a soft, patchy texture over another brush: grass, sand, bark.
// staerke is how far the brightness wanders (0.1 = ten per cent), groesse
// the size of the patches in pixels.
Pinsel Gemustert(Pinsel grund, float staerke, float groesse, std::uint32_t saat);

} // namespace kalumbo
