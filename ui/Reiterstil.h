// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace kalumbo {

// Tabs with little room beside their captions, so that "Spiel" and
// "Einstellungen" both fit on the small tab control beside the board.
class TReiterstil : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric Mass, const QStyleOption* Option, const QWidget* Control) const override;
};

} // namespace kalumbo
