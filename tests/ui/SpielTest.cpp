// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fensterhilfen.h"

#include "ui/Hilfe.h"
#include "ui/RadioGruppe.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <set>

namespace kalumbo::test {
namespace {

using Spiel = FensterTest;

TEST_F(Spiel, NeuesSpielRaeumtAufUndZeigtDasBrett)
{
    ASSERT_TRUE(Form1->Hilfe->isVisible());
    NeuesSpiel();
    EXPECT_FALSE(Form1->Hilfe->isVisible());
    EXPECT_TRUE(Form1->Spielbrett->isVisible());
    EXPECT_FALSE(Form1->Bravo->isVisible());
    EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(0));
    EXPECT_TRUE(Form1->History->toPlainText().isEmpty());
    EXPECT_EQ(Form1->Seiten->currentWidget(), Form1->Einstellungen);
    EXPECT_EQ(Brettbild().size(), QSize(400, 400));

    std::set<std::string> Ergebnisse;
    for (const TAufgabe& Aufgabe : Stand().Aufgaben)
        Ergebnisse.insert(Aufgabe.Ergebnis);
    EXPECT_EQ(Ergebnisse.size(), 18u);
    int Steine = 0;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            Steine += HatStein(Spalte, Zeile) ? 1 : 0;
    EXPECT_EQ(Steine, 36);
}

TEST_F(Spiel, GanzesSpielMitDerMausBisBravo)
{
    for (int Versuch = 0; Versuch < 20 && !Form1->Bravo->isVisible(); ++Versuch) {
        NeuesSpiel();
        QStringList Verlauf;
        while (const auto Paar = FreiesPaar()) {
            const TAufgabe& Aufgabe = Stand().Aufgaben[Stand().Felder[Paar->first.Spalte][Paar->first.Zeile].Paar];
            Verlauf.append(QString::fromStdString(Aufgabe.Rechnung + " = " + Aufgabe.Ergebnis));
            KlickeZelle(Paar->first.Spalte, Paar->first.Zeile);
            ASSERT_TRUE(Stand().HatAuswahl());
            EXPECT_FALSE(Form1->Bravo->isVisible());
            KlickeZelle(Paar->second.Spalte, Paar->second.Zeile);
            EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(static_cast<int>(Verlauf.size())));
            EXPECT_EQ(Form1->Geloest->geometry().right() + 1, 92);
        }
        EXPECT_EQ(Form1->History->toPlainText(), Verlauf.join('\n'));
    }
    ASSERT_TRUE(Form1->Bravo->isVisible());
    EXPECT_EQ(Form1->Bravo->pos(), QPoint(38, 6));
    EXPECT_GE(Form1->Bravo->width(), Form1->Bravo->fontMetrics().horizontalAdvance(Form1->Bravo->text()));
    EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(18));
    EXPECT_EQ(Form1->History->document()->blockCount(), 18);
    // The message lies over the board.
    EXPECT_EQ(Form1->childAt(Form1->Bravo->geometry().center()), Form1->Bravo);

    // A new game takes it all back.
    NeuesSpiel();
    EXPECT_FALSE(Form1->Bravo->isVisible());
    EXPECT_TRUE(Form1->History->toPlainText().isEmpty());
}

TEST_F(Spiel, JederMausknopfUndJedeTasteWaehlen)
{
    NeuesSpiel();
    const auto Stein = FreierStein();
    ASSERT_TRUE(Stein);
    for (const auto& [Knopf, Tasten] : {std::pair{Qt::RightButton, Qt::KeyboardModifiers{}},
                                        {Qt::MiddleButton, Qt::KeyboardModifiers{}},
                                        {Qt::LeftButton, Qt::KeyboardModifiers{Qt::ShiftModifier}},
                                        {Qt::LeftButton, Qt::KeyboardModifiers{Qt::ControlModifier}}}) {
        KlickeZelle(Stein->Spalte, Stein->Zeile, Knopf, Tasten);
        EXPECT_TRUE(Stand().IstAusgewaehlt(Stein->Spalte, Stein->Zeile)) << Knopf;
        KlickeZelle(Stein->Spalte, Stein->Zeile, Knopf, Tasten);
        EXPECT_FALSE(Stand().HatAuswahl()) << Knopf;
    }
}

TEST_F(Spiel, DoppelklickWaehltUndWaehltAb)
{
    NeuesSpiel();
    const auto Stein = FreierStein();
    ASSERT_TRUE(Stein);
    const QPoint Mitte = Form1->Spielbrett->geometry().topLeft() +
                         QPoint(Zellgroesse * Stein->Spalte - 25, Zellgroesse * Stein->Zeile - 25);
    QTest::mouseDClick(Form1->windowHandle(), Qt::LeftButton, {}, Mitte);
    EXPECT_FALSE(Stand().HatAuswahl());
    EXPECT_EQ(Stand().KlickSpalte, Stein->Spalte);
}

TEST_F(Spiel, HilfeDecktDasBrettAbOhneDasSpielZuAendern)
{
    NeuesSpiel();
    const auto Stein = FreierStein();
    ASSERT_TRUE(Stein);
    KlickeZelle(Stein->Spalte, Stein->Zeile);
    const QImage Vorher = Brettbild();

    Klicke(Form1->HilfeKnopf);
    EXPECT_TRUE(Form1->Hilfe->isVisible());
    KlickeZelle(Stein->Spalte, Stein->Zeile); // lands on the panel
    EXPECT_TRUE(Stand().IstAusgewaehlt(Stein->Spalte, Stein->Zeile));
    Klicke(Form1->HilfeKnopf);
    EXPECT_FALSE(Form1->Hilfe->isVisible());
    EXPECT_TRUE(Stand().IstAusgewaehlt(Stein->Spalte, Stein->Zeile));
    EXPECT_EQ(Brettbild(), Vorher);
}

TEST_F(Spiel, EinstellungenWirkenErstBeimNaechstenSpiel)
{
    NeuesSpiel();
    const QImage Vorher = Brettbild();
    const TAufgabenliste Aufgaben = Stand().Aufgaben;
    QTest::mouseClick(Form1->Zahlen->Knopf(3), Qt::LeftButton);
    QTest::mouseClick(Form1->Hintergrund->Knopf(2), Qt::LeftButton);
    QTest::mouseClick(Form1->Rechenarten->Knopf(4), Qt::LeftButton);
    ASSERT_EQ(Form1->Zahlen->ItemIndex(), 3);
    EXPECT_EQ(Brettbild(), Vorher);
    EXPECT_EQ(Stand().Aufgaben, Aufgaben);

    NeuesSpiel();
    for (const TAufgabe& Aufgabe : Stand().Aufgaben)
        EXPECT_NE(Aufgabe.Rechnung.find('*'), std::string::npos) << Aufgabe.Rechnung;
}

TEST_F(Spiel, FormwechselMittenImSpielGiltSofort)
{
    NeuesSpiel(); // "innen"
    // Row 4 of "innen" holds columns 2 to 7, so (3, 4) is shut in. In
    // "außen" (row 4: 11100111) its right neighbour is no position, so it is
    // free there, and (4, 4) is no position at all.
    KlickeZelle(3, 4);
    EXPECT_FALSE(Stand().HatAuswahl());
    QTest::mouseClick(Form1->Form->Knopf(2), Qt::LeftButton);
    KlickeZelle(4, 4);
    EXPECT_FALSE(Stand().HatAuswahl());
    KlickeZelle(3, 4);
    EXPECT_TRUE(Stand().IstAusgewaehlt(3, 4));
}

// A shortcut presses its button the way a click would, a moment later.
TEST_F(Spiel, TastenkuerzelMitAlt)
{
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1.get()));
    QWindow* Fenster = Form1->windowHandle();
    QTest::keyClick(Fenster, Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Form1->Hilfe->isVisible(); }));
    QTest::keyClick(Fenster, Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Form1->Hilfe->isVisible(); }));
    QTest::keyClick(Fenster, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Form1->Spielbrett->HatBild(); }));
    EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(0));
    EXPECT_FALSE(Form1->Hilfe->isVisible());
    QTest::keyClick(Fenster, Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Form1->isVisible(); }));
}

TEST_F(Spiel, EndeSchliesstMittenImSpiel)
{
    NeuesSpiel();
    KlickeZelle(1, 5);
    Klicke(Form1->EndeKnopf);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(Meldungen.isEmpty());
}

} // namespace
} // namespace kalumbo::test
