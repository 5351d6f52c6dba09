// SPDX-License-Identifier: GPL-3.0-or-later
#include "Druckbericht.h"

#include "Aufgaben.h"
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
        return Texte::Fuelle(Bericht.AnzahlGeloest == AnzahlPaare ? Texte::AnsageFertig : Texte::AnsageGeloest,
                             {Bericht.Verlaufszeile});
    }
    return {};
}

} // namespace kalumbo
