// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texte/Texte.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

namespace kalumbo {

// A text of the game (namespace Texte), as Qt shows it.
inline QString QText(const char* Utf8)
{
    return QString::fromUtf8(Utf8);
}

// The items of a list of the game's texts, such as a radio-button group's.
template <std::size_t Anzahl>
QStringList Eintraege(const std::array<const char*, Anzahl>& Eintraege)
{
    QStringList Ergebnis;
    for (const char* Eintrag : Eintraege)
        Ergebnis.append(QText(Eintrag));
    return Ergebnis;
}

} // namespace kalumbo
