// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Json.h"

#include "game/Paarsuche.h"

#include <nlohmann/json.hpp>

namespace kalumbo::web {

std::string KlassenlinkAlsJson(const TStartwahl& Wahl)
{
    nlohmann::ordered_json Items = nlohmann::ordered_json::object();
    for (const TStartoption& Option : Startoptionen())
        if (const int Item = Wahl.Item(Option.Gruppe); Item >= 0)
            Items[std::string(Gruppenname(Option.Gruppe))] = Item;
    return nlohmann::ordered_json{{"items", Items}, {"meldung", Klassenlinkbericht(Wahl)}}.dump();
}

std::string SpielstandAlsJson(const TSpielstand& Stand, int Form)
{
    nlohmann::ordered_json Aufgaben = nlohmann::ordered_json::array();
    for (int Nummer = 1; Nummer <= AnzahlPaare; ++Nummer)
        Aufgaben.push_back({Stand.Aufgaben[Nummer].Rechnung, Stand.Aufgaben[Nummer].Ergebnis});
    nlohmann::ordered_json Felder = nlohmann::ordered_json::array();
    for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
        nlohmann::ordered_json& Reihe = Felder.emplace_back(nlohmann::ordered_json::array());
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile) {
            const TFeld& Feld = Stand.Felder[Spalte][Zeile];
            Reihe.push_back({{"paar", Feld.Paar},
                             {"seite", Feld.Seite},
                             {"frei", IstFreierStein(Stand.Felder, Form, Spalte, Zeile)}});
        }
    }
    return nlohmann::ordered_json{{"klick", {Stand.KlickSpalte, Stand.KlickZeile}},
                          {"auswahl", {Stand.AuswahlSpalte, Stand.AuswahlZeile}},
                          {"geloest", Stand.AnzahlGeloest},
                          {"aufgaben", Aufgaben},
                          {"felder", Felder}}
        .dump();
}

} // namespace kalumbo::web
