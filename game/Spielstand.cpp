// SPDX-License-Identifier: GPL-3.0-or-later
#include "Spielstand.h"

#include "texte/Fuellen.h"
#include "texte/Texte.h"

namespace kalumbo {

const std::string& TSpielstand::Steintext(int Spalte, int Zeile) const
{
    static const std::string Leer;
    const TFeld& Feld = Felder[Spalte][Zeile];
    if (Feld.Seite == KeinStein || !TAufgabenliste::Enthaelt(Feld.Paar))
        return Leer;
    const TAufgabe& Aufgabe = Aufgaben[Feld.Paar];
    return Feld.Seite == Rechnungsstein ? Aufgabe.Rechnung : Aufgabe.Ergebnis;
}

std::string Fortschrittstext(int AnzahlGeloest)
{
    return Texte::Fuelle(Texte::Fortschritt, {std::to_string(AnzahlGeloest), std::to_string(AnzahlPaare)});
}

std::string Verlaufszeile(const TAufgabe& Aufgabe)
{
    return Aufgabe.Rechnung + " = " + Aufgabe.Ergebnis;
}

} // namespace kalumbo
