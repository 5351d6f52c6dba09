// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fensterhilfen.h"
#include "Laeufe.h"

#include "Testbilder.h"
#include "ui/Hintergrundbilder.h"

#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include <unistd.h>

namespace kalumbo::test {
namespace {

void SchreibeDatei(const QString& Name, const std::vector<std::uint8_t>& Inhalt)
{
    QFile Datei(Name);
    ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
    Datei.write(reinterpret_cast<const char*>(Inhalt.data()), static_cast<qint64>(Inhalt.size()));
}

std::vector<std::uint8_t> Foto(int Breite, int Hoehe)
{
    return SchreibeJpeg({.Breite = Breite, .Hoehe = Hoehe}, Verlauf(Breite, Hoehe));
}

// Each file ends either in a clear message or in a correct picture, and a
// game is playable right after.
class FeindlicheDatei : public FensterTest {
protected:
    void NeuesSpielMitBild2()
    {
        QTest::mouseClick(Form1->Hintergrund->Knopf(1), Qt::LeftButton);
        NeuesSpielMitPaaren();
        QTest::mouseClick(Form1->Hintergrund->Knopf(0), Qt::LeftButton);
    }

    void PruefeSpielbar()
    {
        if (!Form1->Spielbrett->isVisible() || !FreiesPaar())
            NeuesSpielMitBild2();
        ASSERT_TRUE(Form1->Spielbrett->isVisible());
        LoeseEinPaar();
        EXPECT_EQ(Stand().AnzahlGeloest, 1);
    }

    QString EinzigeMeldung() const { return Meldungen.size() == 1 ? Meldungen[0] : Meldungen.join(" | "); }

    TArbeitsverzeichnis Verzeichnis;
};

TEST_F(FeindlicheDatei, AbgeschnittenesJpegWirdSoweitDaBenutzt)
{
    const std::vector<std::uint8_t> Ganz = Foto(400, 400);
    SchreibeDatei("Bild1.jpg", {Ganz.begin(), Ganz.begin() + static_cast<std::ptrdiff_t>(Ganz.size() / 2)});
    NeuesSpiel();
    EXPECT_TRUE(Meldungen.isEmpty()) << EinzigeMeldung().toStdString();
    EXPECT_EQ(Hintergrund().size(), QSize(400, 400));
    // The top rows came through; the missing rest is filled by the decoder.
    const QColor Oben = Hintergrund().pixelColor(10, 10);
    EXPECT_NEAR(Oben.red(), 100, 8);
    PruefeSpielbar();
}

TEST_F(FeindlicheDatei, ZwoelfBitJpegEndetInDerMeldung)
{
    std::vector<std::uint8_t> Jpeg = Foto(64, 64);
    Jpeg.at(FindeBildkopf(Jpeg) + 4) = 12; // the sample precision
    SchreibeDatei("Bild1.jpg", Jpeg);
    NeuesSpiel();
    EXPECT_TRUE(EinzigeMeldung().startsWith("JPEG-Fehlernr. ")) << EinzigeMeldung().toStdString();
    EXPECT_FALSE(Form1->Spielbrett->isVisible());
    PruefeSpielbar();
}

TEST_F(FeindlicheDatei, RiesigeKoepfeEnden)
{
    SchreibeDatei("Bild1.jpg", MitBehaupteterGroesse(true, 65000, 65000));
    NeuesSpiel();
    EXPECT_TRUE(EinzigeMeldung().startsWith("JPEG-Fehlernr. ")) << EinzigeMeldung().toStdString();
    PruefeSpielbar();

    Meldungen.clear();
    SchreibeDatei("Bild1.jpg", MitBehaupteterGroesse(false, 65000, 65000));
    NeuesSpiel();
    EXPECT_TRUE(Meldungen.isEmpty());
    EXPECT_EQ(Hintergrund().size(), QSize(400, 400));
    PruefeSpielbar();
}

TEST_F(FeindlicheDatei, VerweisAufEinJpegZaehltAlsDatei)
{
    SchreibeDatei("echt.jpg", Foto(300, 200));
    ASSERT_TRUE(QFile::link("echt.jpg", "Bild1.jpg"));
    NeuesSpiel();
    EXPECT_TRUE(Meldungen.isEmpty());
    EXPECT_EQ(Hintergrund().size(), QSize(300, 200));
    PruefeSpielbar();
}

TEST_F(FeindlicheDatei, VerwaisterVerweisUndVerzeichnisZaehlenAlsKeineDatei)
{
    ASSERT_TRUE(QFile::link("gibt-es-nicht.jpg", "Bild1.jpg"));
    ASSERT_TRUE(QDir().mkdir("Bild2.jpg"));
    NeuesSpiel();
    EXPECT_EQ(Hintergrund(), DekodiereEingebautesBild(1));
    NeuesSpielMitBild2();
    EXPECT_EQ(Hintergrund(), DekodiereEingebautesBild(2));
    EXPECT_TRUE(Meldungen.isEmpty());
    PruefeSpielbar();
}

// Root may open every file, so the game runs as "nobody" there; anyone
// else cannot open a file without read permission anyway.
TEST(UnlesbareDatei, MeldetDenDateinamenUndBleibtSpielbar)
{
    QTemporaryDir Ort;
    ASSERT_TRUE(Ort.isValid());
    QFile::setPermissions(Ort.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QString Datei = Ort.filePath("Bild1.jpg");
    {
        QFile Bild(Datei);
        ASSERT_TRUE(Bild.open(QIODevice::WriteOnly));
        const std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 40, .Hoehe = 40}, Verlauf(40, 40));
        Bild.write(reinterpret_cast<const char*>(Jpeg.data()), static_cast<qint64>(Jpeg.size()));
    }
    ASSERT_TRUE(QFile::setPermissions(Datei, QFileDevice::Permissions()));

    const QString Programm = QCoreApplication::applicationFilePath();
    QProcess Spiel;
    Spiel.setWorkingDirectory(Ort.path());
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    Umgebung.insert("HOME", Ort.path());
    Spiel.setProcessEnvironment(Umgebung);
    if (geteuid() == 0)
        Spiel.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", Programm, LaufSchalter, "bild"});
    else
        Spiel.start(Programm, {LaufSchalter, "bild"});
    ASSERT_TRUE(Spiel.waitForFinished(60000));
    const QString Ausgabe = QString::fromUtf8(Spiel.readAllStandardOutput());
    EXPECT_EQ(Spiel.exitCode(), 0) << Spiel.readAllStandardError().toStdString();
    EXPECT_EQ(Ausgabe, QString::fromUtf8("Meldung: Datei Bild1.jpg kann nicht geöffnet werden.\n"
                                         "Brett nach Bild1: verborgen\n"
                                         "Brett nach Bild2: sichtbar\n"));
}

} // namespace
} // namespace kalumbo::test
