// SPDX-License-Identifier: GPL-3.0-or-later
#include "Druckbericht.h"

#include "Aufgaben.h"
#include "Spielstand.h"
#include "texte/Fuellen.h"
#include "texte/Texte.h"

namespace kalumbo {

std::string Ansagetext(const TDruckbericht& Bericht)
{
    switch (Bericht.Folge) {
    case TDruckfolge::Nichts:
        return {};
    case TDruckfolge::Eingesperrt:
        return Texte::Fuelle(Texte::AnsageEingesperrt, {Bericht.Stein});
    case TDruckfolge::Ausgewaehlt:
    case TDruckfolge::Umgewaehlt:
        return Texte::Fuelle(Texte::AnsageAusgewaehlt, {Bericht.Stein});
    case TDruckfolge::Abgewaehlt:
        return Texte::Fuelle(Texte::AnsageAbgewaehlt, {Bericht.Stein});
    case TDruckfolge::Geloest:
        if (Bericht.AnzahlGeloest == AnzahlPaare)
            return Texte::Fuelle(Texte::AnsageFertig, {Bericht.Verlaufszeile});
        return Texte::Fuelle(Texte::AnsageGeloest, {Bericht.Verlaufszeile, Fortschrittstext(Bericht.AnzahlGeloest)});
    }
    return {};
}

std::string Neuspieltext(int Wartend)
{
    return Texte::Fuelle(Texte::AnsageNeuesSpiel, {std::to_string(Wartend)});
}

} // namespace kalumbo
