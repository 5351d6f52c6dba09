// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aussehen.h"

namespace kalumbo {

TZellbild Zellbild(const TSpielstand& Stand, int Spalte, int Zeile)
{
    if (Stand.Felder[Spalte][Zeile].Seite == KeinStein)
        return TZellbild::Hintergrund;
    return Stand.IstAusgewaehlt(Spalte, Zeile) ? TZellbild::AusgewaehlterStein : TZellbild::Stein;
}

std::string_view Zellbildname(TZellbild Bild)
{
    switch (Bild) {
    case TZellbild::Hintergrund:
        return "Hintergrund";
    case TZellbild::Stein:
        return "Stein";
    case TZellbild::AusgewaehlterStein:
        return "AusgewaehlterStein";
    }
    return {};
}

} // namespace kalumbo
