// SPDX-License-Identifier: GPL-3.0-or-later
// The four built-in background pictures must all be of the one kind the game
// ships: JFIF 1.1, square pixels, no thumbnail, baseline, 8 bits, 400 x 400,
// YCbCr 4:2:0, 17 to 35 kB. Everything here is read from the markers.

#include "JpegMarker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace kalumbo {
namespace {

const std::filesystem::path Assets = KALUMBO_ASSETS;

constexpr std::uint8_t App0 = 0xE0;
constexpr std::uint8_t Sof0 = 0xC0;
constexpr std::uint8_t Sos = 0xDA;

// C0..CF are frame headers, except DHT (C4), JPG (C8) and DAC (CC).
bool IstSof(std::uint8_t m)
{
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

class EingebautesBild : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        bytes = LiesDatei(Assets / GetParam());
        segmente = LiesMarker(bytes);
    }

    std::vector<std::uint8_t> bytes;
    std::vector<JpegSegment> segmente;
};

TEST_P(EingebautesBild, BestehtVonSoiBisEoiAusMarkern)
{
    ASSERT_GE(segmente.size(), 3u);
    EXPECT_EQ(segmente.front().marker, 0xD8);
    EXPECT_EQ(segmente.back().marker, 0xD9);
    EXPECT_EQ(segmente.back().position + 2, bytes.size()) << "nothing may follow EOI";
    EXPECT_EQ(std::count_if(segmente.begin(), segmente.end(), [](const JpegSegment& s) { return s.marker == Sos; }), 1)
        << "one interleaved scan";
}

TEST_P(EingebautesBild, HatJfif11KopfMitQuadratischenPixelnOhneVorschau)
{
    ASSERT_GE(segmente.size(), 2u);
    const JpegSegment& app0 = segmente[1];
    ASSERT_EQ(app0.marker, App0) << "APP0 must follow SOI directly";
    const auto& d = app0.daten;
    ASSERT_EQ(d.size(), 14u) << "JFIF header without thumbnail data";
    EXPECT_EQ(std::string(d.begin(), d.begin() + 5), std::string("JFIF", 5));
    EXPECT_EQ(d[5], 1) << "major version";
    EXPECT_EQ(d[6], 1) << "minor version";
    EXPECT_EQ(d[7], 0) << "density unit: aspect ratio only";
    EXPECT_EQ(Wort(d, 8), 1u) << "X density";
    EXPECT_EQ(Wort(d, 10), 1u) << "Y density";
    EXPECT_EQ(d[12], 0) << "thumbnail width";
    EXPECT_EQ(d[13], 0) << "thumbnail height";

    // No second JFIF segment (JFXX) carrying a thumbnail either.
    EXPECT_EQ(std::count_if(segmente.begin(), segmente.end(), [](const JpegSegment& s) { return s.marker == App0; }), 1);
}

TEST_P(EingebautesBild, IstBaseline8Bit400x400YCbCr420)
{
    std::vector<const JpegSegment*> rahmen;
    for (const JpegSegment& s : segmente)
        if (IstSof(s.marker))
            rahmen.push_back(&s);
    ASSERT_EQ(rahmen.size(), 1u);
    ASSERT_EQ(rahmen[0]->marker, Sof0) << "baseline sequential, not progressive, lossless or arithmetic";

    const auto& d = rahmen[0]->daten;
    ASSERT_EQ(d.size(), 6u + 3u * 3u);
    EXPECT_EQ(d[0], 8) << "bits per sample";
    EXPECT_EQ(Wort(d, 1), 400u) << "height";
    EXPECT_EQ(Wort(d, 3), 400u) << "width";
    ASSERT_EQ(d[5], 3) << "components";

    // Each component: id, sampling (horizontal << 4 | vertical), table.
    // JFIF numbers Y, Cb, Cr as 1, 2, 3.
    EXPECT_EQ(d[6], 1);
    EXPECT_EQ(d[7], 0x22) << "Y 2x2";
    EXPECT_EQ(d[9], 2);
    EXPECT_EQ(d[10], 0x11) << "Cb 1x1";
    EXPECT_EQ(d[12], 3);
    EXPECT_EQ(d[13], 0x11) << "Cr 1x1";
}

TEST_P(EingebautesBild, IstZwischen17Und35KilobyteGross)
{
    EXPECT_GE(bytes.size(), 17000u);
    EXPECT_LE(bytes.size(), 35000u);
}

INSTANTIATE_TEST_SUITE_P(Bilder, EingebautesBild, ::testing::Values("Bild1.jpg", "Bild2.jpg", "Bild3.jpg", "Bild4.jpg"),
                         [](const auto& info) { return info.param.substr(0, 5); });

TEST(EingebauteBilder, SindVierVerschiedeneBilder)
{
    std::vector<std::vector<std::uint8_t>> bilder;
    for (const char* name : {"Bild1.jpg", "Bild2.jpg", "Bild3.jpg", "Bild4.jpg"})
        bilder.push_back(LiesDatei(Assets / name));
    for (std::size_t i = 0; i < bilder.size(); ++i)
        for (std::size_t j = i + 1; j < bilder.size(); ++j)
            EXPECT_NE(bilder[i], bilder[j]) << "Bild" << i + 1 << " and Bild" << j + 1;
}

} // namespace
} // namespace kalumbo
