// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Json.h"

#include "game/Paarsuche.h"

#include <nlohmann/json.hpp>

namespace kalumbo::web {

// Its keys in the order they are written.
using TJson = nlohmann::ordered_json;

std::string SpielstandAlsJson(const TSpielstand& Stand, int Form)
{
    TJson Aufgaben = TJson::array();
    for (int Nummer = 1; Nummer <= AnzahlPaare; ++Nummer)
        Aufgaben.push_back({Stand.Aufgaben[Nummer].Rechnung, Stand.Aufgaben[Nummer].Ergebnis});
    TJson Felder = TJson::array();
    for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
        TJson& Reihe = Felder.emplace_back(TJson::array());
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile) {
            const TFeld& Feld = Stand.Felder[Spalte][Zeile];
            Reihe.push_back({{"paar", Feld.Paar},
                             {"seite", Feld.Seite},
                             {"frei", IstFreierStein(Stand.Felder, Form, Spalte, Zeile)}});
        }
    }
    return TJson{{"klick", {Stand.KlickSpalte, Stand.KlickZeile}},
                 {"auswahl", {Stand.AuswahlSpalte, Stand.AuswahlZeile}},
                 {"geloest", Stand.AnzahlGeloest},
                 {"aufgaben", Aufgaben},
                 {"felder", Felder}}
        .dump();
}

} // namespace kalumbo::web
