// SPDX-License-Identifier: GPL-3.0-or-later
#include "bild/JpegDekoder.h"
#include "Testbilder.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

namespace kalumbo::test {
namespace {

// JPEG at high quality keeps the smooth ramp within this many levels.
constexpr int Toleranz = 4;

TPixelbild Dekodiere(const std::vector<std::uint8_t>& Jpeg)
{
    return DekodiereJpeg(Jpeg.data(), Jpeg.size());
}

int Helligkeit(const std::array<int, 3>& Rgb)
{
    return (Rgb[0] + Rgb[1] + Rgb[2]) / 3;
}

TEST(JpegAusschnitt, GrossesBildZeigtSeinOberesLinkesViertelAmRichtigenOrt)
{
    TQuellbild Quelle = Verlauf(800, 600);
    const TMarke Marke{203, 137, 12};
    ZeichneMarke(Quelle, Marke);
    const TPixelbild Bild = Dekodiere(SchreibeJpeg({.Breite = 800, .Hoehe = 600}, Quelle));

    ASSERT_EQ(Bild.Breite, 400);
    ASSERT_EQ(Bild.Hoehe, 400);
    ASSERT_EQ(Bild.Rgb.size(), 400u * 400u * 3u);
    EXPECT_LE(GroessteAbweichung(Bild, Quelle, &Marke, 16), Toleranz);

    // The mark's edges sit where they were drawn, to the pixel.
    for (int I = 0; I < Marke.Kante; ++I) {
        const int X = Marke.Links + I;
        const int Y = Marke.Oben + I;
        EXPECT_LT(Helligkeit(Farbe(Bild, Marke.Links, Y)), 60) << "linke Kante, Zeile " << Y;
        EXPECT_LT(Helligkeit(Farbe(Bild, Marke.Links + Marke.Kante - 1, Y)), 60) << "rechte Kante, Zeile " << Y;
        EXPECT_LT(Helligkeit(Farbe(Bild, X, Marke.Oben)), 60) << "obere Kante, Spalte " << X;
        EXPECT_LT(Helligkeit(Farbe(Bild, X, Marke.Oben + Marke.Kante - 1)), 60) << "untere Kante, Spalte " << X;
        EXPECT_GT(Helligkeit(Farbe(Bild, Marke.Links - 2, Y)), 100) << "links daneben, Zeile " << Y;
        EXPECT_GT(Helligkeit(Farbe(Bild, Marke.Links + Marke.Kante + 1, Y)), 100) << "rechts daneben, Zeile " << Y;
        EXPECT_GT(Helligkeit(Farbe(Bild, X, Marke.Oben - 2)), 100) << "darueber, Spalte " << X;
        EXPECT_GT(Helligkeit(Farbe(Bild, X, Marke.Oben + Marke.Kante + 1)), 100) << "darunter, Spalte " << X;
    }
}

struct TGroessenfall {
    int Breite;
    int Hoehe;
    TAbtastung Abtastung;
    int SollBreite;
    int SollHoehe;
};

std::ostream& operator<<(std::ostream& Aus, const TGroessenfall& Fall)
{
    return Aus << Fall.Breite << "x" << Fall.Hoehe << " Abtastung " << static_cast<int>(Fall.Abtastung);
}

class JpegGroessen : public testing::TestWithParam<TGroessenfall> {};

TEST_P(JpegGroessen, BehaeltHoechstens400x400UndDieRichtigenPixel)
{
    const TGroessenfall& Fall = GetParam();
    const TQuellbild Quelle = Verlauf(Fall.Breite, Fall.Hoehe);
    const TPixelbild Bild =
        Dekodiere(SchreibeJpeg({.Breite = Fall.Breite, .Hoehe = Fall.Hoehe, .Abtastung = Fall.Abtastung}, Quelle));

    ASSERT_EQ(Bild.Breite, Fall.SollBreite);
    ASSERT_EQ(Bild.Hoehe, Fall.SollHoehe);
    ASSERT_EQ(Bild.Rgb.size(), std::size_t(Fall.SollBreite) * Fall.SollHoehe * 3);
    EXPECT_LE(GroessteAbweichung(Bild, Quelle), Toleranz);
}

// Sizes below, at and above the visible edge; 4:1:1 blocks are 32 pixels
// wide, so the library delivers more columns than are kept.
INSTANTIATE_TEST_SUITE_P(Faelle, JpegGroessen,
                         testing::Values(TGroessenfall{200, 200, TAbtastung::Halb420, 200, 200},
                                         TGroessenfall{1, 1, TAbtastung::Halb420, 1, 1},
                                         TGroessenfall{400, 400, TAbtastung::Halb420, 400, 400},
                                         TGroessenfall{401, 399, TAbtastung::Halb420, 400, 399},
                                         TGroessenfall{1000, 300, TAbtastung::Halb420, 400, 300},
                                         TGroessenfall{37, 1000, TAbtastung::Halb420, 37, 400},
                                         TGroessenfall{800, 600, TAbtastung::Voll444, 400, 400},
                                         TGroessenfall{803, 450, TAbtastung::Viertel411, 400, 400}));

// Flat patches of known inks, each 32 x 32 pixels, side by side.
struct TTinte {
    int C, M, Y, K; // amount of ink, 0 none to 255 full
    std::array<int, 3> Rgb;
};

const std::array<TTinte, 6> Tinten = {{
    {0, 0, 0, 0, {255, 255, 255}},
    {0, 0, 0, 255, {0, 0, 0}},
    {255, 0, 0, 0, {0, 255, 255}},
    {0, 255, 255, 0, {255, 0, 0}},
    {0, 0, 0, 128, {127, 127, 127}},
    {128, 0, 0, 128, {63, 127, 127}},
}};

constexpr int Feldkante = 32;

// Adobe files store every ink inverted, 255 meaning none.
TQuellbild Tintenfelder(bool Invertiert)
{
    TQuellbild Bild{Feldkante * int(Tinten.size()), Feldkante, 4, {}};
    for (int Y = 0; Y < Bild.Hoehe; ++Y) {
        for (int X = 0; X < Bild.Breite; ++X) {
            const TTinte& Tinte = Tinten[X / Feldkante];
            for (const int Menge : {Tinte.C, Tinte.M, Tinte.Y, Tinte.K})
                Bild.Werte.push_back(static_cast<std::uint8_t>(Invertiert ? 255 - Menge : Menge));
        }
    }
    return Bild;
}

void PruefeTintenfelder(const TPixelbild& Bild)
{
    ASSERT_EQ(Bild.Breite, Feldkante * int(Tinten.size()));
    ASSERT_EQ(Bild.Hoehe, Feldkante);
    for (std::size_t Feld = 0; Feld < Tinten.size(); ++Feld) {
        const auto Mitte = Farbe(Bild, int(Feld) * Feldkante + Feldkante / 2, Feldkante / 2);
        for (int Kanal = 0; Kanal < 3; ++Kanal)
            EXPECT_NEAR(Mitte[Kanal], Tinten[Feld].Rgb[Kanal], 3) << "Feld " << Feld << " Kanal " << Kanal;
    }
}

TEST(JpegFarben, CmykGibtDieFarbeDerTinteMitUndOhneAdobeMarker)
{
    const int Breite = Feldkante * int(Tinten.size());
    {
        SCOPED_TRACE("CMYK mit Adobe-Marker");
        const TJpegArt Art{.Breite = Breite, .Hoehe = Feldkante, .Farbart = TFarbart::Cmyk};
        PruefeTintenfelder(Dekodiere(SchreibeJpeg(Art, Tintenfelder(true))));
    }
    {
        SCOPED_TRACE("CMYK ohne Adobe-Marker");
        const TJpegArt Art{.Breite = Breite, .Hoehe = Feldkante, .Farbart = TFarbart::Cmyk, .AdobeMarker = false};
        PruefeTintenfelder(Dekodiere(SchreibeJpeg(Art, Tintenfelder(false))));
    }
    {
        SCOPED_TRACE("YCCK");
        const TJpegArt Art{.Breite = Breite, .Hoehe = Feldkante, .Farbart = TFarbart::Ycck};
        PruefeTintenfelder(Dekodiere(SchreibeJpeg(Art, Tintenfelder(true))));
    }
}

TEST(JpegFarben, GrauUndRgbKommenAlsRgbAn)
{
    TQuellbild Grau{500, 300, 1, {}};
    for (int Y = 0; Y < Grau.Hoehe; ++Y)
        for (int X = 0; X < Grau.Breite; ++X)
            Grau.Werte.push_back(static_cast<std::uint8_t>(40 + (X + 2 * Y) / 6));
    const TPixelbild AusGrau = Dekodiere(SchreibeJpeg({.Breite = 500, .Hoehe = 300, .Farbart = TFarbart::Grau}, Grau));
    ASSERT_EQ(AusGrau.Breite, 400);
    ASSERT_EQ(AusGrau.Hoehe, 300);
    EXPECT_LE(GroessteAbweichung(AusGrau, Grau), Toleranz);
    for (int Y = 0; Y < AusGrau.Hoehe; Y += 7)
        for (int X = 0; X < AusGrau.Breite; X += 7) {
            const auto Rgb = Farbe(AusGrau, X, Y);
            ASSERT_TRUE(Rgb[0] == Rgb[1] && Rgb[1] == Rgb[2]) << X << "," << Y;
        }

    // Stored as RGB without YCbCr in between.
    const TQuellbild Bunt = Verlauf(450, 420);
    const TPixelbild AusRgb = Dekodiere(SchreibeJpeg({.Breite = 450, .Hoehe = 420, .Farbart = TFarbart::Rgb}, Bunt));
    ASSERT_EQ(AusRgb.Breite, 400);
    ASSERT_EQ(AusRgb.Hoehe, 400);
    EXPECT_LE(GroessteAbweichung(AusRgb, Bunt), Toleranz);
}

struct TKodierfall {
    const char* Name;
    TJpegArt Art;
    std::uint8_t Bildkopf; // the second byte of the SOFn marker this coding writes
};

std::ostream& operator<<(std::ostream& Aus, const TKodierfall& Fall)
{
    return Aus << Fall.Name;
}

class JpegKodierungen : public testing::TestWithParam<TKodierfall> {};

TEST_P(JpegKodierungen, LiefernDasselbeBild)
{
    const TKodierfall& Fall = GetParam();
    const TQuellbild Quelle = Verlauf(Fall.Art.Breite, Fall.Art.Hoehe);
    const std::vector<std::uint8_t> Jpeg = SchreibeJpeg(Fall.Art, Quelle);
    ASSERT_EQ(Jpeg.at(FindeBildkopf(Jpeg) + 1), Fall.Bildkopf) << "so kodiert, wie der Fall sagt";

    const TPixelbild Bild = Dekodiere(Jpeg);
    ASSERT_EQ(Bild.Breite, 400);
    ASSERT_EQ(Bild.Hoehe, 400);
    EXPECT_LE(GroessteAbweichung(Bild, Quelle), Toleranz);
}

bool HatNeustartmarken(const std::vector<std::uint8_t>& Jpeg)
{
    for (std::size_t I = 0; I + 1 < Jpeg.size(); ++I)
        if (Jpeg[I] == 0xFF && Jpeg[I + 1] >= 0xD0 && Jpeg[I + 1] <= 0xD7)
            return true;
    return false;
}

TEST(JpegKodierung, NeustartmarkenStehenWirklichInDerDatei)
{
    const TQuellbild Quelle = Verlauf(64, 64);
    EXPECT_TRUE(HatNeustartmarken(SchreibeJpeg({.Breite = 64, .Hoehe = 64, .Neustartintervall = 3}, Quelle)));
    EXPECT_FALSE(HatNeustartmarken(SchreibeJpeg({.Breite = 64, .Hoehe = 64}, Quelle)));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, JpegKodierungen,
    testing::Values(
        TKodierfall{"progressiv", {.Breite = 800, .Hoehe = 600, .Progressiv = true}, 0xC2},
        TKodierfall{"progressiv444", {.Breite = 640, .Hoehe = 480, .Abtastung = TAbtastung::Voll444, .Progressiv = true}, 0xC2},
        TKodierfall{"arithmetisch", {.Breite = 800, .Hoehe = 600, .Arithmetisch = true}, 0xC9},
        TKodierfall{"progressivArithmetisch", {.Breite = 800, .Hoehe = 600, .Progressiv = true, .Arithmetisch = true}, 0xCA},
        TKodierfall{"neustartJedeMcu", {.Breite = 800, .Hoehe = 600, .Neustartintervall = 1}, 0xC0},
        TKodierfall{"neustartAlle7", {.Breite = 800, .Hoehe = 600, .Neustartintervall = 7}, 0xC0},
        TKodierfall{"neustartProgressiv", {.Breite = 800, .Hoehe = 600, .Progressiv = true, .Neustartintervall = 5}, 0xC2}),
    [](const testing::TestParamInfo<TKodierfall>& Info) { return std::string(Info.param.Name); });

} // namespace
} // namespace kalumbo::test
