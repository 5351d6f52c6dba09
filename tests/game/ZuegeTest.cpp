// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Formen.h"
#include "game/Regeln.h"
#include "Testhilfen.h"
#include "texte/Fuellen.h"
#include "texte/Texte.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kalumbo {
namespace {

// Notes every effect together with what the drawing would see at that
// moment: the tile side and whether the cell is the selected one.
struct TBeobachter : TAnzeige {
    explicit TBeobachter(const TSpielstand& Stand) : Stand(Stand) {}

    void ZeichneStein(int Spalte, int Zeile) override
    {
        const int Seite = Stand.Felder[Spalte][Zeile].Seite;
        const char* Aussehen = Seite == KeinStein ? "Hintergrund"
                               : Stand.IstAusgewaehlt(Spalte, Zeile) ? "gewaehlt"
                                                                      : "normal";
        Effekte.push_back("Stein " + std::to_string(Spalte) + "," + std::to_string(Zeile) + " " + Aussehen);
    }
    void ZeigeFortschritt(const std::string& Text) override { Effekte.push_back(Text); }
    void ErgaenzeVerlauf(const std::string& Zeile) override
    {
        Effekte.push_back("Verlauf " + Zeile);
        Verlauf.push_back(Zeile);
    }
    void ZeigeBravo() override { Effekte.push_back("Bravo"); }
    void VerbergeHilfe() override { Effekte.push_back("Hilfe weg"); }
    void LeereVerlauf() override
    {
        Effekte.push_back("Verlauf leer");
        Verlauf.clear();
    }
    void VerbergeBravo() override { Effekte.push_back("Bravo weg"); }
    void LegeBrettAn() override { Effekte.push_back("Brett angelegt"); }
    void ZeigeBrett() override { Effekte.push_back("Brett gezeigt"); }
    void MeldeDruck(const TDruckbericht& Bericht) override { Berichte.push_back(Bericht); }

    // What the last press did, by the rules' own account.
    TDruckfolge Folge() const { return Berichte.empty() ? TDruckfolge::Nichts : Berichte.back().Folge; }

    std::vector<std::string> Nimm()
    {
        std::vector<std::string> Bisher;
        Bisher.swap(Effekte);
        return Bisher;
    }

    const TSpielstand& Stand;
    std::vector<std::string> Effekte;
    std::vector<std::string> Verlauf;
    std::vector<TDruckbericht> Berichte;
};

class Zuege : public testing::Test {
protected:
    void NeuesSpiel(unsigned Saat = 1)
    {
        Quelle = test::TFesterZufall(Saat);
        Regeln.NeuesSpiel();
        Anzeige.Nimm();
    }

    void Druecke(int Spalte, int Zeile) { Regeln.Druck({Spalte, Zeile}); }

    std::optional<TZelle> ZelleVon(int Paar, int Seite) const
    {
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
                if (Regeln.HatStein(Spalte, Zeile) && Stand.Felder[Spalte][Zeile].Paar == Paar &&
                    Stand.Felder[Spalte][Zeile].Seite == Seite)
                    return TZelle{Spalte, Zeile};
        return std::nullopt;
    }

    // A pair whose two tiles are both free, or nothing when none is left.
    std::optional<std::pair<TZelle, TZelle>> FreiesPaar() const
    {
        for (int Paar = 1; Paar <= AnzahlPaare; ++Paar) {
            const auto R = ZelleVon(Paar, Rechnungsstein), E = ZelleVon(Paar, Ergebnisstein);
            if (R && E && Regeln.IstFrei(R->Spalte, R->Zeile) && Regeln.IstFrei(E->Spalte, E->Zeile))
                return std::pair{*R, *E};
        }
        return std::nullopt;
    }

    void LeeresBrett()
    {
        Stand.Felder = TFelder{};
        Stand.AuswahlSpalte = Stand.AuswahlZeile = 0;
    }

    std::string Zelle(TZelle Z, const char* Aussehen) const
    {
        return "Stein " + std::to_string(Z.Spalte) + "," + std::to_string(Z.Zeile) + " " + Aussehen;
    }

    test::TTestEinstellungen Einstellungen;
    test::TFesterZufall Quelle{1};
    TSpielstand Stand;
    TBeobachter Anzeige{Stand};
    TRegeln Regeln{Stand, Einstellungen, Quelle, Anzeige};
};

TEST_F(Zuege, VorDemErstenSpielWirdJederDruckIgnoriert)
{
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            Druecke(Spalte, Zeile);
            EXPECT_EQ(Anzeige.Berichte.back(), (TDruckbericht{TDruckfolge::Nichts, {Spalte, Zeile}, "", "", 0}));
        }
    EXPECT_TRUE(Anzeige.Effekte.empty());
    EXPECT_EQ(Stand.KlickSpalte, 8);
    EXPECT_EQ(Stand.KlickZeile, 8);
    EXPECT_FALSE(Stand.HatAuswahl());
}

// A new game in the middle of one: everything of the old game is gone
// before the board is laid out, and the board is drawn whole, from the new
// deal, between laying it out and showing it.
TEST_F(Zuege, NeuesSpielRaeumtAufTeiltAusUndZeichnetDasGanzeBrett)
{
    NeuesSpiel(1);
    const auto [Rechnung, Ergebnis] = FreiesPaar().value();
    Druecke(Rechnung.Spalte, Rechnung.Zeile);
    Druecke(Ergebnis.Spalte, Ergebnis.Zeile);
    const auto Andere = FreiesPaar().value();
    Druecke(Andere.first.Spalte, Andere.first.Zeile);
    ASSERT_EQ(Stand.AnzahlGeloest, 1);
    ASSERT_TRUE(Stand.HatAuswahl());
    Anzeige.Nimm();

    Quelle = test::TFesterZufall(2);
    Regeln.NeuesSpiel();
    const std::vector<std::string> Effekte = Anzeige.Nimm();

    ASSERT_GE(Effekte.size(), 7U);
    EXPECT_EQ(std::vector(Effekte.begin(), Effekte.begin() + 5),
              (std::vector<std::string>{"Hilfe weg", Texte::Fuelle(Texte::Fortschritt, {"0", "18"}), "Verlauf leer", "Bravo weg", "Brett angelegt"}));
    EXPECT_EQ(Effekte.back(), "Brett gezeigt");
    std::vector<std::string> Erwartet;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (IstPosition(FormFuerItem(Einstellungen.Form), Spalte, Zeile))
                Erwartet.push_back(Zelle({Spalte, Zeile}, "normal"));
    EXPECT_EQ(std::vector(Effekte.begin() + 5, Effekte.end() - 1), Erwartet);
    EXPECT_EQ(Stand.AnzahlGeloest, 0);
    EXPECT_FALSE(Stand.HatAuswahl());
    EXPECT_TRUE(Anzeige.Verlauf.empty());
}

TEST_F(Zuege, AuswaehlenAbwaehlenUndWechseln)
{
    NeuesSpiel();
    // Row 5 of "innen" is full: columns 1 and 8 are free, of different pairs.
    const TZelle Links{1, 5}, Rechts{8, 5};
    ASSERT_NE(Stand.Felder[1][5].Paar, Stand.Felder[8][5].Paar);

    Druecke(1, 5);
    EXPECT_EQ(Anzeige.Nimm(), (std::vector<std::string>{Zelle(Links, "gewaehlt")}));
    EXPECT_EQ(Anzeige.Berichte.back(),
              (TDruckbericht{TDruckfolge::Ausgewaehlt, Links, Stand.Steintext(1, 5), "", 0}));
    EXPECT_EQ(Stand.AuswahlSpalte, 1);
    EXPECT_EQ(Stand.AuswahlZeile, 5);

    Druecke(8, 5);
    EXPECT_EQ(Anzeige.Nimm(), (std::vector<std::string>{Zelle(Links, "normal"), Zelle(Rechts, "gewaehlt")}));
    EXPECT_EQ(Anzeige.Berichte.back(),
              (TDruckbericht{TDruckfolge::Umgewaehlt, Rechts, Stand.Steintext(8, 5), "", 0}));
    EXPECT_EQ(Stand.AuswahlSpalte, 8);

    Druecke(8, 5);
    EXPECT_EQ(Anzeige.Nimm(), (std::vector<std::string>{Zelle(Rechts, "normal")}));
    EXPECT_EQ(Anzeige.Berichte.back(),
              (TDruckbericht{TDruckfolge::Abgewaehlt, Rechts, Stand.Steintext(8, 5), "", 0}));
    EXPECT_FALSE(Stand.HatAuswahl());
    EXPECT_EQ(Stand.AuswahlSpalte, 0);
    EXPECT_EQ(Stand.AuswahlZeile, 0);
    EXPECT_EQ(Stand.AnzahlGeloest, 0);
}

TEST_F(Zuege, IgnorierteDrueckeSetzenNurDieKlickzelle)
{
    NeuesSpiel();
    Druecke(1, 5);
    Anzeige.Nimm();
    const TSpielstand Vorher = Stand;

    Druecke(1, 1);                      // no position of "innen"
    EXPECT_EQ(Stand.KlickSpalte, 1);
    EXPECT_EQ(Stand.KlickZeile, 1);
    EXPECT_EQ(Anzeige.Folge(), TDruckfolge::Nichts);
    Druecke(4, 5);                      // shut in
    EXPECT_EQ(Stand.KlickSpalte, 4);
    EXPECT_EQ(Stand.KlickZeile, 5);
    EXPECT_EQ(Anzeige.Berichte.back(),
              (TDruckbericht{TDruckfolge::Eingesperrt, {4, 5}, Stand.Steintext(4, 5), "", 0}));
    EXPECT_TRUE(Anzeige.Effekte.empty());
    EXPECT_EQ(Stand.AuswahlSpalte, Vorher.AuswahlSpalte);
    EXPECT_EQ(Stand.AuswahlZeile, Vorher.AuswahlZeile);
    EXPECT_EQ(Stand.Felder, Vorher.Felder);
}

TEST_F(Zuege, EingesperrterPartnerWirdNichtGenommen)
{
    NeuesSpiel();
    LeeresBrett();
    // Row 5 of "außen": pair 1 at columns 1 and 3, shut in by 2 and 4.
    Einstellungen.Form = FormAussen;
    Stand.Felder[1][5] = {1, Rechnungsstein};
    Stand.Felder[2][5] = {2, Rechnungsstein};
    Stand.Felder[3][5] = {1, Ergebnisstein};
    Stand.Felder[4][5] = {2, Ergebnisstein};
    Druecke(1, 5);
    Anzeige.Nimm();
    Druecke(3, 5);
    EXPECT_TRUE(Anzeige.Effekte.empty());
    EXPECT_EQ(Stand.AuswahlSpalte, 1);
    EXPECT_EQ(Stand.Felder[3][5].Seite, Ergebnisstein);
    EXPECT_EQ(Stand.AnzahlGeloest, 0);
}

TEST_F(Zuege, PaarLoesenInBeidenReihenfolgen)
{
    for (const bool RechnungZuerst : {true, false}) {
        NeuesSpiel(4);
        LeeresBrett();
        Einstellungen.Form = FormAussen;
        Stand.Felder[1][1] = {5, Rechnungsstein};
        Stand.Felder[8][8] = {5, Ergebnisstein};
        const TZelle Erste = RechnungZuerst ? TZelle{1, 1} : TZelle{8, 8};
        const TZelle Zweite = RechnungZuerst ? TZelle{8, 8} : TZelle{1, 1};
        const std::string Zeile = Stand.Aufgaben[5].Rechnung + " = " + Stand.Aufgaben[5].Ergebnis;

        Druecke(Erste.Spalte, Erste.Zeile);
        Anzeige.Nimm();
        Druecke(Zweite.Spalte, Zweite.Zeile);
        // The selected tile goes first and is drawn while still selected,
        // the pressed one after the selection is gone.
        EXPECT_EQ(Anzeige.Nimm(), (std::vector<std::string>{Texte::Fuelle(Texte::Fortschritt, {"1", "18"}), "Verlauf " + Zeile,
                                                             Zelle(Erste, "Hintergrund"),
                                                             Zelle(Zweite, "Hintergrund")}));
        EXPECT_EQ(Stand.Felder[1][1], (TFeld{5, KeinStein}));
        EXPECT_EQ(Stand.Felder[8][8], (TFeld{5, KeinStein}));
        EXPECT_FALSE(Stand.HatAuswahl());
        EXPECT_EQ(Stand.AnzahlGeloest, 1);
    }
}

TEST_F(Zuege, KeinZugMehrBleibtOffen)
{
    NeuesSpiel();
    LeeresBrett();
    // Row 8 of "innen" (columns 2 to 7); only P, Q, P, Q in columns 3 to 6.
    Stand.Felder[3][8] = {1, Rechnungsstein};
    Stand.Felder[4][8] = {2, Rechnungsstein};
    Stand.Felder[5][8] = {1, Ergebnisstein};
    Stand.Felder[6][8] = {2, Ergebnisstein};

    Druecke(4, 8);
    Druecke(5, 8);
    EXPECT_TRUE(Anzeige.Nimm().empty());
    Druecke(3, 8);
    Druecke(6, 8);
    EXPECT_EQ(Stand.AuswahlSpalte, 6);
    Druecke(6, 8);
    EXPECT_FALSE(Stand.HatAuswahl());
    EXPECT_EQ(Anzeige.Nimm().size(), 4u);
    EXPECT_EQ(Stand.AnzahlGeloest, 0);
}

TEST_F(Zuege, GanzeSpieleBisBravo)
{
    int Gewonnen = 0, Festgefahren = 0;
    for (int Form = 0; Form < AnzahlFormen; ++Form) {
        Einstellungen.Form = Form;
        for (unsigned Saat = 1; Saat <= 60; ++Saat) {
            Einstellungen.Rechenarten = static_cast<int>(Saat % 7);
            Einstellungen.Zahlen = static_cast<int>(Saat % 4);
            NeuesSpiel(Saat);
            std::vector<std::string> Erwartet;
            while (const auto Paar = FreiesPaar()) {
                const auto [Erste, Zweite] = *Paar;
                const int P = Stand.Felder[Erste.Spalte][Erste.Zeile].Paar;
                const std::string Text = Stand.Steintext(Zweite.Spalte, Zweite.Zeile);
                Druecke(Erste.Spalte, Erste.Zeile);
                EXPECT_EQ(Anzeige.Folge(), TDruckfolge::Ausgewaehlt);
                Druecke(Zweite.Spalte, Zweite.Zeile);
                Erwartet.push_back(Stand.Aufgaben[P].Rechnung + " = " + Stand.Aufgaben[P].Ergebnis);
                EXPECT_EQ(Anzeige.Berichte.back(),
                          (TDruckbericht{TDruckfolge::Geloest, Zweite, Text, Erwartet.back(), Stand.AnzahlGeloest}));
                const std::vector<std::string> Effekte = Anzeige.Nimm();
                ASSERT_EQ(Effekte.size(), Stand.AnzahlGeloest == 18 ? 6u : 5u);
                EXPECT_EQ(Effekte[1], Fortschrittstext(Stand.AnzahlGeloest));
                EXPECT_EQ(Effekte.back() == "Bravo", Stand.AnzahlGeloest == 18);
            }
            EXPECT_EQ(Anzeige.Verlauf, Erwartet);
            if (Stand.AnzahlGeloest == 18) {
                ++Gewonnen;
                EXPECT_EQ(Fortschrittstext(18), Texte::Fuelle(Texte::Fortschritt, {"18", "18"}));
                // After the win every press is ignored.
                for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
                    for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
                        Druecke(Spalte, Zeile);
                EXPECT_TRUE(Anzeige.Effekte.empty());
            } else {
                ++Festgefahren;
            }
        }
    }
    EXPECT_GT(Gewonnen, 100);
    std::printf("games won: %d, stuck: %d\n", Gewonnen, Festgefahren);
}

// Throws presses at random pixels and changes the shape now and then;
// whatever happens, a pair is on the board whole or not at all, and the
// count is the number of pairs gone.
TEST_F(Zuege, WildeDrueckeUndFormwechselHaltenDasSpielHeil)
{
    std::mt19937 Zufall(99);
    for (int Runde = 0; Runde < 40; ++Runde) {
        Einstellungen.Form = static_cast<int>(Zufall() % 4);
        NeuesSpiel(static_cast<unsigned>(Runde + 1));
        int Bravos = 0;
        for (int Schritt = 0; Schritt < 3000; ++Schritt) {
            if (Zufall() % 100 == 0)
                Einstellungen.Form = static_cast<int>(Zufall() % 4);
            Druecke(static_cast<int>(Zufall() % Spalten) + 1, static_cast<int>(Zufall() % Zeilen) + 1);
            for (const std::string& Effekt : Anzeige.Nimm())
                Bravos += Effekt == "Bravo" ? 1 : 0;

            std::vector<int> SteineJePaar(AnzahlPaare + 1, 0);
            for (const auto& Spalte : Stand.Felder)
                for (const TFeld& Feld : Spalte)
                    if (Feld.Seite != KeinStein)
                        ++SteineJePaar[static_cast<std::size_t>(Feld.Paar)];
            int Weg = 0;
            for (int Paar = 1; Paar <= AnzahlPaare; ++Paar) {
                const int Anzahl = SteineJePaar[static_cast<std::size_t>(Paar)];
                ASSERT_TRUE(Anzahl == 0 || Anzahl == 2) << "Paar " << Paar;
                Weg += Anzahl == 0 ? 1 : 0;
            }
            ASSERT_EQ(Stand.AnzahlGeloest, Weg);
            ASSERT_EQ(static_cast<int>(Anzeige.Verlauf.size()), Weg);
            if (Stand.HatAuswahl()) {
                ASSERT_NE(Stand.Felder[Stand.AuswahlSpalte][Stand.AuswahlZeile].Seite, KeinStein);
            }
        }
        EXPECT_LE(Bravos, 1);
    }
}

TEST_F(Zuege, KeinSteinEinesAbgebrochenenSpielsKommtZurueck)
{
    Einstellungen.Form = FormA;
    NeuesSpiel(2);
    for (int Zug = 0; Zug < 3; ++Zug) {
        const auto Paar = FreiesPaar();
        ASSERT_TRUE(Paar);
        Druecke(Paar->first.Spalte, Paar->first.Zeile);
        Druecke(Paar->second.Spalte, Paar->second.Zeile);
    }
    ASSERT_EQ(Stand.AnzahlGeloest, 3);

    Einstellungen.Form = FormS;
    NeuesSpiel(3);
    Einstellungen.Form = FormA;
    int Steine = 0;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            if (!IstPosition(FormS, Spalte, Zeile)) {
                EXPECT_EQ(Stand.Felder[Spalte][Zeile], TFeld{}) << Spalte << "," << Zeile;
            }
            Steine += Regeln.HatStein(Spalte, Zeile) ? 1 : 0;
        }
    // Only tiles of the new game stand where "A" and "S" overlap.
    EXPECT_LT(Steine, 36);

    // Everything that can be taken in "A" now belongs to the new game.
    while (const auto Paar = FreiesPaar()) {
        Druecke(Paar->first.Spalte, Paar->first.Zeile);
        Druecke(Paar->second.Spalte, Paar->second.Zeile);
    }
    EXPECT_LE(Stand.AnzahlGeloest, 18);
    for (std::size_t I = 0; I < Anzeige.Verlauf.size(); ++I) {
        bool Bekannt = false;
        for (const TAufgabe& Aufgabe : Stand.Aufgaben)
            Bekannt = Bekannt || Anzeige.Verlauf[I] == Verlaufszeile(Aufgabe);
        EXPECT_TRUE(Bekannt) << Anzeige.Verlauf[I];
    }
}

} // namespace
} // namespace kalumbo
