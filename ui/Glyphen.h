// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QStyle>

class QWidget;

namespace kalumbo {

// The window's icon, 1 + 1 = 2 on grey, at 16 and 32 pixels.
QIcon Programmsymbol();

// The painter's palette of the two colour buttons, with its greyed copy
// for a disabled button. Olive counts as transparent.
QIcon Palettenglyphe();

// The stock glyph of a button ("Neues Spiel", "Ende", "Hilfe", "Fertig"):
// the one of the platform's icon theme where the platform has a theme;
// where it has none, the game's own picture of it, 16 pixels square.
QIcon Standardglyphe(const QWidget* Control, QStyle::StandardPixmap Welche);

} // namespace kalumbo
