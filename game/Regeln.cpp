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

void TRegeln::Druck(TZelle Zelle)
{
    Stand.KlickSpalte = Zelle.Spalte;
    Stand.KlickZeile = Zelle.Zeile;
    TDruckbericht Bericht;
    Bericht.Zelle = Zelle;
    if (HatStein(Zelle.Spalte, Zelle.Zeile))
        Bericht.Stein = Stand.Steintext(Zelle.Spalte, Zelle.Zeile);
    const std::int32_t Paar = Stand.Felder[Zelle.Spalte][Zelle.Zeile].Paar;
    Bericht.Folge = Druecke(Zelle.Spalte, Zelle.Zeile);
    if (Bericht.Folge == TDruckfolge::Geloest)
        Bericht.Verlaufszeile = Verlaufszeile(Stand.Aufgaben[Paar]);
    Bericht.AnzahlGeloest = Stand.AnzahlGeloest;
    Anzeige.MeldeDruck(Bericht);
}

// The press itself, with its effects in their order.
TDruckfolge TRegeln::Druecke(int Spalte, int Zeile)
{
    // Presses beside the shape or on an empty cell do nothing, nor do
    // those on a shut-in tile.
    if (!HatStein(Spalte, Zeile))
        return TDruckfolge::Nichts;
    if (!IstFrei(Spalte, Zeile))
        return TDruckfolge::Eingesperrt;

    TDruckfolge Folge;
    const std::int32_t Paar = Stand.Felder[Spalte][Zeile].Paar;
    if (Stand.IstAusgewaehlt(Spalte, Zeile)) {
        Waehle(0, 0);
        Folge = TDruckfolge::Abgewaehlt;
    } else if (!Stand.HatAuswahl()) {
        Waehle(Spalte, Zeile);
        Folge = TDruckfolge::Ausgewaehlt;
    } else if (Paar != Stand.Felder[Stand.AuswahlSpalte][Stand.AuswahlZeile].Paar) {
        const TZelle Vorher{Stand.AuswahlSpalte, Stand.AuswahlZeile};
        Waehle(Spalte, Zeile);
        Anzeige.ZeichneStein(Vorher.Spalte, Vorher.Zeile);
        Folge = TDruckfolge::Umgewaehlt;
    } else {
        LoeseAuf(Paar);
        Stand.Felder[Spalte][Zeile].Seite = KeinStein;
        Folge = TDruckfolge::Geloest;
    }

    Anzeige.ZeichneStein(Spalte, Zeile);
    if (Stand.AnzahlGeloest == AnzahlPaare)
        Anzeige.ZeigeBravo();
    return Folge;
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
