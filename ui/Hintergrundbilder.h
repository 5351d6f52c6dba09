// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bild/Pixelbild.h"

#include <QImage>
#include <QString>

namespace kalumbo {

inline constexpr int AnzahlBilder = 4;

// Whether a regular file of that name is there (a link to one counts, a
// directory or a broken link does not).
bool IstDatei(const QString& Name);

// Reads and decodes a picture file; what cannot be used ends in a
// TBildFehler with the message the player sees.
QImage LadeBilddatei(const QString& Name);

// Decodes built-in picture 1 to 4.
QImage DekodiereEingebautesBild(int Nummer);

QImage AlsQImage(const TPixelbild& Pixel);

} // namespace kalumbo
