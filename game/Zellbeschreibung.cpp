// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zellbeschreibung.h"

#include "Paarsuche.h"
#include "texte/Texte.h"

namespace kalumbo {

std::string TZellbeschreibung::Beschreibung() const
{
    return Eingesperrt ? Texte::ZelleEingesperrt : "";
}

TZellbeschreibung BeschreibeZelle(const TSpielstand& Stand, int Form, TZelle Zelle)
{
    const auto [Spalte, Zeile] = Zelle;
    TZellbeschreibung Ergebnis;
    // A tile is shown wherever one lies, as the board draws it; whether
    // it may be taken is the rules' question.
    Ergebnis.Stein = Stand.Felder[Spalte][Zeile].Seite != KeinStein && !Stand.Steintext(Spalte, Zeile).empty();
    if (!Ergebnis.Stein) {
        Ergebnis.Name = Texte::ZelleLeer;
        return Ergebnis;
    }
    Ergebnis.Name = Stand.Steintext(Spalte, Zeile);
    Ergebnis.Ausgewaehlt = Stand.IstAusgewaehlt(Spalte, Zeile);
    Ergebnis.Eingesperrt = !IstFreierStein(Stand.Felder, Form, Spalte, Zeile);
    return Ergebnis;
}

} // namespace kalumbo
