// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Aufgaben.h"
#include "Brett.h"

#include <cstdint>
#include <string>

namespace kalumbo {

// Everything a game remembers. All zero and empty before the first game.
struct TSpielstand {
    std::int32_t KlickSpalte = 0;   // cell of the last press on the board
    std::int32_t KlickZeile = 0;
    std::int32_t AuswahlSpalte = 0; // selected tile; both 0 when none
    std::int32_t AuswahlZeile = 0;
    std::int32_t AnzahlGeloest = 0; // pairs solved in this game
    TAufgabenliste Aufgaben{};
    TFelder Felder{};

    bool HatAuswahl() const { return AuswahlSpalte != 0 && AuswahlZeile != 0; }
    bool IstAusgewaehlt(int Spalte, int Zeile) const
    {
        return Spalte == AuswahlSpalte && Zeile == AuswahlZeile;
    }
    // The text a tile shows: the problem or the result of its pair.
    const std::string& Steintext(int Spalte, int Zeile) const;
};

// "7 von 18 gelöst"
std::string Fortschrittstext(int AnzahlGeloest);

// "12 + 7 = 19"
std::string Verlaufszeile(const TAufgabe& Aufgabe);

} // namespace kalumbo
