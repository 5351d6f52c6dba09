// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tastaturzeiger.h"

#include "Paarsuche.h"

#include <algorithm>

namespace kalumbo {

void TTastaturzeiger::Bewege(TBretttaste Taste)
{
    switch (Taste) {
    case TBretttaste::Links:
        Stelle.Spalte = std::max(Stelle.Spalte - 1, 1);
        break;
    case TBretttaste::Rechts:
        Stelle.Spalte = std::min(Stelle.Spalte + 1, Spalten);
        break;
    case TBretttaste::Hoch:
        Stelle.Zeile = std::max(Stelle.Zeile - 1, 1);
        break;
    case TBretttaste::Runter:
        Stelle.Zeile = std::min(Stelle.Zeile + 1, Zeilen);
        break;
    case TBretttaste::Zeilenanfang:
        Stelle.Spalte = 1;
        break;
    case TBretttaste::Zeilenende:
        Stelle.Spalte = Spalten;
        break;
    case TBretttaste::Druck:
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
