// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Spielstand.h"

#include <string>

namespace kalumbo::web {

// The game as it stands, for tests and measurements: the last press, the
// selection, the count, the problems, and every cell, column by column,
// with its pair, its side and whether its tile may be taken now in the
// given shape.
std::string SpielstandAlsJson(const TSpielstand& Stand, int Form);

} // namespace kalumbo::web
