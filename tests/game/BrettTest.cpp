// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Formen.h"
#include "game/Regeln.h"
#include "Testhilfen.h"

#include <gtest/gtest.h>

#include <array>

namespace kalumbo {
namespace {

int PositionenInZeile(int Form, int Zeile)
{
    int Anzahl = 0;
    for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
        Anzahl += IstPosition(Form, Spalte, Zeile) ? 1 : 0;
    return Anzahl;
}

TFelder VollesBrett(int Form)
{
    TFelder Felder{};
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (IstPosition(Form, Spalte, Zeile))
                Felder[Spalte][Zeile] = {1, Rechnungsstein};
    return Felder;
}

int FreieSteine(const TFelder& Felder, int Form)
{
    int Anzahl = 0;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (IstPosition(Form, Spalte, Zeile) && IstFrei(Felder, Form, Spalte, Zeile))
                ++Anzahl;
    return Anzahl;
}

TEST(Formen, PositionenJeZeileWieGezeichnet)
{
    const std::array<std::array<int, 8>, 4> Erwartet = {{
        {4, 2, 4, 6, 8, 4, 2, 6},
        {2, 4, 4, 4, 4, 6, 8, 4},
        {4, 2, 4, 6, 8, 6, 2, 4},
        {7, 3, 3, 5, 5, 3, 3, 7},
    }};
    for (int Form = 0; Form < AnzahlFormen; ++Form)
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            EXPECT_EQ(PositionenInZeile(Form, Zeile), Erwartet[Form][Zeile - 1]) << "Form " << Form << " Zeile " << Zeile;
}

TEST(Formen, ZeilenStehenVorSpalten)
{
    // Row 2 of "innen" has its two positions in columns 4 and 5; column 2
    // of "A" has positions only in rows 4 to 8.
    EXPECT_TRUE(IstPosition(FormInnen, 4, 2));
    EXPECT_TRUE(IstPosition(FormInnen, 5, 2));
    EXPECT_FALSE(IstPosition(FormInnen, 3, 2));
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        EXPECT_EQ(IstPosition(FormA, 2, Zeile), Zeile >= 4) << Zeile;
    // "S" starts with its top bar in row 1, columns 2 to 8.
    EXPECT_FALSE(IstPosition(FormS, 1, 1));
    EXPECT_TRUE(IstPosition(FormS, 8, 1));
    EXPECT_FALSE(IstPosition(FormS, 8, 8));
}

TEST(Formen, UnbekannteMaskeZaehltAlsInnen)
{
    EXPECT_EQ(FormFuerItem(-1), FormInnen);
    EXPECT_EQ(FormFuerItem(4), FormInnen);
    EXPECT_EQ(FormFuerItem(3), FormS);
}

TEST(Pixel, JedesPixelLiegtInSeinerZelle)
{
    EXPECT_EQ(ZelleAnPixel(0, 0), (TZelle{1, 1}));
    EXPECT_EQ(ZelleAnPixel(49, 0), (TZelle{1, 1}));
    EXPECT_EQ(ZelleAnPixel(50, 0), (TZelle{2, 1}));
    EXPECT_EQ(ZelleAnPixel(0, 50), (TZelle{1, 2}));
    EXPECT_EQ(ZelleAnPixel(399, 399), (TZelle{8, 8}));
    EXPECT_EQ(ZelleAnPixel(-1, 10), std::nullopt);
    EXPECT_EQ(ZelleAnPixel(10, 400), std::nullopt);
    EXPECT_EQ(ZelleAnPixel(400, 10), std::nullopt);
}

TEST(IstFrei, FreieSteineNachVollemAuflegen)
{
    EXPECT_EQ(FreieSteine(VollesBrett(FormInnen), FormInnen), 16);
    EXPECT_EQ(FreieSteine(VollesBrett(FormA), FormA), 22);
    EXPECT_EQ(FreieSteine(VollesBrett(FormAussen), FormAussen), 26);
    EXPECT_EQ(FreieSteine(VollesBrett(FormS), FormS), 16);
}

TEST(IstFrei, VolleZeileOeffnetSichVonDerLueckeAus)
{
    TFelder Felder = VollesBrett(FormAussen);
    for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
        EXPECT_EQ(IstFrei(Felder, FormAussen, Spalte, 5), Spalte == 1 || Spalte == 8) << Spalte;

    Felder[3][5].Seite = KeinStein;
    EXPECT_TRUE(IstFrei(Felder, FormAussen, 2, 5));
    EXPECT_TRUE(IstFrei(Felder, FormAussen, 4, 5));
    EXPECT_FALSE(IstFrei(Felder, FormAussen, 5, 5));
}

TEST(IstFrei, RaenderDerFormSindFrei)
{
    const TFelder Innen = VollesBrett(FormInnen);
    EXPECT_TRUE(IstFrei(Innen, FormInnen, 2, 4));
    EXPECT_TRUE(IstFrei(Innen, FormInnen, 7, 4));
    EXPECT_FALSE(IstFrei(Innen, FormInnen, 3, 4));

    const TFelder Aussen = VollesBrett(FormAussen);
    for (const int Spalte : {1, 2, 7, 8})
        EXPECT_TRUE(IstFrei(Aussen, FormAussen, Spalte, 1)) << Spalte;
}

TEST(IstFrei, AeussereSpaltenSindImmerFrei)
{
    // Every cell filled, even those outside the shape.
    TFelder Felder{};
    for (auto& Spalte : Felder)
        for (TFeld& Feld : Spalte)
            Feld = {1, Ergebnisstein};
    for (int Form = 0; Form < AnzahlFormen; ++Form)
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile) {
            EXPECT_TRUE(IstFrei(Felder, Form, 1, Zeile));
            EXPECT_TRUE(IstFrei(Felder, Form, 8, Zeile));
        }
}

TEST(IstFrei, ResteAusserhalbDerFormSperrenNichts)
{
    // Column 1 of row 4 is no position of "innen"; a tile left there must
    // not shut in the tile at column 2.
    TFelder Felder = VollesBrett(FormInnen);
    Felder[1][4] = {5, Ergebnisstein};
    EXPECT_TRUE(IstFrei(Felder, FormInnen, 2, 4));
}

TEST(IstFrei, LeereZelleWirdNachDerselbenRegelBeantwortet)
{
    TFelder Felder = VollesBrett(FormAussen);
    Felder[4][5].Seite = KeinStein;
    EXPECT_FALSE(IstFrei(Felder, FormAussen, 4, 5));
    Felder[3][5].Seite = KeinStein;
    EXPECT_TRUE(IstFrei(Felder, FormAussen, 4, 5));
}

TEST(IstFrei, FormwechselWirktSofort)
{
    test::TTestEinstellungen Einstellungen;
    test::TFesterZufall Quelle(1);
    test::TProtokoll Protokoll;
    TSpielstand Stand;
    TRegeln Regeln(Stand, Einstellungen, Quelle, Protokoll);

    Einstellungen.Form = FormAussen;
    Stand.Felder = VollesBrett(FormAussen);
    EXPECT_FALSE(Regeln.IstFrei(2, 4)); // row 4 of "außen": 11100111
    EXPECT_TRUE(Regeln.HatStein(1, 4));

    // In "innen" (row 4: 01111110) column 1 is no position, so (2, 4) has
    // a free side and the tile left at (1, 4) no longer counts.
    Einstellungen.Form = FormInnen;
    EXPECT_TRUE(Regeln.IstFrei(2, 4));
    EXPECT_FALSE(Regeln.HatStein(1, 4));
}

} // namespace
} // namespace kalumbo
