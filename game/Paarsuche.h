// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"
#include "Formen.h"

#include <optional>
#include <utility>

namespace kalumbo {

// Whether a tile stands at the cell in the given shape and may be taken.
constexpr bool IstFreierStein(const TFelder& Felder, int Form, int Spalte, int Zeile)
{
    return IstPosition(Form, Spalte, Zeile) && Felder[Spalte][Zeile].Seite != KeinStein &&
           IstFrei(Felder, Form, Spalte, Zeile);
}

// Two free tiles of one pair in the given shape, or nothing when no pair
// can be taken; the first found from the top-left. The game itself never
// asks; players, tests and demonstrations do.
inline std::optional<std::pair<TZelle, TZelle>> FreiesPaar(const TFelder& Felder, int Form)
{
    const auto FreierStein = [&](int Spalte, int Zeile) { return IstFreierStein(Felder, Form, Spalte, Zeile); };
    for (int Z1 = 1; Z1 <= Zeilen; ++Z1)
        for (int S1 = 1; S1 <= Spalten; ++S1) {
            if (!FreierStein(S1, Z1))
                continue;
            for (int Z2 = 1; Z2 <= Zeilen; ++Z2)
                for (int S2 = 1; S2 <= Spalten; ++S2)
                    if ((S1 != S2 || Z1 != Z2) && FreierStein(S2, Z2) && Felder[S1][Z1].Paar == Felder[S2][Z2].Paar)
                        return std::pair{TZelle{S1, Z1}, TZelle{S2, Z2}};
        }
    return std::nullopt;
}

} // namespace kalumbo
