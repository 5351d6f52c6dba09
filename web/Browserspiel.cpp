// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Browserspiel.h"

#include "game/Formen.h"
#include "game/Paarsuche.h"

namespace kalumbo::web {

TBrowserspiel::TBrowserspiel() : Quelle(std::make_unique<TUhrZufall>())
{
    Regeln.emplace(Stand, Bruecke, *Quelle, Bruecke);
}

void TBrowserspiel::NeuesSpiel()
{
    Regeln->NeuesSpiel();
}

void TBrowserspiel::Druck(int X, int Y)
{
    if (const auto Zelle = ZelleAnPixel(X, Y))
        Regeln->Druck(*Zelle);
}

void TBrowserspiel::Druck(TZelle Zelle)
{
    Regeln->Druck(Zelle);
}

void TBrowserspiel::ZeichneBrett()
{
    Regeln->ZeichneBrett();
}

int TBrowserspiel::Form() const
{
    return FormFuerItem(Bruecke.FormIndex());
}

void TBrowserspiel::SaeeFest(std::uint64_t Saat)
{
    Quelle = std::make_unique<TSaatZufall>(Saat);
    Regeln.emplace(Stand, Bruecke, *Quelle, Bruecke);
}

std::string TBrowserspiel::Zustand() const
{
    const auto Zahl = [](int Wert) { return std::to_string(Wert); };
    // The texts hold only digits, blanks and the operator characters, so
    // they go into the JSON as they are.
    const auto Text = [](const std::string& Wert) { return '"' + Wert + '"'; };
    const auto Paar = [&](int Erstes, int Zweites) { return '[' + Zahl(Erstes) + ',' + Zahl(Zweites) + ']'; };

    const int Form = this->Form();
    std::string Json = "{\"klick\":" + Paar(Stand.KlickSpalte, Stand.KlickZeile) +
                       ",\"auswahl\":" + Paar(Stand.AuswahlSpalte, Stand.AuswahlZeile) +
                       ",\"geloest\":" + Zahl(Stand.AnzahlGeloest) + ",\"aufgaben\":[";
    for (int Nummer = 1; Nummer <= AnzahlPaare; ++Nummer) {
        const TAufgabe& Aufgabe = Stand.Aufgaben[Nummer];
        Json += (Nummer > 1 ? "," : "") + ('[' + Text(Aufgabe.Rechnung) + ',' + Text(Aufgabe.Ergebnis) + ']');
    }
    Json += "],\"felder\":[";
    for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
        Json += Spalte > 1 ? ",[" : "[";
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile) {
            const TFeld& Feld = Stand.Felder[Spalte][Zeile];
            Json += (Zeile > 1 ? "," : "") + ("{\"paar\":" + Zahl(Feld.Paar) + ",\"seite\":" + Zahl(Feld.Seite) +
                                              ",\"frei\":" +
                                              (IstFreierStein(Stand.Felder, Form, Spalte, Zeile) ? "true" : "false") +
                                              '}');
        }
        Json += ']';
    }
    return Json + "]}";
}

} // namespace kalumbo::web
