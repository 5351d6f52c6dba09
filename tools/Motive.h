// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Leinwand.h"

namespace kalumbo {

// The four built-in background pictures, each drawn onto a 400 x 400 canvas.
void MaleWiese(Leinwand& leinwand);       // a sunny meadow with flowers and butterflies
void MaleUnterwasser(Leinwand& leinwand); // fish, bubbles and seaweed under the sea
void MaleRegenbogen(Leinwand& leinwand);  // a rainbow over a lake with a sailing boat
void MaleBallon(Leinwand& leinwand);      // a hot-air balloon over a little house

} // namespace kalumbo
