// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fensterhilfen.h"

#include "Testbilder.h"
#include "ui/Hilfe.h"
#include "ui/Hintergrundbilder.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include <random>

namespace kalumbo::test {
namespace {

QRgb Rgb(const QImage& Bild, int X, int Y)
{
    return Bild.pixel(X, Y) & RGB_MASK;
}

// A test picture with a black square whose place can be found again.
std::vector<std::uint8_t> BildMitMarke(int Breite, int Hoehe, TJpegArt Art = {})
{
    TQuellbild Quelle = Verlauf(Breite, Hoehe);
    ZeichneMarke(Quelle, {Breite / 2 - 20, Hoehe / 2 - 20, 40});
    Art.Breite = Breite;
    Art.Hoehe = Hoehe;
    return SchreibeJpeg(Art, Quelle);
}

void SchreibeDatei(const QString& Name, const std::vector<std::uint8_t>& Inhalt)
{
    QFile Datei(Name);
    ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
    Datei.write(reinterpret_cast<const char*>(Inhalt.data()), static_cast<qint64>(Inhalt.size()));
}

class Hintergrundbild : public FensterTest {
protected:
    void WaehleBild(int Index) { QTest::mouseClick(Form1->Hintergrund->Knopf(Index), Qt::LeftButton); }

    // Every cell without a tile equals the background there; where the
    // background does not reach, the board is grey.
    void PruefeFreieZellen(const QImage& Erwartet)
    {
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
                if (HatStein(Spalte, Zeile))
                    continue;
                for (int Y = Zellgroesse * (Zeile - 1); Y < Zellgroesse * Zeile; Y += 3)
                    for (int X = Zellgroesse * (Spalte - 1); X < Zellgroesse * Spalte; X += 3) {
                        const QRgb Soll = Erwartet.rect().contains(X, Y) ? Rgb(Erwartet, X, Y) : qRgb(128, 128, 128) & RGB_MASK;
                        ASSERT_EQ(Rgb(Brettbild(), X, Y), Soll) << X << "," << Y;
                    }
            }
    }

    // The state a failed picture leaves: everything up to the picture done,
    // the board hidden and grey, the old picture kept.
    void PruefeZustandNachFehler(const QImage& AltesBild)
    {
        EXPECT_FALSE(Form1->Hilfe->isVisible());
        EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(0));
        EXPECT_TRUE(Form1->History->toPlainText().isEmpty());
        EXPECT_FALSE(Form1->Bravo->isVisible());
        EXPECT_FALSE(Form1->Spielbrett->isVisible());
        EXPECT_FALSE(Stand().HatAuswahl());
        EXPECT_EQ(Rgb(Brettbild(), 10, 10), qRgb(128, 128, 128) & RGB_MASK);
        EXPECT_EQ(Rgb(Brettbild(), 390, 390), qRgb(128, 128, 128) & RGB_MASK);
        EXPECT_EQ(Hintergrund(), AltesBild);
        // Presses on the board area reach no game.
        const TSpielstand Vorher = Stand();
        KlickeZelle(1, 5);
        EXPECT_EQ(Stand().AuswahlSpalte, Vorher.AuswahlSpalte);
        EXPECT_EQ(Stand().Felder, Vorher.Felder);
    }

    TArbeitsverzeichnis Verzeichnis;
};

TEST_F(Hintergrundbild, OhneDateienDieEingebautenBilder)
{
    for (int Index = 0; Index < AnzahlBilder; ++Index) {
        WaehleBild(Index);
        NeuesSpiel();
        const QImage Eingebaut = DekodiereEingebautesBild(Index + 1);
        ASSERT_EQ(Eingebaut.size(), QSize(400, 400));
        EXPECT_EQ(Hintergrund(), Eingebaut) << Index;
        PruefeFreieZellen(Eingebaut);
    }
}

TEST_F(Hintergrundbild, EingebautesBildWirdNurEinmalDekodiert)
{
    NeuesSpiel();
    const qint64 Erstes = Form1->EingebautesBild1->Bild().cacheKey();
    NeuesSpiel();
    EXPECT_EQ(Form1->EingebautesBild1->Bild().cacheKey(), Erstes);
    EXPECT_FALSE(Form1->EingebautesBild2->HatBild());
}

TEST_F(Hintergrundbild, GrosseDateiZeigtIhrEckstueck)
{
    SchreibeDatei("Bild1.jpg", BildMitMarke(800, 600));
    NeuesSpielMitPaaren(2);
    ASSERT_TRUE(Meldungen.isEmpty()) << Meldungen.join(' ').toStdString();
    ASSERT_EQ(Hintergrund().size(), QSize(400, 400));
    const QImage Erwartet = LadeBilddatei("Bild1.jpg");
    EXPECT_EQ(Hintergrund(), Erwartet);
    PruefeFreieZellen(Erwartet);
    // The mark at (380..419, 280..319) begins inside the visible corner.
    EXPECT_LT(qGray(Hintergrund().pixel(390, 290)), 40);
    EXPECT_GT(qGray(Hintergrund().pixel(370, 290)), 80);

    LoeseEinPaar();
    LoeseEinPaar();
    PruefeFreieZellen(Erwartet);
}

TEST_F(Hintergrundbild, KleineDateiLaesstGrauStehen)
{
    SchreibeDatei("Bild1.jpg", BildMitMarke(200, 200));
    NeuesSpielMitPaaren();
    ASSERT_EQ(Hintergrund().size(), QSize(200, 200));
    PruefeFreieZellen(Hintergrund());
    LoeseEinPaar();
    PruefeFreieZellen(Hintergrund());
}

TEST_F(Hintergrundbild, DateiGiltNurFuerIhrBild)
{
    SchreibeDatei("Bild4.jpg", BildMitMarke(400, 400));
    NeuesSpiel();
    EXPECT_EQ(Hintergrund(), DekodiereEingebautesBild(1));
    WaehleBild(3);
    NeuesSpiel();
    EXPECT_EQ(Hintergrund(), LadeBilddatei("Bild4.jpg"));
    // Removed while the program runs: the built-in picture comes back.
    QFile::remove("Bild4.jpg");
    NeuesSpiel();
    EXPECT_EQ(Hintergrund(), DekodiereEingebautesBild(4));
}

TEST_F(Hintergrundbild, VerzeichnisZaehltAlsKeineDatei)
{
    ASSERT_TRUE(QDir().mkdir("Bild1.jpg"));
    NeuesSpiel();
    EXPECT_TRUE(Meldungen.isEmpty());
    EXPECT_EQ(Hintergrund(), DekodiereEingebautesBild(1));
    EXPECT_TRUE(Form1->Spielbrett->isVisible());
}

TEST_F(Hintergrundbild, GrauUndCmykWerdenFarbbilder)
{
    TQuellbild Grau{300, 300, 1, std::vector<std::uint8_t>(300 * 300, 77)};
    SchreibeDatei("Bild1.jpg", SchreibeJpeg({.Breite = 300, .Hoehe = 300, .Farbart = TFarbart::Grau}, Grau));
    NeuesSpiel();
    ASSERT_TRUE(Meldungen.isEmpty());
    const QColor Pixel = Hintergrund().pixelColor(150, 150);
    EXPECT_NEAR(Pixel.red(), 77, 2);
    EXPECT_EQ(Pixel.red(), Pixel.green());
    EXPECT_EQ(Pixel.green(), Pixel.blue());

    // Pure cyan ink, stored the Adobe way (inverted).
    TQuellbild Cyan{64, 64, 4, {}};
    for (int I = 0; I < 64 * 64; ++I)
        Cyan.Werte.insert(Cyan.Werte.end(), {0, 255, 255, 255});
    SchreibeDatei("Bild1.jpg", SchreibeJpeg({.Breite = 64, .Hoehe = 64, .Farbart = TFarbart::Cmyk}, Cyan));
    NeuesSpiel();
    ASSERT_TRUE(Meldungen.isEmpty());
    const QColor Farbe = Hintergrund().pixelColor(32, 32);
    EXPECT_LT(Farbe.red(), 10);
    EXPECT_GT(Farbe.green(), 245);
    EXPECT_GT(Farbe.blue(), 245);
}

class UnbrauchbareDatei : public Hintergrundbild, public testing::WithParamInterface<int> {};

// Each picture the decoder cannot read ends in its message, and a game
// with another picture is playable again right after.
TEST_P(UnbrauchbareDatei, MeldungZustandUndWeiterspielen)
{
    std::mt19937 Zufall(5);
    std::vector<std::uint8_t> Zufallsbytes(3000);
    for (std::uint8_t& Byte : Zufallsbytes)
        Byte = static_cast<std::uint8_t>(Zufall());
    const std::vector<std::vector<std::uint8_t>> Inhalte = {
        {},                                                              // empty
        Zufallsbytes,                                                    // noise
        {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I'}, // a PNG
        MitBehaupteterGroesse(true, 65000, 65000),                       // hostile size
    };

    NeuesSpielMitPaaren(); // a first game, so that a picture is there to keep
    const QImage AltesBild = Hintergrund();
    LoeseEinPaar();
    SchreibeDatei("Bild1.jpg", Inhalte[static_cast<std::size_t>(GetParam())]);
    NeuesSpiel();

    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_TRUE(QRegularExpression("^JPEG-Fehlernr\\. [0-9]+\\.$").match(Meldungen[0]).hasMatch())
        << Meldungen[0].toStdString();
    PruefeZustandNachFehler(AltesBild);

    WaehleBild(1);
    NeuesSpielMitPaaren();
    EXPECT_EQ(Meldungen.size(), 1);
    EXPECT_TRUE(Form1->Spielbrett->isVisible());
    LoeseEinPaar();
    EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(1));
}

INSTANTIATE_TEST_SUITE_P(LeerRauschenPngRiesig, UnbrauchbareDatei, testing::Range(0, 4));

TEST_F(Hintergrundbild, RiesigerKopfInEinemDurchgangWirdBenutzt)
{
    SchreibeDatei("Bild1.jpg", MitBehaupteterGroesse(false, 65000, 65000));
    NeuesSpiel();
    EXPECT_TRUE(Meldungen.isEmpty());
    EXPECT_EQ(Hintergrund().size(), QSize(400, 400));
    EXPECT_TRUE(Form1->Spielbrett->isVisible());
}

} // namespace
} // namespace kalumbo::test
