// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fensterhilfen.h"

#include "ui/Farbwahl.h"
#include "ui/Hilfe.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <random>

namespace kalumbo::test {
namespace {

// A chooser that picks a random colour or cancels.
class TLaunischeFarbwahl : public TFarbwahl {
public:
    explicit TLaunischeFarbwahl(std::mt19937& Zufall) : Zufall(Zufall) {}

protected:
    std::optional<TWahl> Zeige(QWidget*, const QColor&, const TEigeneFarben& Eigene) override
    {
        if (Zufall() % 3 == 0)
            return std::nullopt;
        return TWahl{QColor::fromRgb(static_cast<QRgb>(Zufall()) | 0xFF000000u), Eigene};
    }

private:
    std::mt19937& Zufall;
};

// Hammers the window with what a child at the mouse might do: settings
// changed at any time, new games, presses anywhere with any button, colour
// changes, the help shown and hidden. After every step the game must still
// be whole.
class Dauerspiel : public FensterTest, public testing::WithParamInterface<unsigned> {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        Zufall.seed(static_cast<std::uint32_t>(Saat()));
        Plan.seed(GetParam());
        Form1->Farbwahl = std::make_unique<TLaunischeFarbwahl>(Zufall);
    }

    // The run's seed and the test's own number decide the deals, the
    // colours chosen and where each step goes; the kinds of the steps
    // follow the test's number alone.
    std::uint64_t Saat() const override { return TestSaat() + GetParam(); }

    void ZufaelligerSchritt()
    {
        const unsigned Wurf = Plan() % 1000;
        if (Wurf < 10) {
            TRadioGruppe* Gruppen[] = {Form1->Zahlen, Form1->Rechenarten, Form1->Form, Form1->Hintergrund};
            TRadioGruppe* Gruppe = Gruppen[Zufall() % 4];
            QTest::mouseClick(Gruppe->Knopf(static_cast<int>(Zufall() % Gruppe->Items().size())), Qt::LeftButton);
            FormSeitDemGeben = FormSeitDemGeben && Form1->Form->ItemIndex() == FormDesSpiels;
        } else if (Wurf < 13) {
            NeuesSpiel();
            FormDesSpiels = Form1->Form->ItemIndex();
            FormSeitDemGeben = true;
            ++Spiele;
        } else if (Wurf < 16) {
            Klicke(Zufall() % 2 ? Form1->FarbeNormalKnopf : Form1->FarbeAusgewaehltKnopf);
        } else if (Wurf < 18 || (Form1->Hilfe->isVisible() && Wurf < 60)) {
            Klicke(Form1->HilfeKnopf);
        } else if (Wurf < 700) {
            // Most presses go where the game moves on: to the partner of
            // the selected tile, or to a tile of a pair that can be taken.
            if (const auto Partner = FreierPartnerDerAuswahl(); Partner && Zufall() % 4)
                KlickeZelle(Partner->Spalte, Partner->Zeile, Knopf());
            else if (const auto Paar = FreiesPaar())
                KlickeZelle(Paar->first.Spalte, Paar->first.Zeile, Knopf());
            else if (const auto Stein = FreierStein())
                KlickeZelle(Stein->Spalte, Stein->Zeile, Knopf());
        } else {
            KlickeBrett(static_cast<int>(Zufall() % 400), static_cast<int>(Zufall() % 400), Knopf());
        }
    }

    std::optional<TZelle> FreierPartnerDerAuswahl() const
    {
        const TSpielstand& S = Stand();
        if (!S.HatAuswahl())
            return std::nullopt;
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
                if (!S.IstAusgewaehlt(Spalte, Zeile) && IstFreierStein(Spalte, Zeile) &&
                    S.Felder[Spalte][Zeile].Paar == S.Felder[S.AuswahlSpalte][S.AuswahlZeile].Paar)
                    return TZelle{Spalte, Zeile};
        return std::nullopt;
    }

    Qt::MouseButton Knopf()
    {
        const Qt::MouseButton Knoepfe[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        return Knoepfe[Zufall() % 3];
    }

    void PruefeDasGanze()
    {
        const TSpielstand& S = Stand();
        std::array<int, AnzahlPaare + 1> Steine{};
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
                if (S.Felder[Spalte][Zeile].Seite != KeinStein)
                    ++Steine[static_cast<std::size_t>(S.Felder[Spalte][Zeile].Paar)];
        int Geloest = 0;
        for (int Paar = 1; Paar <= AnzahlPaare; ++Paar) {
            const int Anzahl = Steine[static_cast<std::size_t>(Paar)];
            ASSERT_TRUE(Anzahl == 0 || Anzahl == 2) << "pair " << Paar;
            Geloest += Anzahl == 0 ? 1 : 0;
        }
        if (Spiele == 0) {
            ASSERT_EQ(S.AnzahlGeloest, 0);
            return;
        }
        ASSERT_EQ(S.AnzahlGeloest, Geloest);
        ASSERT_LE(S.AnzahlGeloest, AnzahlPaare);
        ASSERT_EQ(Form1->Bravo->isVisible(), S.AnzahlGeloest == AnzahlPaare);

        // One history line per solved pair, each naming a pair now gone.
        const QStringList Verlauf = Form1->History->toPlainText().split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(Verlauf.size(), S.AnzahlGeloest);
        for (const QString& Zeile : Verlauf) {
            bool Passt = false;
            for (int Paar = 1; Paar <= AnzahlPaare; ++Paar)
                Passt = Passt || (Steine[static_cast<std::size_t>(Paar)] == 0 &&
                                  Zeile.toStdString() == Verlaufszeile(S.Aufgaben[Paar]));
            ASSERT_TRUE(Passt) << Zeile.toStdString();
        }

        if (S.HatAuswahl()) {
            ASSERT_NE(S.Felder[S.AuswahlSpalte][S.AuswahlZeile].Seite, KeinStein);
            if (FormSeitDemGeben) {
                ASSERT_TRUE(IstFreierStein(S.AuswahlSpalte, S.AuswahlZeile));
            }
        }

        // Where no tile stands, the board shows the background.
        if (!Form1->Spielbrett->isVisible())
            return;
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
                if (S.Felder[Spalte][Zeile].Seite != KeinStein)
                    continue;
                const QRect Zelle(Zellgroesse * (Spalte - 1), Zellgroesse * (Zeile - 1), Zellgroesse, Zellgroesse);
                ASSERT_EQ(Brettbild().copy(Zelle), Hintergrund().copy(Zelle)) << Spalte << "," << Zeile;
            }
    }

    // The kind of each step comes from a sequence of its own, so that every
    // run of a test makes the same number of new games whatever the deals.
    std::mt19937 Plan;
    std::mt19937 Zufall;
    int Spiele = 0;
    int FormDesSpiels = 0;
    bool FormSeitDemGeben = true;
};

TEST_P(Dauerspiel, SpielBleibtHeil)
{
    int Gewonnen = 0;
    bool SchonFertig = false;
    for (int Schritt = 0; Schritt < 4000; ++Schritt) {
        ZufaelligerSchritt();
        PruefeDasGanze();
        if (HasFatalFailure())
            FAIL() << "after step " << Schritt << " (seed " << Saat() << ")";
        const bool Fertig = Stand().AnzahlGeloest == AnzahlPaare;
        Gewonnen += Fertig && !SchonFertig ? 1 : 0;
        SchonFertig = Fertig;
    }
    EXPECT_GE(Spiele, 5);
    EXPECT_GT(Gewonnen, 0) << "no game was won, so the end of a game went untested";
    std::printf("seed %llu: %d games, %d won\n", static_cast<unsigned long long>(Saat()), Spiele, Gewonnen);
}

INSTANTIATE_TEST_SUITE_P(Saaten, Dauerspiel, testing::Values(1u, 2u, 3u, 4u));

} // namespace
} // namespace kalumbo::test
