// SPDX-License-Identifier: GPL-3.0-or-later
#include "bild/JpegDekoder.h"
#include "Testbilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace kalumbo::test {
namespace {

constexpr int Toleranz = 4;

std::string JpegMeldung(int Code)
{
    return "JPEG-Fehlernr. " + std::to_string(Code);
}

// "JPEG-Fehlernr. " followed by a decimal number and nothing else.
bool IstJpegMeldung(const std::string& Meldung)
{
    const std::string Anfang = "JPEG-Fehlernr. ";
    if (Meldung.size() <= Anfang.size() || Meldung.compare(0, Anfang.size(), Anfang) != 0)
        return false;
    return std::all_of(Meldung.begin() + std::ptrdiff_t(Anfang.size()), Meldung.end(),
                       [](char Zeichen) { return Zeichen >= '0' && Zeichen <= '9'; });
}

// The message of the picture error the call ends in, or "" without one.
template <typename TAufruf>
std::string MeldungVon(TAufruf Aufruf)
{
    try {
        Aufruf();
    } catch (const TBildFehler& Fehler) {
        return Fehler.what();
    }
    return "";
}

std::string MeldungAusSpeicher(const std::vector<std::uint8_t>& Daten)
{
    return MeldungVon([&] { DekodiereJpeg(Daten.data(), Daten.size()); });
}

std::string MeldungAusDatei(const std::vector<std::uint8_t>& Daten)
{
    const TTempVerzeichnis Ort;
    const std::string Datei = Ort.Schreibe("Bild1.jpg", Daten).string();
    return MeldungVon([&] { LiesJpegDatei(Datei); });
}


TEST(JpegUnlesbar, KeinJpegEndetInDerMeldungMitDemCodeDerBibliothek)
{
    const std::vector<std::uint8_t> Leer;
    const std::vector<std::uint8_t> PngAnfang = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                                 0x00, 0x00, 0x00, 0x0D, 'I', 'H', 'D', 'R'};
    EXPECT_EQ(MeldungAusSpeicher(Leer), JpegMeldung(JERR_INPUT_EMPTY));
    EXPECT_EQ(MeldungAusDatei(Leer), JpegMeldung(JERR_INPUT_EMPTY));
    EXPECT_EQ(MeldungAusSpeicher(PngAnfang), JpegMeldung(JERR_NO_SOI));
    EXPECT_EQ(MeldungAusDatei(PngAnfang), JpegMeldung(JERR_NO_SOI));

    // Noise, once as it comes and once behind a real start-of-image marker,
    // so the marker reader meets it too.
    std::mt19937 Zufall(4711);
    for (int Versuch = 0; Versuch < 20; ++Versuch) {
        std::vector<std::uint8_t> Rauschen(64 + Versuch * 97);
        for (auto& Byte : Rauschen)
            Byte = static_cast<std::uint8_t>(Zufall());
        if (Versuch % 2 == 1) {
            Rauschen[0] = 0xFF;
            Rauschen[1] = 0xD8;
        }
        const std::string Meldung = MeldungAusSpeicher(Rauschen);
        EXPECT_TRUE(IstJpegMeldung(Meldung))
            << "Versuch " << Versuch << ": \"" << Meldung << "\"";
        EXPECT_EQ(MeldungAusDatei(Rauschen), Meldung) << "Versuch " << Versuch;
    }
}

TEST(JpegUnlesbar, ZwoelfBitWerdenAbgelehnt)
{
    std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 64, .Hoehe = 64}, Verlauf(64, 64));
    ASSERT_NO_THROW(DekodiereJpeg(Jpeg.data(), Jpeg.size()));
    Jpeg.at(FindeBildkopf(Jpeg) + 4) = 12;
    EXPECT_EQ(MeldungAusSpeicher(Jpeg), JpegMeldung(JERR_BAD_PRECISION));
    EXPECT_EQ(MeldungAusDatei(Jpeg), JpegMeldung(JERR_BAD_PRECISION));
}

TEST(JpegUnlesbar, DieBibliothekSchreibtNichtsAufDieFehlerausgabe)
{
    const std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 300, .Hoehe = 300}, Verlauf(300, 300));
    const std::vector<std::uint8_t> Abgeschnitten(Jpeg.begin(), Jpeg.begin() + std::ptrdiff_t(Jpeg.size() / 3));
    const std::vector<std::uint8_t> KeinJpeg = {'G', 'I', 'F', '8', '9', 'a'};

    testing::internal::CaptureStderr();
    const std::string Warnung = MeldungAusSpeicher(Abgeschnitten);
    const std::string Fehler = MeldungAusSpeicher(KeinJpeg);
    const std::string Ausgabe = testing::internal::GetCapturedStderr();

    EXPECT_EQ(Warnung, "");
    EXPECT_EQ(Fehler, JpegMeldung(JERR_NO_SOI));
    EXPECT_EQ(Ausgabe, "");
}

TEST(JpegBeschaedigt, AbgeschnitteneDateiWirdSoweitDaVerwendet)
{
    const TQuellbild Quelle = Verlauf(800, 600);
    const std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 800, .Hoehe = 600}, Quelle);
    // Cut after about the first 240 rows: the top rows are all there.
    const std::vector<std::uint8_t> Abgeschnitten(Jpeg.begin(), Jpeg.begin() + std::ptrdiff_t(Jpeg.size() * 2 / 5));

    const TTempVerzeichnis Ort;
    const std::string Datei = Ort.Schreibe("Bild2.jpg", Abgeschnitten).string();
    for (const TPixelbild& Bild : {DekodiereJpeg(Abgeschnitten.data(), Abgeschnitten.size()), LiesJpegDatei(Datei)}) {
        ASSERT_EQ(Bild.Breite, 400);
        ASSERT_EQ(Bild.Hoehe, 400);
        TPixelbild Oben = Bild;
        Oben.Hoehe = 160;
        EXPECT_LE(GroessteAbweichung(Oben, Quelle), Toleranz);
    }
}

TEST(JpegFeindlich, RiesigerProgressiverKopfEndetInDerMeldung)
{
    const std::vector<std::uint8_t> Jpeg = MitBehaupteterGroesse(true, 65000, 65000);
    // The coefficients of the whole picture would need many gigabytes.
    EXPECT_EQ(MeldungAusSpeicher(Jpeg), JpegMeldung(JERR_NO_BACKING_STORE));
    EXPECT_EQ(MeldungAusDatei(Jpeg), JpegMeldung(JERR_NO_BACKING_STORE));
}

TEST(JpegFeindlich, RiesigerKopfInEinemDurchgangLiefertDenSichtbarenTeil)
{
    const std::vector<std::uint8_t> Jpeg = MitBehaupteterGroesse(false, 65000, 65000);
    const TPixelbild Bild = DekodiereJpeg(Jpeg.data(), Jpeg.size());
    EXPECT_EQ(Bild.Breite, 400);
    EXPECT_EQ(Bild.Hoehe, 400);
    EXPECT_EQ(Bild.Rgb.size(), 400u * 400u * 3u);
}

TEST(JpegFeindlich, ProgressiveFotosBrauchenNurDieSichtbarenZeilen)
{
    // 16000 x 12000 pixels with 4:2:0 chroma: about 576 MB of coefficients
    // for the whole picture, about 26 MB for its visible rows.
    const std::vector<std::uint8_t> Gross = MitBehaupteterGroesse(true, 16000, 12000);
    const TPixelbild Bild = DekodiereJpeg(Gross.data(), Gross.size());
    EXPECT_EQ(Bild.Breite, 400);
    EXPECT_EQ(Bild.Hoehe, 400);
    // Twice as wide, its visible rows alone are too much, as in the browser.
    const std::vector<std::uint8_t> Breit = MitBehaupteterGroesse(true, 32000, 400);
    EXPECT_EQ(MeldungAusSpeicher(Breit), JpegMeldung(JERR_NO_BACKING_STORE));
}

// A small grey progressive picture that claims a size and repeats its last
// scan: every repetition passes over the whole claimed picture again.
std::vector<std::uint8_t> MitWiederholterAbtastung(int Kante, int Wiederholungen)
{
    std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 16, .Hoehe = 16, .Farbart = TFarbart::Grau, .Progressiv = true},
                                                  TQuellbild{16, 16, 1, std::vector<std::uint8_t>(256, 99)});
    const std::size_t Kopf = FindeBildkopf(Jpeg);
    for (const std::size_t Stelle : {Kopf + 5, Kopf + 7}) {
        Jpeg.at(Stelle) = static_cast<std::uint8_t>(Kante >> 8);
        Jpeg.at(Stelle + 1) = static_cast<std::uint8_t>(Kante & 0xFF);
    }
    // The last scan runs from the last SOS marker to the end-of-image marker.
    std::size_t LetzteAbtastung = 0;
    for (std::size_t I = 0; I + 1 < Jpeg.size(); ++I)
        if (Jpeg[I] == 0xFF && Jpeg[I + 1] == 0xDA)
            LetzteAbtastung = I;
    const std::vector<std::uint8_t> Abtastung(Jpeg.begin() + std::ptrdiff_t(LetzteAbtastung), Jpeg.end() - 2);
    Jpeg.erase(Jpeg.end() - 2, Jpeg.end());
    for (int I = 0; I < Wiederholungen; ++I)
        Jpeg.insert(Jpeg.end(), Abtastung.begin(), Abtastung.end());
    Jpeg.insert(Jpeg.end(), {0xFF, 0xD9});
    return Jpeg;
}

TEST(JpegFeindlich, EndloseAbtastungenUeberEinemRiesenbildEnden)
{
    // 6,000 x 6,000 grey fits the memory easily; a thousand scans over it
    // are more work than any real picture needs.
    const std::vector<std::uint8_t> Jpeg = MitWiederholterAbtastung(6000, 1000);
    EXPECT_EQ(MeldungAusSpeicher(Jpeg), JpegMeldung(JERR_BAD_PROGRESSION));
    EXPECT_EQ(MeldungAusDatei(Jpeg), JpegMeldung(JERR_BAD_PROGRESSION));
}

TEST(JpegFeindlich, ArithmetischeBloeckeAusNichtsEnden)
{
    // Every block the files do not hold comes out of the decoder's model,
    // as costly as a full one: 65,000 pixels across in one scan, and
    // 65,000 rows in scans that are each read as far as the kept rows.
    for (const std::vector<std::uint8_t>& Jpeg :
         {ArithmetischOhneDaten(65000, 400, false), ArithmetischOhneDaten(4000, 65000, true, 3)}) {
        EXPECT_EQ(MeldungAusSpeicher(Jpeg), JpegMeldung(JERR_BAD_PROGRESSION));
        EXPECT_EQ(MeldungAusDatei(Jpeg), JpegMeldung(JERR_BAD_PROGRESSION));
    }
    // A picture the size of a photo is shown.
    const std::vector<std::uint8_t> Foto = ArithmetischOhneDaten(2000, 2000, true);
    const TPixelbild Bild = DekodiereJpeg(Foto.data(), Foto.size());
    EXPECT_EQ(Bild.Breite, 400);
    EXPECT_EQ(Bild.Hoehe, 400);
}

TEST(JpegFeindlich, VieleAbtastungenEinesKleinenBildesSindErlaubt)
{
    const std::vector<std::uint8_t> Jpeg = MitWiederholterAbtastung(400, 100);
    const TPixelbild Bild = DekodiereJpeg(Jpeg.data(), Jpeg.size());
    EXPECT_EQ(Bild.Breite, 400);
    EXPECT_EQ(Bild.Hoehe, 400);
}

TEST(JpegDatei, FehlendeDateiNenntIhrenNamen)
{
    std::string Meldung;
    {
        const TArbeitsverzeichnis Leer;
        Meldung = MeldungVon([] { LiesJpegDatei("Bild9.jpg"); });
    }

    EXPECT_EQ(Meldung, "Datei Bild9.jpg kann nicht geöffnet werden");
}

TEST(JpegDatei, DateiUndSpeicherGebenDieselbenPixel)
{
    const std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 640, .Hoehe = 480, .Progressiv = true}, Verlauf(640, 480));
    const TPixelbild AusSpeicher = DekodiereJpeg(Jpeg.data(), Jpeg.size());
    ASSERT_EQ(AusSpeicher.Breite, 400);
    ASSERT_EQ(AusSpeicher.Hoehe, 400);

    const TTempVerzeichnis Ort;
    const auto Pfad = Ort.Schreibe("Bild3.jpg", Jpeg);
    const TPixelbild AusDatei = LiesJpegDatei(Pfad.string());
    EXPECT_EQ(AusDatei.Breite, AusSpeicher.Breite);
    EXPECT_EQ(AusDatei.Hoehe, AusSpeicher.Hoehe);
    EXPECT_TRUE(AusDatei.Rgb == AusSpeicher.Rgb);

    // An open file is read from where it stands, and stays the caller's.
    std::vector<std::uint8_t> MitVorspann(100 + Jpeg.size(), 0x5A);
    std::copy(Jpeg.begin(), Jpeg.end(), MitVorspann.begin() + 100);
    const auto VorspannPfad = Ort.Schreibe("Vorspann.bin", MitVorspann);
    std::FILE* Datei = std::fopen(VorspannPfad.c_str(), "rb");
    ASSERT_NE(Datei, nullptr);
    ASSERT_EQ(std::fseek(Datei, 100, SEEK_SET), 0);
    const TPixelbild AusOffenerDatei = DekodiereJpeg(Datei);
    EXPECT_TRUE(AusOffenerDatei.Rgb == AusSpeicher.Rgb);
    EXPECT_EQ(std::fclose(Datei), 0);
}

} // namespace
} // namespace kalumbo::test
