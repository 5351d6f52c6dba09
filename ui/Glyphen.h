#pragma once

#include <QIcon>

namespace kalumbo {

// The window's icon, 1 + 1 = 2 on grey, at 16 and 32 pixels.
QIcon Programmsymbol();

// The painter's palette of the two colour buttons, with its greyed copy
// for a disabled button. Olive counts as transparent.
QIcon Palettenglyphe();

} // namespace kalumbo
