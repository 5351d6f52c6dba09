// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play as the rules see it: the cursor over the board, where it
// starts, and the words a cell is read out with.
#include "game/Formen.h"
#include "game/Regeln.h"
#include "game/Tastaturzeiger.h"
#include "game/Zellbeschreibung.h"
#include "Testhilfen.h"

#include <gtest/gtest.h>

#include <random>

namespace kalumbo {
namespace {

TEST(Tastaturzeiger, BleibtAufDemBrettUndHaeltAnDenRaendern)
{
    // Every key from every cell: a step to the neighbour, or none at the
    // edge; Home and End stay in the row.
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            const auto Nach = [&](TBretttaste Taste) {
                TTastaturzeiger Zeiger;
                Zeiger.Setze({Spalte, Zeile});
                Zeiger.Bewege(Taste);
                return Zeiger.Zelle();
            };
            SCOPED_TRACE(testing::Message() << "from " << Spalte << "," << Zeile);
            EXPECT_EQ(Nach(TBretttaste::Links), (TZelle{Spalte > 1 ? Spalte - 1 : 1, Zeile}));
            EXPECT_EQ(Nach(TBretttaste::Rechts), (TZelle{Spalte < Spalten ? Spalte + 1 : Spalten, Zeile}));
            EXPECT_EQ(Nach(TBretttaste::Hoch), (TZelle{Spalte, Zeile > 1 ? Zeile - 1 : 1}));
            EXPECT_EQ(Nach(TBretttaste::Runter), (TZelle{Spalte, Zeile < Zeilen ? Zeile + 1 : Zeilen}));
            EXPECT_EQ(Nach(TBretttaste::Zeilenanfang), (TZelle{1, Zeile}));
            EXPECT_EQ(Nach(TBretttaste::Zeilenende), (TZelle{Spalten, Zeile}));
        }
}

TEST(Tastaturzeiger, BeginntAmErstenFreienSteinInLeserichtung)
{
    // In "außen" row 1 holds tiles at columns 1, 2, 7 and 8. With row 1
    // and the first tile of row 2 gone, the last tile of row 2 comes
    // first, before the tiles of column 1 further down.
    TFelder Felder{};
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (IstPosition(FormAussen, Spalte, Zeile))
                Felder[Spalte][Zeile] = {1, Rechnungsstein};
    TTastaturzeiger Zeiger;
    Zeiger.Beginne(Felder, FormAussen);
    EXPECT_EQ(Zeiger.Zelle(), (TZelle{1, 1}));

    for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
        Felder[Spalte][1].Seite = KeinStein;
    Felder[1][2].Seite = KeinStein;
    Zeiger.Beginne(Felder, FormAussen);
    EXPECT_EQ(Zeiger.Zelle(), (TZelle{8, 2}));

    // In "innen" row 1 holds four tiles, the middle two shut in: the
    // first free one is column 3. A board without tiles starts top left.
    Felder = {};
    for (int Spalte = 3; Spalte <= 6; ++Spalte)
        Felder[Spalte][1] = {2, Ergebnisstein};
    Zeiger.Beginne(Felder, FormInnen);
    EXPECT_EQ(Zeiger.Zelle(), (TZelle{3, 1}));
    Felder[3][1].Seite = KeinStein;
    Felder[4][1].Seite = KeinStein;
    Zeiger.Beginne(Felder, FormInnen);
    EXPECT_EQ(Zeiger.Zelle(), (TZelle{5, 1}));
    Zeiger.Beginne(TFelder{}, FormInnen);
    EXPECT_EQ(Zeiger.Zelle(), (TZelle{1, 1}));
}

// Every cell of dealt games, read out and then pressed: a tile the words
// call free is taken into the selection by a press, one they call shut in
// is not, and an empty cell reads "leer".
TEST(Zellbeschreibung, SagtWasEinDruckTut)
{
    test::TTestEinstellungen Einstellungen;
    test::TFesterZufall Quelle{7};
    test::TProtokoll Anzeige;
    TSpielstand Stand;
    TRegeln Regeln{Stand, Einstellungen, Quelle, Anzeige};
    std::mt19937 Zufall(11);

    for (int Form = 0; Form < AnzahlFormen; ++Form) {
        Einstellungen.Form = Form;
        Regeln.ErzeugeAufgaben();
        Regeln.VerteileSteine();
        // Some tiles taken away, so that the board has gaps and free
        // tiles in the middle of rows.
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            Stand.Felder[static_cast<int>(Zufall() % Spalten) + 1][Zeile].Seite = KeinStein;

        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
                SCOPED_TRACE(testing::Message() << "shape " << Form << " cell " << Spalte << "," << Zeile);
                Stand.AuswahlSpalte = Stand.AuswahlZeile = 0;
                const TZellbeschreibung Vorher = BeschreibeZelle(Stand, Form, {Spalte, Zeile});
                Regeln.Druck({Spalte, Zeile});
                const TZellbeschreibung Nachher = BeschreibeZelle(Stand, Form, {Spalte, Zeile});

                EXPECT_EQ(Stand.IstAusgewaehlt(Spalte, Zeile), Vorher.Stein && !Vorher.Eingesperrt);
                EXPECT_EQ(Nachher.Ausgewaehlt, Vorher.Stein && !Vorher.Eingesperrt);
                EXPECT_EQ(Vorher.Name, Vorher.Stein ? Stand.Steintext(Spalte, Zeile) : "leer");
                EXPECT_EQ(Nachher.Name, Vorher.Name);
                EXPECT_EQ(Vorher.Beschreibung(), Vorher.Eingesperrt ? "eingesperrt" : "");
                EXPECT_FALSE(Vorher.Ausgewaehlt);
            }
    }
}

// A taken tile keeps its pair in the cell: it still reads "leer", and its
// neighbours are free from then on.
TEST(Zellbeschreibung, GenommenerSteinIstLeerUndBefreitDieNachbarn)
{
    TSpielstand Stand;
    Stand.Aufgaben[1] = {"12 + 7", "19"};
    for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
        Stand.Felder[Spalte][5] = {1, Spalte % 2 == 0 ? Ergebnisstein : Rechnungsstein};

    const TZellbeschreibung Mitte = BeschreibeZelle(Stand, FormInnen, {4, 5});
    EXPECT_EQ(Mitte.Name, "19");
    EXPECT_TRUE(Mitte.Eingesperrt);
    EXPECT_EQ(Mitte.Beschreibung(), "eingesperrt");
    EXPECT_EQ(BeschreibeZelle(Stand, FormInnen, {1, 5}).Name, "12 + 7");
    EXPECT_FALSE(BeschreibeZelle(Stand, FormInnen, {1, 5}).Eingesperrt);

    Stand.Felder[3][5].Seite = KeinStein;
    const TZellbeschreibung Leer = BeschreibeZelle(Stand, FormInnen, {3, 5});
    EXPECT_EQ(Leer.Name, "leer");
    EXPECT_FALSE(Leer.Stein || Leer.Eingesperrt || Leer.Ausgewaehlt);
    EXPECT_FALSE(BeschreibeZelle(Stand, FormInnen, {4, 5}).Eingesperrt);
    EXPECT_FALSE(BeschreibeZelle(Stand, FormInnen, {2, 5}).Eingesperrt);
    EXPECT_TRUE(BeschreibeZelle(Stand, FormInnen, {5, 5}).Eingesperrt);

    Stand.AuswahlSpalte = 4;
    Stand.AuswahlZeile = 5;
    EXPECT_TRUE(BeschreibeZelle(Stand, FormInnen, {4, 5}).Ausgewaehlt);
    EXPECT_FALSE(BeschreibeZelle(Stand, FormInnen, {2, 5}).Ausgewaehlt);
}

} // namespace
} // namespace kalumbo
