// SPDX-License-Identifier: GPL-3.0-or-later
#include "Regeln.h"

#include "Formen.h"
#include "Verteilung.h"

namespace kalumbo {

TRegeln::TRegeln(TSpielstand& Stand, const TEinstellungen& Einstellungen, TZufallsquelle& Quelle, TAnzeige& Anzeige)
    : Stand(Stand), Einstellungen(Einstellungen), Quelle(Quelle), Anzeige(Anzeige)
{
}

int TRegeln::Form() const
{
    return FormFuerItem(Einstellungen.FormIndex());
}

bool TRegeln::IstFrei(int Spalte, int Zeile) const
{
    return kalumbo::IstFrei(Stand.Felder, Form(), Spalte, Zeile);
}

bool TRegeln::HatStein(int Spalte, int Zeile) const
{
    return IstPosition(Form(), Spalte, Zeile) && Stand.Felder[Spalte][Zeile].Seite != KeinStein;
}

void TRegeln::NeuesSpiel()
{
    Anzeige.VerbergeHilfe();
    Stand.AnzahlGeloest = 0;
    Anzeige.ZeigeFortschritt(Fortschrittstext(0));
    Waehle(0, 0);
    Anzeige.LeereVerlauf();
    ErzeugeAufgaben();
    VerteileSteine();
    Anzeige.VerbergeBravo();
    Anzeige.LegeBrettAn();
    ZeichneBrett();
    Anzeige.ZeigeBrett();
}

void TRegeln::ZeichneBrett()
{
    const int Form = this->Form();
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (IstPosition(Form, Spalte, Zeile))
                Anzeige.ZeichneStein(Spalte, Zeile);
}

void TRegeln::ErzeugeAufgaben()
{
    kalumbo::ErzeugeAufgaben(Stand.Aufgaben, Einstellungen.ZahlenIndex(), Einstellungen.RechenartenIndex(), Quelle);
}

void TRegeln::VerteileSteine()
{
    kalumbo::VerteileSteine(Stand.Felder, Form(), Quelle);
}

void TRegeln::Druck(int X, int Y)
{
    const auto Zelle = ZelleAnPixel(X, Y);
    if (!Zelle)
        return;
    Stand.KlickSpalte = Zelle->Spalte;
    Stand.KlickZeile = Zelle->Zeile;
    const int Spalte = Stand.KlickSpalte;
    const int Zeile = Stand.KlickZeile;

    // Presses beside the shape, on an empty cell or on a shut-in tile do nothing.
    if (!HatStein(Spalte, Zeile) || !IstFrei(Spalte, Zeile))
        return;

    const std::int32_t Paar = Stand.Felder[Spalte][Zeile].Paar;
    if (Stand.IstAusgewaehlt(Spalte, Zeile)) {
        Waehle(0, 0);
    } else if (!Stand.HatAuswahl()) {
        Waehle(Spalte, Zeile);
    } else if (Paar != Stand.Felder[Stand.AuswahlSpalte][Stand.AuswahlZeile].Paar) {
        const TZelle Vorher{Stand.AuswahlSpalte, Stand.AuswahlZeile};
        Waehle(Spalte, Zeile);
        Anzeige.ZeichneStein(Vorher.Spalte, Vorher.Zeile);
    } else {
        LoeseAuf(Paar);
        Stand.Felder[Spalte][Zeile].Seite = KeinStein;
    }

    Anzeige.ZeichneStein(Spalte, Zeile);
    if (Stand.AnzahlGeloest == AnzahlPaare)
        Anzeige.ZeigeBravo();
}

void TRegeln::Waehle(int Spalte, int Zeile)
{
    Stand.AuswahlSpalte = Spalte;
    Stand.AuswahlZeile = Zeile;
}

// The first half of solving a pair: count it, report it and take away the
// selected tile. The pressed tile goes afterwards.
void TRegeln::LoeseAuf(std::int32_t Paar)
{
    ++Stand.AnzahlGeloest;
    Anzeige.ZeigeFortschritt(Fortschrittstext(Stand.AnzahlGeloest));
    Anzeige.ErgaenzeVerlauf(Verlaufszeile(Stand.Aufgaben[Paar]));
    Stand.Felder[Stand.AuswahlSpalte][Stand.AuswahlZeile].Seite = KeinStein;
    Anzeige.ZeichneStein(Stand.AuswahlSpalte, Stand.AuswahlZeile);
    Waehle(0, 0);
}

} // namespace kalumbo
