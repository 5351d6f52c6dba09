// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Farben.h"

namespace kalumbo {

QColor AlsQColor(TColor Farbe)
{
    return QColor(Rotanteil(Farbe), Gruenanteil(Farbe), Blauanteil(Farbe));
}

TColor AusQColor(const QColor& Farbe)
{
    const QColor Rgb = Farbe.toRgb();
    return static_cast<TColor>(Rgb.red()) | static_cast<TColor>(Rgb.green()) << 8 |
           static_cast<TColor>(Rgb.blue()) << 16;
}

} // namespace kalumbo
