// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Testbilder.h"
#include "Testsaat.h"
#include "game/Brett.h"
#include "game/Formen.h"
#include "game/Paarsuche.h"
#include "ui/BildFeld.h"
#include "ui/Farben.h"
#include "ui/Fehlerbericht.h"
#include "ui/RadioGruppe.h"
#include "ui/Verlaufsliste.h"
#include "ui/TForm1.h"
#include "ui/Textquelle.h"

#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include <ostream>

// Readable texts in the messages of failed checks.
inline void PrintTo(const QString& Text, std::ostream* Ausgabe)
{
    *Ausgabe << '"' << Text.toStdString() << '"';
}

namespace kalumbo::test {

// The progress text for a count of solved pairs, worded as the text
// source words it.
inline QString Fortschritt(int Geloest)
{
    return QText(Texte::Fortschritt).arg(Geloest).arg(AnzahlPaare);
}

// What the screen shows of a widget: the pixels its window last handed to
// the screen. Unlike QWidget::grab(), which paints the widget afresh, this
// keeps the old pixels where the widget drew without asking to be painted.
inline QImage AufDemBildschirm(const QWidget* Widget)
{
    const QPoint Ecke = Widget->mapTo(Widget->window(), QPoint(0, 0));
    return Widget->screen()
        ->grabWindow(Widget->window()->winId(), Ecke.x(), Ecke.y(), Widget->width(), Widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// How a child tells the buttons' glyphs apart: by their main colour, and by
// whether their strokes go round an empty middle.
enum class TGrundfarbe { Rot, Gruen, Blau, Keine };

inline QImage GlypheVon(const QPushButton* Knopf)
{
    return Knopf->icon().pixmap(Knopf->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The hue that most of the glyph's strongly coloured pixels share.
inline TGrundfarbe Grundfarbe(const QImage& Glyphe)
{
    std::array<int, 3> Anzahl{}; // red, green and blue, each a third of the colour wheel
    for (int Y = 0; Y < Glyphe.height(); ++Y)
        for (int X = 0; X < Glyphe.width(); ++X) {
            const QColor Farbe = Glyphe.pixelColor(X, Y);
            if (Farbe.alpha() >= 128 && Farbe.hsvSaturation() >= 128)
                ++Anzahl[static_cast<std::size_t>((Farbe.hsvHue() + 60) / 120 % 3)];
        }
    const auto Meiste = std::max_element(Anzahl.begin(), Anzahl.end());
    return *Meiste == 0 ? TGrundfarbe::Keine : static_cast<TGrundfarbe>(Meiste - Anzahl.begin());
}

// Whether the glyph encloses see-through pixels: pixels that no path of
// see-through neighbours joins to the space around it.
inline bool GehtRundum(const QImage& Glyphe)
{
    const auto Leer = [&](int X, int Y) { return !Glyphe.valid(X, Y) || qAlpha(Glyphe.pixel(X, Y)) < 128; };
    const QRect MitRand = Glyphe.rect().adjusted(-1, -1, 1, 1);
    std::set<std::pair<int, int>> Erreicht;
    std::function<void(int, int)> Erreiche = [&](int X, int Y) {
        if (MitRand.contains(X, Y) && Leer(X, Y) && Erreicht.insert({X, Y}).second)
            for (const auto& [DX, DY] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                Erreiche(X + DX, Y + DY);
    };
    Erreiche(-1, -1);
    for (int Y = 0; Y < Glyphe.height(); ++Y)
        for (int X = 0; X < Glyphe.width(); ++X)
            if (Leer(X, Y) && !Erreicht.count({X, Y}))
                return true;
    return false;
}

// A fresh window for every test, shown as at the start of the program,
// with error reports collected
// instead of shown.
class FensterTest : public testing::Test {
protected:
    void SetUp() override
    {
        VorherigeAnzeige = SetzeFehleranzeige([this](const QString& Text) { Meldungen.append(Text); });
        Form1 = std::make_unique<TForm1>(std::make_unique<TSaatZufall>(Saat()));
        Form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1.get()));
    }

    // The seed the window deals from: the run's, unless a test has its own.
    virtual std::uint64_t Saat() const { return TestSaat(); }

    void TearDown() override
    {
        Form1.reset();
        SetzeFehleranzeige(std::move(VorherigeAnzeige));
    }

    const TSpielstand& Stand() const { return Form1->Spielstand(); }
    const TSteinfarben& Steinfarben() const { return Form1->Spielsteuerung().Farben(); }
    const QImage& Brettbild() const { return Form1->Spielbrett->Bild(); }
    const QImage& Hintergrund() const { return Form1->Bild->Bild(); }

    void Klicke(QPushButton* Knopf) { QTest::mouseClick(Knopf, Qt::LeftButton); }
    void NeuesSpiel() { Klicke(Form1->NeuesSpielKnopf); }

    // A click on the window at a pixel of the board, delivered to whatever
    // lies there, as a real click would be.
    void KlickeBrett(int X, int Y, Qt::MouseButton Knopf = Qt::LeftButton, Qt::KeyboardModifiers Tasten = {})
    {
        QTest::mouseClick(Form1->windowHandle(), Knopf, Tasten, Form1->Spielbrett->geometry().topLeft() + QPoint(X, Y));
    }

    // A click in the middle of a cell of the board.
    void KlickeZelle(int Spalte, int Zeile, Qt::MouseButton Knopf = Qt::LeftButton, Qt::KeyboardModifiers Tasten = {})
    {
        KlickeBrett(Zellgroesse * Spalte - 25, Zellgroesse * Zeile - 25, Knopf, Tasten);
    }

    int Form() const { return FormFuerItem(Form1->Form->ItemIndex()); }

    bool HatStein(int Spalte, int Zeile) const
    {
        return IstPosition(Form(), Spalte, Zeile) && Stand().Felder[Spalte][Zeile].Seite != KeinStein;
    }

    bool IstFreierStein(int Spalte, int Zeile) const
    {
        return kalumbo::IstFreierStein(Stand().Felder, Form(), Spalte, Zeile);
    }

    // Two free tiles of one pair, or nothing when no pair can be taken.
    std::optional<std::pair<TZelle, TZelle>> FreiesPaar() const { return kalumbo::FreiesPaar(Stand().Felder, Form()); }

    // Deals until the new game lets Anzahl pairs be taken one after the
    // other. Some deals leave no pair free from the start; a test that
    // goes on to take pairs then deals again, as a player would. Stops at
    // a game whose board stays hidden (an unusable picture).
    void NeuesSpielMitPaaren(int Anzahl = 1)
    {
        for (int Versuch = 0; Versuch < 100; ++Versuch) {
            NeuesSpiel();
            if (!Form1->Spielbrett->isVisible() || LaesstPaareNehmen(Anzahl))
                return;
        }
        ADD_FAILURE() << "no deal in a hundred lets " << Anzahl << " pairs be taken";
    }

    bool LaesstPaareNehmen(int Anzahl) const
    {
        TFelder Felder = Stand().Felder;
        for (int Paar = 0; Paar < Anzahl; ++Paar) {
            const auto Zellen = kalumbo::FreiesPaar(Felder, Form());
            if (!Zellen)
                return false;
            Felder[Zellen->first.Spalte][Zellen->first.Zeile].Seite = KeinStein;
            Felder[Zellen->second.Spalte][Zellen->second.Zeile].Seite = KeinStein;
        }
        return true;
    }

    // Solves a pair with two clicks; the cells it stood on.
    std::pair<TZelle, TZelle> LoeseEinPaar()
    {
        const auto Paar = FreiesPaar();
        EXPECT_TRUE(Paar) << "no pair left to take";
        if (!Paar)
            return {};
        KlickeZelle(Paar->first.Spalte, Paar->first.Zeile);
        KlickeZelle(Paar->second.Spalte, Paar->second.Zeile);
        return *Paar;
    }

    // Deals until a game is won, solving pair after pair; false when twenty
    // deals in a row got stuck.
    bool GewinneEinSpiel()
    {
        for (int Versuch = 0; Versuch < 20; ++Versuch) {
            NeuesSpiel();
            while (FreiesPaar())
                LoeseEinPaar();
            if (Stand().AnzahlGeloest == AnzahlPaare)
                return true;
        }
        return false;
    }

    std::optional<TZelle> FreierStein() const
    {
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
                if (IstFreierStein(Spalte, Zeile))
                    return TZelle{Spalte, Zeile};
        return std::nullopt;
    }

    std::unique_ptr<TForm1> Form1;
    QStringList Meldungen;

private:
    TFehleranzeige VorherigeAnzeige;
};


} // namespace kalumbo::test
