// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's start options: each value chooses its item in the window's
// radio groups and leaves the other groups at their start; a wrong option
// or value ends the program with status 2 and a German message on
// standard error and in the message box, before any window of the game.
#include "Fensterhilfen.h"
#include "Laeufe.h"
#include "ui/Startoptionen.h"

#include <QProcess>
#include <QRadioButton>

namespace kalumbo::test {
namespace {

using TGruppe = TRadioGruppe* const TForm1::*;

struct TWahl {
    const char* Option;
    const char* Wert;
    TGruppe Gruppe;
    int Item;
    const char* Beschriftung; // of the item's radio button in the window
};

void PrintTo(const TWahl& Wahl, std::ostream* Ausgabe)
{
    *Ausgabe << Wahl.Option << ' ' << Wahl.Wert;
}

class Startoption : public FensterTest, public testing::WithParamInterface<TWahl> {};

TEST_P(Startoption, WaehltSeinItemUndLaesstDieAnderenGruppen)
{
    const TWahl& Wahl = GetParam();
    TRadioGruppe* const Gruppen[] = {Form1->Zahlen, Form1->Rechenarten, Form1->Form, Form1->Hintergrund};
    std::vector<int> Vorher;
    for (const TRadioGruppe* Gruppe : Gruppen)
        Vorher.push_back(Gruppe->ItemIndex());

    const TStartoptionen Start =
        LiesStartoptionen({QStringLiteral("rechen-kalumbo"), QString::fromUtf8(Wahl.Option), QString::fromUtf8(Wahl.Wert)});
    ASSERT_FALSE(Start.Ende.has_value());
    WaehleStartitems(Start.Wahl, *Form1);

    const TRadioGruppe* Gewaehlt = (*Form1).*Wahl.Gruppe;
    EXPECT_EQ(Gewaehlt->ItemIndex(), Wahl.Item);
    EXPECT_TRUE(Gewaehlt->Knopf(Wahl.Item)->isChecked());
    EXPECT_EQ(Gewaehlt->Knopf(Wahl.Item)->text(), QString::fromUtf8(Wahl.Beschriftung));
    for (std::size_t Nummer = 0; Nummer < std::size(Gruppen); ++Nummer) {
        if (Gruppen[Nummer] != Gewaehlt) {
            EXPECT_EQ(Gruppen[Nummer]->ItemIndex(), Vorher[Nummer]) << Gruppen[Nummer]->title().toStdString();
        }
    }
    EXPECT_TRUE(Meldungen.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    JedesItem, Startoption,
    testing::Values(TWahl{"--zahlen", "30", &TForm1::Zahlen, 0, "30"},
                    TWahl{"--zahlen", "50", &TForm1::Zahlen, 1, "50"},
                    TWahl{"--zahlen", "100", &TForm1::Zahlen, 2, "100"},
                    TWahl{"--zahlen", "1000", &TForm1::Zahlen, 3, "1000"},
                    TWahl{"--rechenarten", "plus", &TForm1::Rechenarten, 0, "plus"},
                    TWahl{"--rechenarten", "minus", &TForm1::Rechenarten, 1, "minus"},
                    TWahl{"--rechenarten", "plus-minus", &TForm1::Rechenarten, 2, "beide"},
                    TWahl{"--rechenarten", "alle", &TForm1::Rechenarten, 3, "alle"},
                    TWahl{"--rechenarten", "mal", &TForm1::Rechenarten, 4, "mal"},
                    TWahl{"--rechenarten", "durch", &TForm1::Rechenarten, 5, "durch"},
                    TWahl{"--rechenarten", "mal-durch", &TForm1::Rechenarten, 6, "beide"},
                    TWahl{"--form", "innen", &TForm1::Form, 0, "innen"},
                    TWahl{"--form", "A", &TForm1::Form, 1, "A"},
                    TWahl{"--form", "außen", &TForm1::Form, 2, "außen"},
                    TWahl{"--form", "S", &TForm1::Form, 3, "S"},
                    TWahl{"--hintergrund", "1", &TForm1::Hintergrund, 0, "Bild1"},
                    TWahl{"--hintergrund", "2", &TForm1::Hintergrund, 1, "Bild2"},
                    TWahl{"--hintergrund", "3", &TForm1::Hintergrund, 2, "Bild3"},
                    TWahl{"--hintergrund", "4", &TForm1::Hintergrund, 3, "Bild4"}));

// A start of its own process, as from a menu entry: what it printed, what
// its message box said, and how it ended.
struct TStart {
    int Status = -1;
    QString Ausgabe;
    QString Fehler;

    QStringList Zeilen(const QString& Anfang) const
    {
        QStringList Gefunden;
        for (const QString& Zeile : Ausgabe.split(QLatin1Char('\n')))
            if (Zeile.startsWith(Anfang))
                Gefunden.append(Zeile.mid(Anfang.size()));
        return Gefunden;
    }
};

TStart Starte(const QStringList& Optionen)
{
    QProcess Spiel;
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    Umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Spiel.setProcessEnvironment(Umgebung);
    Spiel.start(QCoreApplication::applicationFilePath(), QStringList{LaufSchalter, QStringLiteral("start")} + Optionen);
    TStart Start;
    if (!Spiel.waitForFinished(60000)) {
        ADD_FAILURE() << "the start did not end";
        Spiel.kill();
        Spiel.waitForFinished();
        return Start;
    }
    Start.Status = Spiel.exitStatus() == QProcess::NormalExit ? Spiel.exitCode() : -1;
    Start.Ausgabe = QString::fromUtf8(Spiel.readAllStandardOutput());
    Start.Fehler = QString::fromUtf8(Spiel.readAllStandardError());
    return Start;
}

TEST(Startoptionen, FalscherWertEndetMitStatusZweiDeutscherMeldungUndOhneFenster)
{
    const QString Erwartet = QString::fromUtf8("„quer“ ist kein erlaubter Wert für --form. Erlaubt sind: innen, A, aussen, S.");
    const TStart Start = Starte({"--zahlen", "30", "--form", "quer"});
    EXPECT_EQ(Start.Status, 2) << Start.Fehler.toStdString();
    EXPECT_TRUE(Start.Fehler.contains(Erwartet)) << Start.Fehler.toStdString();
    EXPECT_EQ(Start.Zeilen("Meldung: "), QStringList{QStringLiteral("Rechen-Kalumbo: ") + Erwartet});
    EXPECT_EQ(Start.Zeilen("Fenster: "), QStringList{"QMessageBox"});
    EXPECT_TRUE(Start.Zeilen("Items: ").isEmpty());
}

TEST(Startoptionen, UnbekannteOptionFehlenderWertUndFalscheWerteWerdenGenannt)
{
    const struct {
        QStringList Optionen;
        const char* Meldung;
    } Faelle[] = {
        {{"--farbe", "rot"}, "--farbe ist keine Option von Rechen-Kalumbo. Erlaubt sind: --zahlen, --rechenarten, "
                             "--form, --hintergrund, --help, --version."},
        {{"--hintergrund"}, "Nach --hintergrund fehlt der Wert. Erlaubt sind: 1, 2, 3, 4."},
        {{"30"}, "„30“ ist keine Option von Rechen-Kalumbo."},
        {{"--zahlen", "20", "--rechenarten", "pluss"}, "„20“ ist kein erlaubter Wert für --zahlen. Erlaubt sind: "
                                                       "30, 50, 100, 1000.\n„pluss“ ist kein erlaubter Wert"},
    };
    for (const auto& Fall : Faelle) {
        SCOPED_TRACE(Fall.Optionen.join(' ').toStdString());
        const TStart Start = Starte(Fall.Optionen);
        EXPECT_EQ(Start.Status, 2);
        EXPECT_TRUE(Start.Fehler.contains(QString::fromUtf8(Fall.Meldung))) << Start.Fehler.toStdString();
        EXPECT_EQ(Start.Zeilen("Meldung: ").size(), 1);
        EXPECT_EQ(Start.Zeilen("Fenster: "), QStringList{"QMessageBox"});
    }
}

TEST(Startoptionen, GuterStartZeigtDasFensterMitDenItemsHilfeNurDenText)
{
    const TStart Gut = Starte({"--zahlen", "1000", "--rechenarten", "mal-durch", "-form", "S", "--hintergrund=Bild4"});
    EXPECT_EQ(Gut.Status, 0) << Gut.Fehler.toStdString();
    EXPECT_EQ(Gut.Zeilen("Items: "), QStringList{"3 6 3 3"});
    EXPECT_EQ(Gut.Zeilen("Fenster: "), QStringList{"kalumbo::TForm1"});
    EXPECT_TRUE(Gut.Zeilen("Meldung: ").isEmpty());

    const TStart Hilfe = Starte({"--help"});
    EXPECT_EQ(Hilfe.Status, 0);
    EXPECT_TRUE(Hilfe.Ausgabe.startsWith("Aufruf: rechen-kalumbo [Optionen]")) << Hilfe.Ausgabe.toStdString();
    for (const char* Teil : {"--zahlen WERT", "Werte: innen, A, aussen, S", "zeigt die Version", "1. Klasse:"})
        EXPECT_TRUE(Hilfe.Ausgabe.contains(QString::fromUtf8(Teil))) << Teil;
    EXPECT_TRUE(Hilfe.Zeilen("Fenster: ").isEmpty());

    const TStart Version = Starte({"--version"});
    EXPECT_EQ(Version.Status, 0);
    EXPECT_TRUE(Version.Ausgabe.startsWith("Rechen-Kalumbo 1.")) << Version.Ausgabe.toStdString();
}

} // namespace
} // namespace kalumbo::test
