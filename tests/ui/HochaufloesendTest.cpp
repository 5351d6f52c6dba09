// SPDX-License-Identifier: GPL-3.0-or-later
// The board on a screen with two pixels per logical pixel.
#include "Fensterhilfen.h"

#include "game/Brettmaler.h"
#include "ui/Bildflaeche.h"
#include "ui/RadioGruppe.h"
#include "ui/Schriften.h"

#include <QRadioButton>

namespace kalumbo::test {
namespace {

class Hochaufloesend : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        ASSERT_EQ(Form1->devicePixelRatioF(), 2.0) << "run with two pixels per logical pixel";
    }

    // A cell's square of device pixels.
    static QRect Geraetezelle(int Spalte, int Zeile)
    {
        return QRect(2 * Zellgroesse * (Spalte - 1), 2 * Zellgroesse * (Zeile - 1), 2 * Zellgroesse, 2 * Zellgroesse);
    }

    QImage GeglaetteterHintergrund() const
    {
        return Hintergrund().scaled(Hintergrund().size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
};

TEST_F(Hochaufloesend, BrettHatDoppeltSovielePixelAmSelbenPlatz)
{
    NeuesSpiel();
    EXPECT_EQ(Form1->Spielbrett->geometry(), QRect(8, 8, 400, 400));
    EXPECT_EQ(Brettbild().size(), QSize(800, 800));
    EXPECT_EQ(Brettbild().devicePixelRatio(), 2.0);
    // The background keeps its own pixels; only the board's copy is scaled.
    EXPECT_EQ(Hintergrund().size(), QSize(400, 400));

    // A click in the middle of a cell, in logical pixels, still finds it.
    KlickeZelle(1, 5);
    EXPECT_TRUE(Stand().IstAusgewaehlt(1, 5));
    // The box shows the picture's device pixels one to one.
    const QImage Gezeigt = Form1->Spielbrett->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Gezeigt.size(), QSize(800, 800));
    EXPECT_TRUE(Gezeigt == Brettbild());
}

TEST_F(Hochaufloesend, SchriftIstFeinerAlsVergroessert)
{
    NeuesSpiel();
    int Verschieden = 0;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            if (!HatStein(Spalte, Zeile))
                continue;
            // The same tile drawn at one pixel per logical pixel, then doubled.
            QImage Einfach(400, 400, QImage::Format_RGB32);
            Einfach.fill(Qt::white);
            TBildflaeche Flaeche([&]() -> QImage& { return Einfach; }, [&]() -> const QImage& { return Hintergrund(); },
                                 [](const QRect&) {});
            MaleZelle(Flaeche, {Spalte, Zeile}, Zellansicht(Stand(), {Spalte, Zeile}), Steinfarben());
            const QImage Verdoppelt = Einfach.scaled(800, 800);
            const QRect Zelle = Geraetezelle(Spalte, Zeile);
            // Outline and fill are the same, two device pixels per pixel ...
            for (const QPoint Stelle : {QPoint(0, 0), QPoint(1, 1), QPoint(97, 50), QPoint(4, 4), QPoint(93, 93)})
                ASSERT_EQ(Brettbild().pixel(Zelle.topLeft() + Stelle), Verdoppelt.pixel(Zelle.topLeft() + Stelle));
            // ... but the text is drawn at the finer resolution.
            const QRect Innen = Zelle.adjusted(4, 4, -8, -8);
            Verschieden += Brettbild().copy(Innen) != Verdoppelt.copy(Innen) ? 1 : 0;
        }
    EXPECT_EQ(Verschieden, 36);
}

TEST_F(Hochaufloesend, GeraeumteZelleZeigtDenGeglaettetenHintergrund)
{
    NeuesSpielMitPaaren();
    const QImage Erwartet = GeglaetteterHintergrund();
    const auto [Erste, Zweite] = LoeseEinPaar();
    for (const TZelle Zelle : {Erste, Zweite}) {
        const QRect Quadrat = Geraetezelle(Zelle.Spalte, Zelle.Zeile);
        EXPECT_EQ(Brettbild().copy(Quadrat), Erwartet.copy(Quadrat)) << Zelle.Spalte << "," << Zelle.Zeile;
    }
    // Cells outside the shape show it, too: (1, 1) is none of "innen".
    EXPECT_EQ(Brettbild().copy(Geraetezelle(1, 1)), Erwartet.copy(Geraetezelle(1, 1)));
    // Smooth, not merely doubled pixels.
    EXPECT_NE(Erwartet.copy(Geraetezelle(1, 1)), Hintergrund().scaled(800, 800).copy(Geraetezelle(1, 1)));

    // Another picture is scaled anew.
    QTest::mouseClick(Form1->Hintergrund->Knopf(2), Qt::LeftButton);
    NeuesSpiel();
    EXPECT_EQ(Brettbild().copy(Geraetezelle(1, 1)), GeglaetteterHintergrund().copy(Geraetezelle(1, 1)));
    EXPECT_NE(GeglaetteterHintergrund().copy(Geraetezelle(1, 1)), Erwartet.copy(Geraetezelle(1, 1)));
}

} // namespace
} // namespace kalumbo::test
