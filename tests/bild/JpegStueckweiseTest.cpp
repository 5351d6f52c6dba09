// SPDX-License-Identifier: GPL-3.0-or-later
#include "bild/JpegDekoder.h"
#include "Testbilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// A picture handed over in pieces, as the browser reads a file, ends as the
// same picture read from a file and held in memory ends, whatever the size
// of the pieces.

namespace kalumbo::test {
namespace {

// The pixels as "Breite x Hoehe" and the bytes, or the message.
struct TAusgang {
    std::string Meldung;
    int Breite = 0;
    int Hoehe = 0;
    std::vector<std::uint8_t> Rgb;
    std::size_t Gelesen = 0; // bytes handed over until the outcome

    bool operator==(const TAusgang& Andere) const
    {
        return Meldung == Andere.Meldung && Breite == Andere.Breite && Hoehe == Andere.Hoehe && Rgb == Andere.Rgb;
    }
};

std::ostream& operator<<(std::ostream& Aus, const TAusgang& Ausgang)
{
    return Aus << (Ausgang.Meldung.empty() ? "Bild" : Ausgang.Meldung) << ' ' << Ausgang.Breite << 'x'
               << Ausgang.Hoehe;
}

// From a file, as the desktop game reads one, or from memory.
TAusgang Ganz(const std::vector<std::uint8_t>& Jpeg, bool AusDatei)
{
    TAusgang Ausgang;
    try {
        TPixelbild Bild;
        if (AusDatei) {
            const TTempVerzeichnis Ort;
            Bild = LiesJpegDatei(Ort.Schreibe("Bild1.jpg", Jpeg).string());
        } else {
            Bild = DekodiereJpeg(Jpeg.data(), Jpeg.size());
        }
        Ausgang.Breite = Bild.Breite;
        Ausgang.Hoehe = Bild.Hoehe;
        Ausgang.Rgb = std::move(Bild.Rgb);
    } catch (const TBildFehler& Fehler) {
        Ausgang.Meldung = Fehler.what();
    }
    Ausgang.Gelesen = Jpeg.size();
    return Ausgang;
}

TAusgang InStuecken(const std::vector<std::uint8_t>& Jpeg, std::size_t Stueckgroesse)
{
    TAusgang Ausgang;
    TJpegStueckweise Dekoder;
    using TStand = TJpegStueckweise::TStand;
    TStand Stand = TStand::Wartet;
    for (bool Letztes = false; Stand == TStand::Wartet;) {
        if (Letztes) {
            Ausgang.Meldung = "wartet nach dem letzten Stück";
            return Ausgang;
        }
        const std::size_t Laenge = std::min(Stueckgroesse, Jpeg.size() - Ausgang.Gelesen);
        Letztes = Ausgang.Gelesen + Laenge == Jpeg.size();
        Stand = Dekoder.Nimm(Jpeg.data() + Ausgang.Gelesen, Laenge, Letztes);
        Ausgang.Gelesen += Laenge;
    }
    if (Stand == TStand::Gescheitert) {
        Ausgang.Meldung = Dekoder.Meldung();
        return Ausgang;
    }
    Ausgang.Breite = Dekoder.Bild().Breite;
    Ausgang.Hoehe = Dekoder.Bild().Hoehe;
    Ausgang.Rgb = Dekoder.Bild().Rgb;
    return Ausgang;
}

// A comment segment of the given length right after the start marker,
// full of end-of-image markers: the library skips it, also across pieces.
std::vector<std::uint8_t> MitKommentar(std::vector<std::uint8_t> Jpeg, std::size_t Laenge)
{
    std::vector<std::uint8_t> Kommentar = {0xFF, 0xFE, std::uint8_t((Laenge + 2) >> 8), std::uint8_t(Laenge + 2)};
    for (std::size_t I = 0; I < Laenge; ++I)
        Kommentar.push_back(I % 2 == 0 ? 0xFF : 0xD9);
    Jpeg.insert(Jpeg.begin() + 2, Kommentar.begin(), Kommentar.end());
    return Jpeg;
}

// The picture with runs of set bits, which are no Huffman code, written
// over its data now and then, as a damaged copy might have them.
std::vector<std::uint8_t> Beschaedigt(std::vector<std::uint8_t> Jpeg)
{
    for (std::size_t I = FindeBildkopf(Jpeg) + 1000; I + 10 < Jpeg.size(); I += 1500)
        for (std::size_t J = 0; J < 8; J += 2) {
            Jpeg[I + J] = 0xFF;
            Jpeg[I + J + 1] = 0x00;
        }
    return Jpeg;
}

TEST(JpegStueckweise, GibtFuerJedeStueckgroesseDasselbeWieDateiUndSpeicher)
{
    const std::vector<std::uint8_t> Grundlinie = SchreibeJpeg({.Breite = 800, .Hoehe = 600}, Verlauf(800, 600));
    const std::vector<std::uint8_t> Progressiv =
        SchreibeJpeg({.Breite = 640, .Hoehe = 480, .Progressiv = true}, Verlauf(640, 480));
    const std::vector<std::uint8_t> PngAnfang = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> Dateien = {
        {"Grundlinie", Grundlinie},
        {"hochkant, grau", SchreibeJpeg({.Breite = 130, .Hoehe = 520, .Farbart = TFarbart::Grau},
                                        TQuellbild{130, 520, 1, std::vector<std::uint8_t>(130 * 520, 77)})},
        {"progressiv", Progressiv},
        {"beschädigt", Beschaedigt(Grundlinie)},
        {"progressiv beschädigt", Beschaedigt(Progressiv)},
        {"arithmetisch mit Neustarts",
         SchreibeJpeg({.Breite = 500, .Hoehe = 450, .Arithmetisch = true, .Neustartintervall = 3}, Verlauf(500, 450))},
        {"Kommentar über viele Stücke", MitKommentar(Grundlinie, 30000)},
        {"abgeschnitten", std::vector<std::uint8_t>(Grundlinie.begin(), Grundlinie.begin() + 9000)},
        {"im Kommentar abgeschnitten", std::vector<std::uint8_t>(Grundlinie.begin(), Grundlinie.begin() + 600)},
        {"leer", {}},
        {"PNG", PngAnfang},
        {"riesig und progressiv", MitBehaupteterGroesse(true, 65000, 65000)},
    };
    for (const auto& [Name, Jpeg] : Dateien) {
        const TAusgang Soll = Ganz(Jpeg, true);
        EXPECT_EQ(Ganz(Jpeg, false), Soll) << Name << ", aus dem Speicher";
        for (const std::size_t Stueckgroesse : {std::size_t{1}, std::size_t{7}, std::size_t{4096}, Jpeg.size() + 1})
            EXPECT_EQ(InStuecken(Jpeg, Stueckgroesse), Soll) << Name << ", Stücke von " << Stueckgroesse << " Bytes";
    }
}

TEST(JpegStueckweise, LiestNichtUeberDieSichtbarenZeilenHinaus)
{
    // The visible rows are the top fifth of the picture.
    const std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 600, .Hoehe = 2000}, Verlauf(600, 2000));
    const TAusgang Ausgang = InStuecken(Jpeg, 1024);
    ASSERT_EQ(Ausgang, Ganz(Jpeg, true));
    EXPECT_LT(Ausgang.Gelesen, Jpeg.size() / 4);
}

} // namespace
} // namespace kalumbo::test
