// SPDX-License-Identifier: GPL-3.0-or-later
// Playing with the keyboard alone: the board in the Tab order, the cursor
// frame on screen, and whole games won with keys.
#include "Fensterhilfen.h"

#include "ui/Hilfe.h"
#include "ui/Spielbrett.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kalumbo::test {
namespace {

class Tastatur : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1.get()));
    }

    TSpielbrett* Brett() const { return Form1->Spielbrett; }

    // A key to whatever holds the focus, as the keyboard sends it.
    void Taste(int Code, Qt::KeyboardModifiers Tasten = {})
    {
        QWidget* Fokus = QApplication::focusWidget();
        ASSERT_NE(Fokus, nullptr);
        QTest::keyClick(Fokus, static_cast<Qt::Key>(Code), Tasten);
    }

    // "Neues Spiel" by keys: from the board back to the button, Space, and
    // on to the board again.
    void NeuesSpielMitTasten()
    {
        if (Brett()->hasFocus())
            Taste(Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(QApplication::focusWidget(), Form1->NeuesSpielKnopf);
        Taste(Qt::Key_Space);
        Taste(Qt::Key_Tab);
        ASSERT_TRUE(Brett()->hasFocus());
    }

    // Moves the cursor to the cell with the arrow keys, Home and End.
    void Gehe(TZelle Ziel)
    {
        if (Ziel.Spalte == 1)
            Taste(Qt::Key_Home);
        if (Ziel.Spalte == Spalten)
            Taste(Qt::Key_End);
        for (int Schritt = 0; Schritt < 16 && !(Brett()->Zeigerzelle() == Ziel); ++Schritt) {
            const TZelle Jetzt = Brett()->Zeigerzelle();
            Taste(Jetzt.Zeile < Ziel.Zeile     ? Qt::Key_Down
                  : Jetzt.Zeile > Ziel.Zeile   ? Qt::Key_Up
                  : Jetzt.Spalte < Ziel.Spalte ? Qt::Key_Right
                                               : Qt::Key_Left);
        }
        ASSERT_EQ(Brett()->Zeigerzelle(), Ziel);
    }

    QImage Bildschirm() const { return Brett()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage Brettbild32() const { return Brettbild().convertToFormat(QImage::Format_RGB32); }
};

// Deal after deal until one is won, every tile taken with the cursor and
// Space or Enter; each new game starts the cursor on its first free tile.
TEST_F(Tastatur, GanzesSpielNurMitTasten)
{
    Form1->NeuesSpielKnopf->setFocus(Qt::TabFocusReason);
    for (int Versuch = 0; Versuch < 20 && Stand().AnzahlGeloest < AnzahlPaare; ++Versuch) {
        NeuesSpielMitTasten();
        ASSERT_EQ(Stand().AnzahlGeloest, 0);
        const auto Erster = FreierStein();
        ASSERT_TRUE(Erster);
        EXPECT_EQ(Brett()->Zeigerzelle(), *Erster);
        while (const auto Paar = FreiesPaar()) {
            const int Vorher = Stand().AnzahlGeloest;
            Gehe(Paar->first);
            Taste(Qt::Key_Space);
            ASSERT_TRUE(Stand().IstAusgewaehlt(Paar->first.Spalte, Paar->first.Zeile));
            Gehe(Paar->second);
            Taste(Qt::Key_Return);
            ASSERT_EQ(Stand().AnzahlGeloest, Vorher + 1);
        }
    }
    EXPECT_EQ(Stand().AnzahlGeloest, AnzahlPaare);
    EXPECT_TRUE(Form1->Bravo->isVisible());
    EXPECT_EQ(Form1->History->toPlainText().count(QLatin1Char('\n')), AnzahlPaare - 1);
}

// The frame is on the screen, not in the board's picture; it never covers
// a pixel of the tile's text; a mouse press takes it away, so the screen
// shows the board's picture pixel for pixel, and the next key brings it back.
TEST_F(Tastatur, RahmenNurAufDemBildschirm)
{
    NeuesSpielMitPaaren();
    const QImage Vorher = Brettbild32();
    Form1->NeuesSpielKnopf->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_Tab);
    ASSERT_TRUE(Brett()->ZeigtZeiger());

    const QImage Schirm = Bildschirm();
    EXPECT_EQ(Brettbild32(), Vorher);
    const QRect Stein = TSpielbrett::Zellrechteck(Brett()->Zeigerzelle());
    const QRgb Fuellung = Vorher.pixel(Stein.topLeft() + QPoint(1, 1));
    int Text = 0, Seiten = 0;
    for (int Y = Stein.top() - 1; Y <= Stein.bottom() + 1; ++Y)
        for (int X = Stein.left() - 1; X <= Stein.right() + 1; ++X) {
            if (!Vorher.rect().contains(X, Y))
                continue;
            const QRgb Bild = Vorher.pixel(X, Y), Sicht = Schirm.pixel(X, Y);
            const int Rand = std::min({X - Stein.left(), Y - Stein.top(), Stein.right() - X, Stein.bottom() - Y});
            const bool ObenOderUnten = std::min(Y - Stein.top(), Stein.bottom() - Y) == Rand;
            if (Rand < 1) {
                EXPECT_EQ(Sicht, qRgb(255, 255, 255)) << X << "," << Y;
            } else if (Rand < 3 && ObenOderUnten) {
                EXPECT_EQ(Sicht, qRgb(0, 0, 0)) << X << "," << Y;
            } else if (Rand < 3 && Sicht == qRgb(0, 0, 0)) {
                // The black ring's sides lie on the tile's colour only.
                ++Seiten;
                EXPECT_EQ(Bild, Fuellung) << X << "," << Y;
            } else if (Bild != Fuellung) {
                ++Text;
                EXPECT_EQ(Sicht, Bild) << "text covered at " << X << "," << Y;
            }
        }
    EXPECT_GT(Seiten, 20) << "the frame has sides";
    EXPECT_GT(Text, 20) << "the tile shows its text";

    const auto Paar = FreiesPaar();
    ASSERT_TRUE(Paar);
    KlickeZelle(Paar->first.Spalte, Paar->first.Zeile);
    EXPECT_TRUE(Brett()->hasFocus());
    EXPECT_FALSE(Brett()->ZeigtZeiger());
    EXPECT_EQ(Bildschirm(), Brettbild32());
    Taste(Qt::Key_Right);
    EXPECT_TRUE(Brett()->ZeigtZeiger());
    EXPECT_EQ(Brett()->Zeigerzelle(), Paar->first) << "the first key only shows the cursor";
    EXPECT_NE(Bildschirm(), Brettbild32());
}

// While the help lies over the board, Enter is no press of a tile but
// closes the help, as it does wherever the focus is.
// A key held down: the arrow goes on cell by cell, Space presses once.
TEST_F(Tastatur, GehalteneTasten)
{
    NeuesSpielMitPaaren();
    Form1->NeuesSpielKnopf->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_Tab);
    // The first press, then three repeated ones, as a held key sends them.
    const auto Halte = [this](Qt::Key Code, const QString& Text) {
        for (const bool Wiederholt : {false, true, true, true}) {
            QKeyEvent Druck(QEvent::KeyPress, Code, Qt::NoModifier, Text, Wiederholt);
            QApplication::sendEvent(Brett(), &Druck);
        }
        QTest::keyRelease(Brett(), Code);
    };
    Taste(Qt::Key_Home);
    const int Zeile = Brett()->Zeigerzelle().Zeile;
    Halte(Qt::Key_Right, {});
    EXPECT_EQ(Brett()->Zeigerzelle(), (TZelle{5, Zeile}));

    const TZelle Stein = FreiesPaar()->first;
    Gehe(Stein);
    Halte(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_TRUE(Stand().IstAusgewaehlt(Stein.Spalte, Stein.Zeile)) << "the held Space pressed more than once";
}

TEST_F(Tastatur, HilfeUeberDemBrettNimmtEnter)
{
    NeuesSpielMitPaaren();
    Form1->NeuesSpielKnopf->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_Tab);
    Form1->HilfeKnopf->click();
    ASSERT_TRUE(Form1->Hilfe->isVisible());
    ASSERT_TRUE(Brett()->hasFocus());
    Taste(Qt::Key_Return);
    EXPECT_FALSE(Form1->Hilfe->isVisible());
    EXPECT_FALSE(Stand().HatAuswahl());
    Taste(Qt::Key_Return);
    EXPECT_TRUE(Stand().HatAuswahl());
}

// What the board's own events become: a mouse press anywhere in a cell,
// to its last fraction of a pixel, presses that cell; the focus back from
// a popup or another window leaves the frame as a mouse press left it,
// hidden.
TEST_F(Tastatur, DasBrettGibtSeineEreignisseWeiter)
{
    NeuesSpielMitPaaren();
    Form1->NeuesSpielKnopf->setFocus(Qt::TabFocusReason);
    Taste(Qt::Key_Tab);
    const TZelle Erste = FreiesPaar()->first;
    const QPointF Ecke(Zellgroesse * Erste.Spalte - 0.25, Zellgroesse * Erste.Zeile - 0.25);
    QMouseEvent Druck(QEvent::MouseButtonPress, Ecke, Brett()->mapToGlobal(Ecke), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(Brett(), &Druck);
    ASSERT_TRUE(Stand().IstAusgewaehlt(Erste.Spalte, Erste.Zeile));
    ASSERT_TRUE(Brett()->hasFocus());
    EXPECT_FALSE(Brett()->ZeigtZeiger());

    for (const Qt::FocusReason Grund : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent Weg(QEvent::FocusOut, Grund), Zurueck(QEvent::FocusIn, Grund);
        QApplication::sendEvent(Brett(), &Weg);
        QApplication::sendEvent(Brett(), &Zurueck);
        EXPECT_FALSE(Brett()->ZeigtZeiger()) << "focus back by reason " << Grund;
    }

    Taste(Qt::Key_Right); // only shows the frame
    EXPECT_TRUE(Brett()->ZeigtZeiger());
    EXPECT_EQ(Brett()->Zeigerzelle(), Erste);
}

} // namespace
} // namespace kalumbo::test
