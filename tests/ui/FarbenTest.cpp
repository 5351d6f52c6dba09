// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogbediener.h"
#include "Fensterhilfen.h"
#include "Laeufe.h"

#include "ui/Farbwahl.h"
#include "ui/Hilfe.h"

#include <QColorDialog>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

namespace kalumbo::test {
namespace {

// A chooser that answers at once: with a colour (and perhaps new custom
// colours), or by cancelling.
class TTestFarbwahl : public TFarbwahl {
public:
    std::optional<QColor> Antwort;
    std::map<int, QColor> NeueEigene;

    int Aufrufe = 0;
    QColor GeoeffnetMit;
    TEigeneFarben GeoeffneteEigene;

protected:
    std::optional<TWahl> Zeige(QWidget*, const QColor& Start, const TEigeneFarben& Eigene) override
    {
        ++Aufrufe;
        GeoeffnetMit = Start;
        GeoeffneteEigene = Eigene;
        if (!Antwort)
            return std::nullopt;
        TWahl Wahl{*Antwort, Eigene};
        for (const auto& [Slot, Farbe] : NeueEigene)
            Wahl.Eigene[static_cast<std::size_t>(Slot)] = Farbe;
        return Wahl;
    }
};

QRgb Rgb(const QImage& Bild, int X, int Y)
{
    return Bild.pixel(X, Y) & RGB_MASK;
}

class Farben : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        auto Neu = std::make_unique<TTestFarbwahl>();
        Wahl = Neu.get();
        Neu->CustomColors = Form1->Farbwahl->CustomColors;
        Form1->Farbwahl = std::move(Neu);
    }

    TTestFarbwahl* Wahl = nullptr;
};

TEST_F(Farben, StartfarbenStehenInDenEigenenFarben)
{
    EXPECT_EQ(Wahl->CustomColors, (QStringList{"ColorA=A0D0FF", "ColorB=A06010"}));
    EXPECT_EQ(TFarbwahl::Eintrag(15, 0x00010203), "ColorP=010203");
}

TEST_F(Farben, AbbrechenLaesstDieFarbeUndZeichntNeu)
{
    NeuesSpiel();
    const QImage Vorher = Brettbild();
    // Spoil a tile's pixel: only a redraw mends it.
    Form1->Spielbrett->Leinwand({400, 400}).setPixel(202, 202, qRgb(1, 2, 3));
    Klicke(Form1->FarbeNormalKnopf);
    EXPECT_EQ(Wahl->Aufrufe, 1);
    EXPECT_EQ(Steinfarben().Normal, StartFarbeNormal);
    EXPECT_EQ(Brettbild(), Vorher);
}

TEST_F(Farben, NeueAuswahlfarbeGiltSofortUndDieAuswahlBleibt)
{
    NeuesSpiel();
    KlickeZelle(1, 5);
    Wahl->Antwort = QColor(0, 200, 0);
    Klicke(Form1->FarbeAusgewaehltKnopf);
    EXPECT_EQ(Steinfarben().Ausgewaehlt, 0x0000C800u);
    EXPECT_TRUE(Stand().IstAusgewaehlt(1, 5));
    EXPECT_EQ(Rgb(Brettbild(), 2, 202), qRgb(0, 200, 0) & RGB_MASK);
    EXPECT_EQ(Rgb(Brettbild(), 352, 202), AlsQColor(StartFarbeNormal).rgb() & RGB_MASK);
}

TEST_F(Farben, WahlOeffnetMitDerAktuellenFarbe)
{
    Wahl->Antwort = QColor(10, 20, 30);
    Klicke(Form1->FarbeNormalKnopf);
    EXPECT_EQ(Wahl->GeoeffnetMit, AlsQColor(StartFarbeNormal));
    Wahl->Antwort.reset();
    Klicke(Form1->FarbeNormalKnopf);
    EXPECT_EQ(Wahl->GeoeffnetMit, QColor(10, 20, 30));
    Klicke(Form1->FarbeAusgewaehltKnopf);
    EXPECT_EQ(Wahl->GeoeffnetMit, AlsQColor(StartFarbeAusgewaehlt));
}

TEST_F(Farben, EigeneFarbenAundBBleibenBisSieBestaetigtGeaendertWerden)
{
    Wahl->Antwort = QColor(10, 20, 30);
    Klicke(Form1->FarbeNormalKnopf);
    Klicke(Form1->FarbeNormalKnopf);
    EXPECT_EQ(Wahl->GeoeffneteEigene[0], AlsQColor(StartFarbeNormal));
    EXPECT_EQ(Wahl->GeoeffneteEigene[1], AlsQColor(StartFarbeAusgewaehlt));
    EXPECT_FALSE(Wahl->GeoeffneteEigene[2]);
    EXPECT_EQ(Wahl->CustomColors, (QStringList{"ColorA=A0D0FF", "ColorB=A06010"}));

    // Cancelled: nothing written back.
    Wahl->Antwort.reset();
    Wahl->NeueEigene = {{2, QColor(255, 0, 0)}};
    Klicke(Form1->FarbeNormalKnopf);
    EXPECT_EQ(Wahl->CustomColors, (QStringList{"ColorA=A0D0FF", "ColorB=A06010"}));

    // Confirmed: slot C is added, slot A replaced, B stays.
    Wahl->Antwort = QColor(1, 1, 1);
    Wahl->NeueEigene = {{2, QColor(255, 0, 0)}, {0, QColor(0x12, 0x34, 0x56)}};
    Klicke(Form1->FarbeAusgewaehltKnopf);
    EXPECT_EQ(Wahl->CustomColors, (QStringList{"ColorA=563412", "ColorB=A06010", "ColorC=0000FF"}));
    Klicke(Form1->FarbeAusgewaehltKnopf);
    EXPECT_EQ(Wahl->GeoeffneteEigene[2], QColor(255, 0, 0));
}

TEST_F(Farben, NeuZeichnenHoltKeinenGeloestenSteinZurueck)
{
    NeuesSpielMitPaaren();
    const auto [Erste, Zweite] = LoeseEinPaar();
    const QImage Vorher = Brettbild();
    Wahl->Antwort = QColor(200, 0, 200);
    Klicke(Form1->FarbeNormalKnopf);
    const int X0 = Zellgroesse * (Erste.Spalte - 1), Y0 = Zellgroesse * (Erste.Zeile - 1);
    for (int I = 0; I < 50; I += 5)
        EXPECT_EQ(Brettbild().pixel(X0 + I, Y0 + I), Vorher.pixel(X0 + I, Y0 + I));
    EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(1));
}

TEST_F(Farben, FarbeVorDemErstenSpielGiltFuerDasSpiel)
{
    Wahl->Antwort = QColor(0, 0, 255);
    Klicke(Form1->FarbeNormalKnopf);
    EXPECT_EQ(Steinfarben().Normal, 0x00FF0000u);
    EXPECT_EQ(Rgb(Brettbild(), 202, 202), qRgb(255, 255, 255) & RGB_MASK) << "no tile yet, white";
    NeuesSpiel();
    EXPECT_EQ(Rgb(Brettbild(), 202, 202), qRgb(0, 0, 255) & RGB_MASK);
    // A new game does not reset the colour.
    NeuesSpiel();
    EXPECT_EQ(Steinfarben().Normal, 0x00FF0000u);
}

// Qt's own dialog, driven from a timer once it is open.
class EchteFarbwahl : public FensterTest {
protected:
    // Runs "normal" and, in the open dialog, picks Farbe and confirms or cancels.
    bool Bedient(const QColor& Farbe, bool Bestaetigen)
    {
        const TDialogbediener<QColorDialog> Bediener([&](QColorDialog& Gesehen) {
            Offen.Farbe = Gesehen.currentColor();
            Offen.Nativ = !Gesehen.testOption(QColorDialog::DontUseNativeDialog);
            Offen.EigeneA = QColorDialog::customColor(0);
            Offen.EigeneB = QColorDialog::customColor(1);
            Gesehen.setCurrentColor(Farbe);
            Bestaetigen ? Gesehen.accept() : Gesehen.reject();
        });
        Klicke(Form1->FarbeNormalKnopf);
        return Bediener.Gefunden();
    }

    struct {
        QColor Farbe;
        bool Nativ = true;
        QColor EigeneA, EigeneB;
    } Offen;
};

TEST_F(EchteFarbwahl, BestaetigenUndAbbrechen)
{
    ASSERT_TRUE(Bedient(QColor(1, 2, 3), true)) << "no colour dialog";
    EXPECT_EQ(Offen.Farbe, AlsQColor(StartFarbeNormal));
    EXPECT_FALSE(Offen.Nativ);
    EXPECT_EQ(Offen.EigeneA, AlsQColor(StartFarbeNormal));
    EXPECT_EQ(Offen.EigeneB, AlsQColor(StartFarbeAusgewaehlt));
    EXPECT_EQ(Steinfarben().Normal, 0x00030201u);

    ASSERT_TRUE(Bedient(QColor(9, 9, 9), false)) << "no colour dialog";
    EXPECT_EQ(Offen.Farbe, QColor(1, 2, 3));
    EXPECT_EQ(Steinfarben().Normal, 0x00030201u);
    EXPECT_EQ(Form1->Farbwahl->CustomColors, (QStringList{"ColorA=A0D0FF", "ColorB=A06010"}));
}

// Two runs of the game with a home directory of their own: the first sets
// and confirms custom colours, the second finds only A and B. Nothing may
// be written into the home directory.
TEST(EigeneFarben, WerdenNirgendsGespeichert)
{
    QTemporaryDir Heim;
    ASSERT_TRUE(Heim.isValid());
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert("HOME", Heim.path());
    Umgebung.insert("XDG_CONFIG_HOME", Heim.path() + "/.config");
    Umgebung.insert("QT_QPA_PLATFORM", "offscreen");

    for (const QString Lauf : {"setzen", "pruefen"}) {
        QProcess Spiel;
        Spiel.setProcessEnvironment(Umgebung);
        Spiel.start(QCoreApplication::applicationFilePath(), {LaufSchalter, "farbwahl", Lauf});
        ASSERT_TRUE(Spiel.waitForFinished(60000));
        EXPECT_EQ(Spiel.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(Spiel.exitCode(), 0) << Lauf.toStdString() << ": " << Spiel.readAllStandardError().toStdString();
    }
    const QStringList Inhalt = QDir(Heim.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_TRUE(Inhalt.isEmpty()) << Inhalt.join(", ").toStdString();
}

} // namespace
} // namespace kalumbo::test
