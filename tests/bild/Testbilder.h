// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bild/Pixelbild.h"
#include "werkbank/Kunstbilder.h"
#include "werkbank/Ordner.h"

#include <array>

namespace kalumbo::test {

// A black square drawn into a picture, for finding places again.
struct TMarke {
    int Links = 0;
    int Oben = 0;
    int Kante = 0;
};
void ZeichneMarke(TQuellbild& Bild, const TMarke& Marke);

std::array<int, 3> Farbe(const TPixelbild& Bild, int X, int Y);

// The largest difference in any channel between the decoded picture and
// the same pixels of the source, leaving out a square border of Rand
// pixels around the mark (where JPEG blurs its sharp edges).
int GroessteAbweichung(const TPixelbild& Bild, const TQuellbild& Quelle, const TMarke* Ausgenommen = nullptr,
                       int Rand = 0);

} // namespace kalumbo::test
