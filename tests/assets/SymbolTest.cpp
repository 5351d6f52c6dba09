// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon and the palette glyph are XPM files drawn by hand; a slip
// in the header or a row of the wrong length would leave the program without
// its icons, so the files are read here as XPM readers read them.

#include "JpegMarker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

namespace kalumbo {
namespace {

const std::filesystem::path Assets = KALUMBO_ASSETS;

struct Xpm {
    int breite = 0;
    int hoehe = 0;
    int farbanzahl = 0;
    std::map<std::string, std::string> farben; // pixel key -> colour, lower case
    std::vector<std::string> zeilen;           // one string per pixel row
    std::size_t zeichenJePixel = 1;

    std::string FarbeAn(int x, int y) const
    {
        return farben.at(zeilen.at(std::size_t(y)).substr(std::size_t(x) * zeichenJePixel, zeichenJePixel));
    }
};

// Every C string of the file in order; XPM keeps all it has in them.
std::vector<std::string> Zeichenketten(const std::string& text)
{
    std::vector<std::string> ketten;
    std::size_t pos = 0;
    while ((pos = text.find('"', pos)) != std::string::npos) {
        const std::size_t ende = text.find('"', pos + 1);
        if (ende == std::string::npos)
            break;
        ketten.push_back(text.substr(pos + 1, ende - pos - 1));
        pos = ende + 1;
    }
    return ketten;
}

Xpm LiesXpm(const std::string& name)
{
    const auto bytes = LiesDatei(Assets / name);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("/* XPM */", 0), 0u) << name << " must start with the XPM comment";

    const auto ketten = Zeichenketten(text);
    Xpm xpm;
    if (ketten.empty()) {
        ADD_FAILURE() << name << " has no header";
        return xpm;
    }
    std::istringstream kopf(ketten[0]);
    kopf >> xpm.breite >> xpm.hoehe >> xpm.farbanzahl >> xpm.zeichenJePixel;

    const std::size_t n = xpm.zeichenJePixel;
    for (int i = 1; i <= xpm.farbanzahl && i < int(ketten.size()); ++i) {
        const std::string& zeile = ketten[std::size_t(i)];
        std::istringstream rest(zeile.substr(n));
        std::string art;
        std::string wert;
        while (rest >> art >> wert)
            if (art == "c") {
                std::transform(wert.begin(), wert.end(), wert.begin(), [](unsigned char c) { return char(std::tolower(c)); });
                xpm.farben[zeile.substr(0, n)] = wert;
            }
    }
    xpm.zeilen.assign(ketten.begin() + std::min<std::ptrdiff_t>(1 + xpm.farbanzahl, std::ptrdiff_t(ketten.size())), ketten.end());
    return xpm;
}

// "#rrggbb" with red, green and blue all the same.
bool IstGrau(const std::string& farbe)
{
    return farbe.size() == 7 && farbe[0] == '#' && farbe.substr(1, 2) == farbe.substr(3, 2) && farbe.substr(1, 2) == farbe.substr(5, 2);
}

struct Symbol {
    const char* datei;
    int breite;
    int hoehe;
};

void PrintTo(const Symbol& s, std::ostream* aus)
{
    *aus << s.datei << ' ' << s.breite << 'x' << s.hoehe;
}

class Symboldatei : public ::testing::TestWithParam<Symbol> {};

TEST_P(Symboldatei, HatDieRichtigeGroesseUndHoechstens16Farben)
{
    const Symbol s = GetParam();
    const Xpm xpm = LiesXpm(s.datei);
    EXPECT_EQ(xpm.breite, s.breite);
    EXPECT_EQ(xpm.hoehe, s.hoehe);
    EXPECT_EQ(xpm.zeichenJePixel, 1u);
    EXPECT_GE(xpm.farbanzahl, 2);
    EXPECT_LE(xpm.farbanzahl, 16);
    EXPECT_EQ(int(xpm.farben.size()), xpm.farbanzahl) << "each colour line gives a key and a colour";
}

TEST_P(Symboldatei, JedeZeileIstVollUndNutztNurErklaerteFarben)
{
    const Xpm xpm = LiesXpm(GetParam().datei);
    ASSERT_EQ(int(xpm.zeilen.size()), xpm.hoehe);
    for (int y = 0; y < xpm.hoehe; ++y) {
        ASSERT_EQ(xpm.zeilen[std::size_t(y)].size(), std::size_t(xpm.breite) * xpm.zeichenJePixel) << "row " << y;
        for (int x = 0; x < xpm.breite; ++x)
            EXPECT_NO_THROW(xpm.FarbeAn(x, y)) << "pixel " << x << ", " << y;
    }
    for (const auto& [schluessel, farbe] : xpm.farben)
        EXPECT_NE(farbe, "none") << "the icons have no transparent colour of their own";
}

INSTANTIATE_TEST_SUITE_P(Symbole, Symboldatei,
                         ::testing::Values(Symbol{"Symbol32.xpm", 32, 32}, Symbol{"Symbol16.xpm", 16, 16}, Symbol{"Palette.xpm", 32, 16}),
                         [](const auto& info) { return std::string(info.param.datei).substr(0, std::string(info.param.datei).find('.')); });

TEST(Fenstersymbol, IstSchwarzAufGrau)
{
    for (const char* datei : {"Symbol32.xpm", "Symbol16.xpm"}) {
        const Xpm xpm = LiesXpm(datei);
        bool schwarz = false;
        for (const auto& [schluessel, farbe] : xpm.farben) {
            EXPECT_TRUE(IstGrau(farbe)) << datei << ": " << farbe;
            schwarz = schwarz || farbe == "#000000";
        }
        EXPECT_TRUE(schwarz) << datei;
        // Most of the field is one mid grey, not white or black.
        std::map<std::string, int> anzahl;
        for (int y = 0; y < xpm.hoehe; ++y)
            for (int x = 0; x < xpm.breite; ++x)
                ++anzahl[xpm.FarbeAn(x, y)];
        const auto haeufigste = std::max_element(anzahl.begin(), anzahl.end(),
                                                 [](const auto& a, const auto& b) { return a.second < b.second; });
        EXPECT_NE(haeufigste->first, "#000000") << datei;
        EXPECT_NE(haeufigste->first, "#ffffff") << datei;
    }
}

TEST(Palettenbild, OlivUntenLinksIstDieDurchsichtigeFarbe)
{
    const Xpm xpm = LiesXpm("Palette.xpm");
    ASSERT_EQ(int(xpm.zeilen.size()), 16);
    EXPECT_EQ(xpm.FarbeAn(0, 15), "#808000");
    // Both halves stand on olive at their corners.
    for (int x : {0, 15, 16, 31})
        for (int y : {0, 15})
            EXPECT_EQ(xpm.FarbeAn(x, y), "#808000") << x << ", " << y;
}

TEST(Palettenbild, RechtsIstEineGraueKopieDerLinkenPalette)
{
    const Xpm xpm = LiesXpm("Palette.xpm");
    ASSERT_EQ(int(xpm.zeilen.size()), 16);
    bool bunt = false;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const std::string links = xpm.FarbeAn(x, y);
            const std::string rechts = xpm.FarbeAn(x + 16, y);
            // Same shape: olive where the left image has olive, and only there.
            EXPECT_EQ(links == "#808000", rechts == "#808000") << x << ", " << y;
            if (rechts != "#808000") {
                EXPECT_TRUE(IstGrau(rechts)) << "disabled image at " << x + 16 << ", " << y << " is " << rechts;
            }
            bunt = bunt || (links != "#808000" && !IstGrau(links));
        }
    }
    EXPECT_TRUE(bunt) << "the enabled image has its paint";
}

} // namespace
} // namespace kalumbo
