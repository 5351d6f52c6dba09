// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Reiterstil.h"

namespace kalumbo {

int TReiterstil::pixelMetric(PixelMetric Mass, const QStyleOption* Option, const QWidget* Control) const
{
    if (Mass == PM_TabBarTabHSpace)
        return 10;
    return QProxyStyle::pixelMetric(Mass, Option, Control);
}

} // namespace kalumbo
