// SPDX-License-Identifier: GPL-3.0-or-later
#include "Testbilder.h"

#include <algorithm>
#include <cstdlib>

namespace kalumbo::test {

void ZeichneMarke(TQuellbild& Bild, const TMarke& Marke)
{
    for (int Y = Marke.Oben; Y < Marke.Oben + Marke.Kante; ++Y)
        for (int X = Marke.Links; X < Marke.Links + Marke.Kante; ++X)
            for (int Kanal = 0; Kanal < Bild.Kanaele; ++Kanal)
                Bild.Werte[(std::size_t(Y) * Bild.Breite + X) * Bild.Kanaele + Kanal] = 0;
}

std::array<int, 3> Farbe(const TPixelbild& Bild, int X, int Y)
{
    const std::size_t Stelle = (std::size_t(Y) * Bild.Breite + X) * 3;
    return {Bild.Rgb.at(Stelle), Bild.Rgb.at(Stelle + 1), Bild.Rgb.at(Stelle + 2)};
}

int GroessteAbweichung(const TPixelbild& Bild, const TQuellbild& Quelle, const TMarke* Ausgenommen, int Rand)
{
    const auto NaheMarke = [&](int X, int Y) {
        return Ausgenommen != nullptr && X >= Ausgenommen->Links - Rand &&
               X < Ausgenommen->Links + Ausgenommen->Kante + Rand && Y >= Ausgenommen->Oben - Rand &&
               Y < Ausgenommen->Oben + Ausgenommen->Kante + Rand;
    };
    int Groesste = 0;
    for (int Y = 0; Y < Bild.Hoehe; ++Y) {
        for (int X = 0; X < Bild.Breite; ++X) {
            if (NaheMarke(X, Y))
                continue;
            const auto Dekodiert = Farbe(Bild, X, Y);
            for (int Kanal = 0; Kanal < 3; ++Kanal) {
                const int Soll = Quelle.Wert(X, Y, Quelle.Kanaele == 1 ? 0 : Kanal);
                Groesste = std::max(Groesste, std::abs(Dekodiert[Kanal] - Soll));
            }
        }
    }
    return Groesste;
}

} // namespace kalumbo::test
