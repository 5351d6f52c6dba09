// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"

namespace kalumbo {

class TZufallsquelle;

// How often one deal may start afresh at a dead end before it gives up
// keeping the two tiles of a pair out of one row.
inline constexpr int MaximaleNeuanfaenge = 1000;

// Deals the 36 tiles of the 18 pairs at random onto the positions of the
// shape. In rows 1 to 7 the two tiles of a pair never share a row; row 8
// is free of that rule. Cells that are not positions of the shape are
// emptied, so no tile of an earlier game survives the deal.
void VerteileSteine(TFelder& Felder, int Form, TZufallsquelle& Quelle);

} // namespace kalumbo
