// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texte/Lage.h"

#include <QIcon>

namespace kalumbo {

// The window's icon, 1 + 1 = 2 on grey, at 16 and 32 pixels.
QIcon Programmsymbol();

// A button's glyph, the game's own picture in assets/ on every platform,
// as the page shows it too. A picture twice as wide as high holds the
// glyph of a disabled button on its right.
QIcon Glyphe(Lage::TGlyphe Welche);

} // namespace kalumbo
