// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Schriften.h"

#include "game/Aussehen.h"
#include "texte/Lage.h"

#include <QFontDatabase>
#include <QStringList>

namespace kalumbo {

QString Schriftfamilie()
{
    static const QString Familie = [] {
        const QString Gewuenscht = QStringLiteral("MS Sans Serif");
        return QFontDatabase::families().contains(Gewuenscht) ? Gewuenscht : QStringLiteral("Liberation Sans");
    }();
    return Familie;
}

QFont Schrift(int Pixel, bool Fett)
{
    QFont Ergebnis(Schriftfamilie());
    Ergebnis.setPixelSize(Pixel);
    Ergebnis.setBold(Fett);
    return Ergebnis;
}

QFont Fensterschrift()
{
    return Schrift(Lage::Fensterschrift);
}

QFont Schrift(const TSchrift& Art)
{
    return Schrift(Art.Pixel, Art.Fett);
}

} // namespace kalumbo
