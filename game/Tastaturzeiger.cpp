// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tastaturzeiger.h"

#include "Paarsuche.h"

#include <algorithm>

namespace kalumbo {

void TTastaturzeiger::Bewege(TZeigertaste Taste)
{
    switch (Taste) {
    case TZeigertaste::Links:
        Stelle.Spalte = std::max(Stelle.Spalte - 1, 1);
        break;
    case TZeigertaste::Rechts:
        Stelle.Spalte = std::min(Stelle.Spalte + 1, Spalten);
        break;
    case TZeigertaste::Hoch:
        Stelle.Zeile = std::max(Stelle.Zeile - 1, 1);
        break;
    case TZeigertaste::Runter:
        Stelle.Zeile = std::min(Stelle.Zeile + 1, Zeilen);
        break;
    case TZeigertaste::Zeilenanfang:
        Stelle.Spalte = 1;
        break;
    case TZeigertaste::Zeilenende:
        Stelle.Spalte = Spalten;
        break;
    }
}

void TTastaturzeiger::Setze(TZelle Zelle)
{
    Stelle.Spalte = std::clamp(Zelle.Spalte, 1, Spalten);
    Stelle.Zeile = std::clamp(Zelle.Zeile, 1, Zeilen);
}

void TTastaturzeiger::Beginne(const TFelder& Felder, int Form)
{
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (IstFreierStein(Felder, Form, Spalte, Zeile)) {
                Stelle = {Spalte, Zeile};
                return;
            }
    Stelle = {1, 1};
}

} // namespace kalumbo
