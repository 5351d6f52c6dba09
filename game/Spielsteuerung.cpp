// SPDX-License-Identifier: GPL-3.0-or-later
#include "Spielsteuerung.h"

#include "Brettmaler.h"
#include "Formen.h"
#include "Meldung.h"

namespace kalumbo {

TSpielsteuerung::TSpielsteuerung(TOberflaeche& Oberflaeche, std::unique_ptr<TZufallsquelle> Quelle)
    : Oberflaeche(Oberflaeche)
{
    NimmZufallsquelle(std::move(Quelle));
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            Gemeldet[Nummer({Spalte, Zeile})] = Beschreibung({Spalte, Zeile});
}

void TSpielsteuerung::NimmZufallsquelle(std::unique_ptr<TZufallsquelle> Neue)
{
    Quelle = std::move(Neue);
    Regeln.emplace(Stand, Oberflaeche, *Quelle, static_cast<TAnzeige&>(*this));
}

std::size_t TSpielsteuerung::Nummer(TZelle Zelle)
{
    return static_cast<std::size_t>((Zelle.Zeile - 1) * Spalten + (Zelle.Spalte - 1));
}

int TSpielsteuerung::Form() const
{
    return FormFuerItem(Oberflaeche.FormIndex());
}

TZellbeschreibung TSpielsteuerung::Beschreibung(TZelle Zelle) const
{
    return BeschreibeZelle(Stand, Form(), Zelle);
}

bool TSpielsteuerung::ZeigtRahmen() const
{
    return Fokus && !Verborgen && MitSpiel;
}

// ---- The player's events -------------------------------------------------

void TSpielsteuerung::NeuesSpiel()
{
    try {
        Regeln->NeuesSpiel();
    } catch (...) {
        // The new deal stands, behind a hidden board: screen readers hear
        // it all the same.
        MeldeAenderungen();
        throw;
    }
}

void TSpielsteuerung::SchalteHilfe()
{
    Hilfe = !Hilfe;
    Oberflaeche.ZeigeHilfe(Hilfe);
}

void TSpielsteuerung::Fertig()
{
    Hilfe = false;
    Oberflaeche.ZeigeHilfe(false);
}

bool TSpielsteuerung::Eingabetaste()
{
    if (!Hilfe)
        return false;
    Fertig();
    return true;
}

void TSpielsteuerung::Maus(int X, int Y)
{
    Verborgen = true;
    if (const auto Zelle = ZelleAnPixel(X, Y)) {
        SetzeZeiger(*Zelle);
        Druecke(*Zelle);
    }
    ZeichneRahmen();
}

bool TSpielsteuerung::Taste(TBretttaste Taste, bool Wiederholt)
{
    if (!MitSpiel || (Taste == TBretttaste::Druck && Hilfe))
        return false;
    // The first key after a press of the mouse shows the cursor where it
    // stands, and does nothing else.
    if (Verborgen) {
        Verborgen = false;
        ZeichneRahmen();
        Oberflaeche.ZeigeZeiger(Zeiger.Zelle());
        return true;
    }
    if (Taste != TBretttaste::Druck) {
        TTastaturzeiger Neu = Zeiger;
        Neu.Bewege(Taste);
        ZeigeAuf(Neu.Zelle());
    } else if (!Wiederholt) {
        // Holding the key down presses once.
        Druecke(Zeiger.Zelle());
    }
    return true;
}

void TSpielsteuerung::FokusKommt(TFokusweg Weg)
{
    Fokus = true;
    if (Weg != TFokusweg::Fenster)
        Verborgen = Weg == TFokusweg::Maus;
    ZeichneRahmen();
    Oberflaeche.ZeigeZeiger(Zeiger.Zelle());
}

void TSpielsteuerung::FokusGeht()
{
    Fokus = false;
    ZeichneRahmen();
}

void TSpielsteuerung::ZeigeAuf(TZelle Zelle)
{
    SetzeZeiger(Zelle);
    ZeichneRahmen();
}

void TSpielsteuerung::FarbeGewaehlt(TSteinfarbe Welche, std::optional<TColor> Neu)
{
    if (Neu)
        (Welche == TSteinfarbe::Normal ? Steinfarben.Normal : Steinfarben.Ausgewaehlt) = *Neu;
    Regeln->ZeichneBrett();
}

void TSpielsteuerung::EinstellungGeaendert()
{
    MeldeAenderungen();
    ZeichneRahmen();
}

void TSpielsteuerung::ZeichneAllesNeu()
{
    if (!Bemalt)
        return;
    TZeichenflaeche& Bild = Oberflaeche.Brettbild();
    MaleGrund(Bild, MitSpiel ? TGrund::MitBild : TGrund::Weiss);
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (const auto& Ansicht = Gezeichnet[Nummer({Spalte, Zeile})])
                MaleZelle(Bild, {Spalte, Zeile}, *Ansicht, Steinfarben);
    Rahmen.reset();
    Oberflaeche.Zeigerebene().Leere({0, 0, Brettgroesse, Brettgroesse});
    ZeichneRahmen();
}

void TSpielsteuerung::Melde(const std::string& Meldung)
{
    Oberflaeche.ZeigeMeldung(Meldungstext(Meldung));
}

// ---- Pressing and the cursor ---------------------------------------------

// The words of what the press did come last, once its cells are told.
void TSpielsteuerung::Druecke(TZelle Zelle)
{
    Regeln->Druck(Zelle);
    MeldeAenderungen();
    ZeichneRahmen();
    if (const std::string Text = Ansagetext(Bericht); !Text.empty())
        Oberflaeche.SageAn(Text);
}

void TSpielsteuerung::SetzeZeiger(TZelle Zelle)
{
    if (Zelle == Zeiger.Zelle())
        return;
    Zeiger.Setze(Zelle);
    Oberflaeche.ZeigeZeiger(Zeiger.Zelle());
}

// The frame is drawn again only where it changed: moved, shown, hidden,
// or its cell has lost or gained a tile.
void TSpielsteuerung::ZeichneRahmen()
{
    std::optional<TRahmen> Neu;
    if (ZeigtRahmen())
        Neu = TRahmen{Zeiger.Zelle(), Beschreibung(Zeiger.Zelle()).Stein};
    if (Neu == Rahmen)
        return;
    TZeichenflaeche& Ebene = Oberflaeche.Zeigerebene();
    if (Rahmen) {
        Ebene.Leere(Rahmenflaeche(Rahmen->Zelle));
        Ebene.Zeige(Rahmenflaeche(Rahmen->Zelle));
    }
    if (Neu)
        MaleRahmen(Ebene, Neu->Zelle, Neu->AufStein);
    Rahmen = Neu;
}

void TSpielsteuerung::MeldeAenderungen()
{
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            TZellbeschreibung Neu = Beschreibung({Spalte, Zeile});
            TZellbeschreibung& Alt = Gemeldet[Nummer({Spalte, Zeile})];
            if (Neu == Alt)
                continue;
            Oberflaeche.MeldeZelle({Spalte, Zeile}, Neu, Alt);
            Alt = std::move(Neu);
        }
}

// ---- What the rules show -------------------------------------------------

void TSpielsteuerung::ZeichneStein(int Spalte, int Zeile)
{
    TZeichenflaeche& Bild = Oberflaeche.Brettbild();
    // The board's first drawing finds it white.
    if (!Bemalt) {
        MaleGrund(Bild, TGrund::Weiss);
        Bemalt = true;
    }
    auto& Ansicht = Gezeichnet[Nummer({Spalte, Zeile})];
    Ansicht = Zellansicht(Stand, {Spalte, Zeile});
    MaleZelle(Bild, {Spalte, Zeile}, *Ansicht, Steinfarben);
}

void TSpielsteuerung::ZeigeFortschritt(const std::string& Text)
{
    Oberflaeche.ZeigeFortschritt(Text);
}

void TSpielsteuerung::ErgaenzeVerlauf(const std::string& Zeile)
{
    Oberflaeche.ErgaenzeVerlauf(Zeile);
}

void TSpielsteuerung::ZeigeBravo()
{
    Oberflaeche.ZeigeBravo(true);
}

void TSpielsteuerung::MeldeDruck(const TDruckbericht& Neu)
{
    Bericht = Neu;
}

void TSpielsteuerung::VerbergeHilfe()
{
    Hilfe = false;
    Oberflaeche.ZeigeHilfe(false);
}

void TSpielsteuerung::LeereVerlauf()
{
    Oberflaeche.LeereVerlauf();
}

void TSpielsteuerung::VerbergeBravo()
{
    Oberflaeche.ZeigeBravo(false);
}

// Hidden, grey, then the picture over it; a picture the edition cannot
// read ends the new game while the board is grey.
void TSpielsteuerung::LegeBrettAn()
{
    Oberflaeche.VerbergeBrett();
    Gezeichnet.fill(std::nullopt);
    Bemalt = true;
    MaleGrund(Oberflaeche.Brettbild(), TGrund::Grau);
    Oberflaeche.BereiteHintergrundVor();
    MitSpiel = true;
    MaleGrund(Oberflaeche.Brettbild(), TGrund::MitBild);
}

// The cursor starts on the new game's first free tile; a screen reader
// hears that cell, then that the game is new.
void TSpielsteuerung::ZeigeBrett()
{
    Oberflaeche.ZeigeBrett();
    Zeiger.Beginne(Stand.Felder, Form());
    MeldeAenderungen();
    ZeichneRahmen();
    Oberflaeche.ZeigeZeiger(Zeiger.Zelle());
    Oberflaeche.SageAn(Neuspieltext(AnzahlPaare - Stand.AnzahlGeloest));
}

} // namespace kalumbo
