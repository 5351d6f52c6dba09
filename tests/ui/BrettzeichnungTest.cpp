// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fensterhilfen.h"

#include "game/Brettmaler.h"
#include "ui/Bildflaeche.h"
#include "ui/Farben.h"
#include "ui/Schriften.h"

#include <QApplication>
#include <QPainter>

namespace kalumbo::test {
namespace {

QRgb Rgb(const QImage& Bild, int X, int Y)
{
    return Bild.pixel(X, Y) & RGB_MASK;
}

QRgb Rgb(TColor Farbe)
{
    return AlsQColor(Farbe).rgb() & RGB_MASK;
}

// Whether the square of the board equals the same square of the background.
bool GleichDemHintergrund(const QImage& Brett, const QImage& Hintergrund, const QRect& Quadrat)
{
    for (int Y = Quadrat.top(); Y <= Quadrat.bottom(); ++Y)
        for (int X = Quadrat.left(); X <= Quadrat.right(); ++X)
            if (Rgb(Brett, X, Y) != Rgb(Hintergrund, X, Y))
                return false;
    return true;
}

QRect Zellquadrat(int Spalte, int Zeile)
{
    return QRect(Zellgroesse * (Spalte - 1), Zellgroesse * (Zeile - 1), Zellgroesse, Zellgroesse);
}

// The box around the pixels that are clearly darker than the fill.
QRect Schriftpixel(const QImage& Bild, const QRect& Innen, QRgb Fuellung)
{
    QRect Box;
    for (int Y = Innen.top(); Y <= Innen.bottom(); ++Y)
        for (int X = Innen.left(); X <= Innen.right(); ++X)
            if (qGray(Bild.pixel(X, Y)) + 60 < qGray(Fuellung))
                Box |= QRect(X, Y, 1, 1);
    return Box;
}

using Brettzeichnung = FensterTest;

// The game's drawing of one cell, by the desktop's drawing operations,
// into the picture given, with the background given.
void MaleZelle(QImage& Brett, const QImage& Hintergrund, TZelle Zelle, const TZellansicht& Ansicht)
{
    TBildflaeche Flaeche([&]() -> QImage& { return Brett; }, [&]() -> const QImage& { return Hintergrund; },
                         [](const QRect&) {});
    kalumbo::MaleZelle(Flaeche, Zelle, Ansicht, {AusQColor(Qt::white), AusQColor(Qt::blue)});
}

// A redraw of the board as the colour buttons make it.
void ZeichneBrett(TForm1& Form1, std::optional<TColor> Normal = std::nullopt)
{
    Form1.Spielsteuerung().FarbeGewaehlt(TSteinfarbe::Normal, Normal);
}

TEST_F(Brettzeichnung, SteineMitRahmenFuellungUndHintergrundlinie)
{
    NeuesSpiel();
    const QImage& Brett = Brettbild();
    const QImage& Bild = Hintergrund();
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            const QRect Quadrat = Zellquadrat(Spalte, Zeile);
            if (!HatStein(Spalte, Zeile)) {
                EXPECT_TRUE(GleichDemHintergrund(Brett, Bild, Quadrat)) << Spalte << "," << Zeile;
                continue;
            }
            const int X0 = Quadrat.left(), Y0 = Quadrat.top();
            for (int I = 0; I < 49; ++I) {
                ASSERT_EQ(Rgb(Brett, X0 + I, Y0), 0u) << "top outline " << Spalte << "," << Zeile;
                ASSERT_EQ(Rgb(Brett, X0 + I, Y0 + 48), 0u) << "bottom outline";
                ASSERT_EQ(Rgb(Brett, X0, Y0 + I), 0u) << "left outline";
                ASSERT_EQ(Rgb(Brett, X0 + 48, Y0 + I), 0u) << "right outline";
                // The last column and row of the cell show the background.
                ASSERT_EQ(Rgb(Brett, X0 + 49, Y0 + I), Rgb(Bild, X0 + 49, Y0 + I));
                ASSERT_EQ(Rgb(Brett, X0 + I, Y0 + 49), Rgb(Bild, X0 + I, Y0 + 49));
            }
            EXPECT_EQ(Rgb(Brett, X0 + 49, Y0 + 49), Rgb(Bild, X0 + 49, Y0 + 49));
            for (const QPoint Ecke : {QPoint(1, 1), QPoint(47, 1), QPoint(1, 47), QPoint(47, 47)})
                EXPECT_EQ(Rgb(Brett, X0 + Ecke.x(), Y0 + Ecke.y()), Rgb(StartFarbeNormal));
        }
}

TEST_F(Brettzeichnung, TextSitztInDerMitteDesSteins)
{
    NeuesSpiel();
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            if (!HatStein(Spalte, Zeile))
                continue;
            const QRect Innen = Zellquadrat(Spalte, Zeile).adjusted(1, 1, -3, -3);
            const QRect Text = Schriftpixel(Brettbild(), Innen, Rgb(StartFarbeNormal));
            ASSERT_FALSE(Text.isEmpty()) << Spalte << "," << Zeile;
            // Middle of the ink at the tile's middle column, and a little
            // below its middle row (digits stand on the baseline).
            EXPECT_NEAR(Text.center().x() - Innen.left() + 1, 24, 2) << Stand().Steintext(Spalte, Zeile);
            EXPECT_NEAR(Text.center().y() - Innen.top() + 1, 25, 3) << Stand().Steintext(Spalte, Zeile);
        }
}

TEST_F(Brettzeichnung, AusgewaehlterSteinHatSeineFarbe)
{
    NeuesSpiel();
    // Row 5 of "innen" is full: its ends are free and of different pairs.
    KlickeZelle(1, 5);
    EXPECT_EQ(Rgb(Brettbild(), 2, 202), Rgb(StartFarbeAusgewaehlt));
    EXPECT_EQ(Rgb(Brettbild(), 352, 202), Rgb(StartFarbeNormal));
    KlickeZelle(8, 5);
    EXPECT_EQ(Rgb(Brettbild(), 2, 202), Rgb(StartFarbeNormal));
    EXPECT_EQ(Rgb(Brettbild(), 352, 202), Rgb(StartFarbeAusgewaehlt));
    KlickeZelle(8, 5);
    EXPECT_EQ(Rgb(Brettbild(), 352, 202), Rgb(StartFarbeNormal));
}

TEST_F(Brettzeichnung, GeraeumteZelleZeigtGenauDenHintergrund)
{
    NeuesSpielMitPaaren();
    const auto [Erste, Zweite] = LoeseEinPaar();
    for (const TZelle Zelle : {Erste, Zweite})
        EXPECT_TRUE(GleichDemHintergrund(Brettbild(), Hintergrund(), Zellquadrat(Zelle.Spalte, Zelle.Zeile)));
}

TEST_F(Brettzeichnung, ZuBreiterTextWirdAnBeidenSeitenAbgeschnitten)
{
    QImage Brett(400, 400, QImage::Format_RGB32);
    Brett.fill(Qt::green);
    QImage Hintergrund(400, 400, QImage::Format_RGB32);
    Hintergrund.fill(Qt::green);
    MaleZelle(Brett, Hintergrund, {2, 2}, {TZellbild::Stein, "888888888888"});

    const QRect Innen(51, 51, 47, 47);
    const QRect Text = Schriftpixel(Brett, Innen, qRgb(255, 255, 255));
    EXPECT_LE(Text.left(), 52);  // cut off at the left edge of the inside
    EXPECT_GE(Text.right(), 96); // and at the right one
    for (int I = 0; I < 49; ++I) {
        EXPECT_EQ(Rgb(Brett, 50 + I, 50), 0u);
        EXPECT_EQ(Rgb(Brett, 50 + I, 98), 0u);
        EXPECT_EQ(Rgb(Brett, 50, 50 + I), 0u);
        EXPECT_EQ(Rgb(Brett, 98, 50 + I), 0u);
        EXPECT_EQ(Rgb(Brett, 99, 50 + I), qRgb(0, 255, 0) & RGB_MASK);
        EXPECT_EQ(Rgb(Brett, 49, 50 + I), qRgb(0, 255, 0) & RGB_MASK);
    }
}

TEST_F(Brettzeichnung, AusserhalbDesHintergrundsBleibtGrau)
{
    QImage Brett(400, 400, QImage::Format_RGB32);
    Brett.fill(Qt::white);
    QImage Klein(120, 120, QImage::Format_RGB32);
    Klein.fill(Qt::red);
    MaleZelle(Brett, Klein, {3, 3}, {}); // x 100..148
    EXPECT_EQ(Rgb(Brett, 110, 110), qRgb(255, 0, 0) & RGB_MASK);
    EXPECT_EQ(Rgb(Brett, 125, 110), qRgb(128, 128, 128) & RGB_MASK);
    EXPECT_EQ(Rgb(Brett, 110, 148), qRgb(128, 128, 128) & RGB_MASK);
    EXPECT_EQ(Rgb(Brett, 149, 110), qRgb(255, 255, 255) & RGB_MASK);
}

TEST_F(Brettzeichnung, ZeichnenVorDemErstenSpielGibtWeiss)
{
    ZeichneBrett(*Form1);
    ASSERT_EQ(Brettbild().size(), QSize(400, 400));
    for (int Y = 0; Y < 400; Y += 7)
        for (int X = 0; X < 400; X += 7)
            ASSERT_EQ(Rgb(Brettbild(), X, Y), qRgb(255, 255, 255) & RGB_MASK);
    EXPECT_EQ(Hintergrund().size(), QSize(400, 400));
}

// Whether the screen shows the board's picture pixel for pixel, waiting
// for the window to paint.
testing::AssertionResult BildschirmZeigt(const QWidget* Feld, const QImage& Bild)
{
    const QImage Erwartet = Bild.convertToFormat(QImage::Format_RGB32);
    if (QTest::qWaitFor([&] { return AufDemBildschirm(Feld) == Erwartet; }))
        return testing::AssertionSuccess();
    const QImage Gezeigt = AufDemBildschirm(Feld);
    for (int Y = 0; Y < std::min(Gezeigt.height(), Erwartet.height()); ++Y)
        for (int X = 0; X < std::min(Gezeigt.width(), Erwartet.width()); ++X)
            if (Gezeigt.pixel(X, Y) != Erwartet.pixel(X, Y))
                return testing::AssertionFailure() << "the screen differs first at " << X << "," << Y;
    return testing::AssertionFailure() << "the screen shows " << Gezeigt.width() << " x " << Gezeigt.height();
}

TEST_F(Brettzeichnung, BildschirmZeigtDasBrettbildUnverfaelscht)
{
    // After a pair is taken, a tile pressed, and the tiles drawn in another
    // colour as after a choice of colour, the screen shows what was drawn.
    NeuesSpielMitPaaren();
    LoeseEinPaar();
    KlickeZelle(1, 5);
    EXPECT_TRUE(BildschirmZeigt(Form1->Spielbrett, Brettbild()));
    ZeichneBrett(*Form1, 0x0000C000);
    EXPECT_TRUE(BildschirmZeigt(Form1->Spielbrett, Brettbild()));
}

TEST(BildFeld, ZeigtJedesNeueBild)
{
    QWidget Fenster;
    Fenster.resize(40, 30);
    auto* Feld = new TBildFeld(&Fenster);
    Feld->setGeometry(0, 0, 40, 30);
    QImage Rot(40, 30, QImage::Format_RGB32);
    Rot.fill(Qt::red);
    Feld->SetzeBild(Rot);
    Fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    EXPECT_TRUE(BildschirmZeigt(Feld, Rot));

    Feld->NeueLeinwand(QSize(40, 30), Qt::green);
    EXPECT_TRUE(BildschirmZeigt(Feld, Feld->Bild()));
    Feld->SetzeBild(Rot);
    EXPECT_TRUE(BildschirmZeigt(Feld, Rot));
}

TEST_F(Brettzeichnung, NeuZeichnenAendertNichts)
{
    NeuesSpiel();
    KlickeZelle(1, 5);
    const QImage Vorher = Brettbild();
    ZeichneBrett(*Form1);
    EXPECT_EQ(Brettbild(), Vorher);
}

} // namespace
} // namespace kalumbo::test
