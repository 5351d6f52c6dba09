// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aussehen.h"

namespace kalumbo {

TZellbild Zellbild(const TSpielstand& Stand, int Spalte, int Zeile)
{
    if (Stand.Felder[Spalte][Zeile].Seite == KeinStein)
        return TZellbild::Hintergrund;
    return Stand.IstAusgewaehlt(Spalte, Zeile) ? TZellbild::AusgewaehlterStein : TZellbild::Stein;
}

TZellansicht Zellansicht(const TSpielstand& Stand, TZelle Zelle)
{
    const TZellbild Bild = Zellbild(Stand, Zelle.Spalte, Zelle.Zeile);
    if (Bild == TZellbild::Hintergrund)
        return {};
    return {Bild, Stand.Steintext(Zelle.Spalte, Zelle.Zeile)};
}

} // namespace kalumbo
