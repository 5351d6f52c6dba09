// SPDX-License-Identifier: GPL-3.0-or-later
// What the decoder leaves out changes nothing that is shown: the visible
// region is, to the byte, what the JPEG library gives for the whole
// picture, and ink becomes the nearest colour.
#include "bild/JpegDekoder.h"
#include "Testbilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include <jpeglib.h>

namespace kalumbo::test {
namespace {

// The whole picture as the library decodes it by itself, with its own
// defaults but for the smoothing of missing detail, which the game leaves
// out, in the colours asked for.
struct TGanzesBild {
    int Breite = 0;
    int Hoehe = 0;
    int Kanaele = 0;
    bool Adobe = false;
    std::vector<std::uint8_t> Werte;
};

TGanzesBild GanzVonDerBibliothek(const std::vector<std::uint8_t>& Jpeg, J_COLOR_SPACE Farben)
{
    jpeg_decompress_struct Info{};
    jpeg_error_mgr Fehler{};
    Info.err = jpeg_std_error(&Fehler);
    Fehler.emit_message = [](j_common_ptr, int) {}; // a file stopped early is no error
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, Jpeg.data(), Jpeg.size());
    jpeg_read_header(&Info, TRUE);
    Info.out_color_space = Farben;
    Info.do_block_smoothing = FALSE;
    jpeg_start_decompress(&Info);
    TGanzesBild Bild{int(Info.output_width), int(Info.output_height), Info.output_components,
                     Info.saw_Adobe_marker != 0, {}};
    Bild.Werte.resize(std::size_t(Bild.Breite) * Bild.Hoehe * Bild.Kanaele);
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Zeile = Bild.Werte.data() + std::size_t(Info.output_scanline) * Bild.Breite * Bild.Kanaele;
        jpeg_read_scanlines(&Info, &Zeile, 1);
    }
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return Bild;
}

// The top-left Breite x Hoehe pixels of the whole picture.
std::vector<std::uint8_t> Ausschnitt(const TGanzesBild& Bild, int Breite, int Hoehe)
{
    std::vector<std::uint8_t> Werte;
    for (int Y = 0; Y < Hoehe; ++Y) {
        const auto Anfang = Bild.Werte.begin() + std::ptrdiff_t(Y) * Bild.Breite * Bild.Kanaele;
        Werte.insert(Werte.end(), Anfang, Anfang + std::ptrdiff_t(Breite) * Bild.Kanaele);
    }
    return Werte;
}

// The file up to just before its Anzahl-th scan, as a download stopped there.
std::vector<std::uint8_t> BisZurAbtastung(std::vector<std::uint8_t> Jpeg, int Anzahl)
{
    int Gezaehlt = 0;
    for (std::size_t I = 0; I + 1 < Jpeg.size(); ++I)
        if (Jpeg[I] == 0xFF && Jpeg[I + 1] == 0xDA && ++Gezaehlt == Anzahl) {
            Jpeg.resize(I);
            return Jpeg;
        }
    throw std::runtime_error("Zu wenige Abtastungen im Testbild");
}

TEST(JpegWieDieBibliothek, BildInVielenAbtastungenZeigtDieZeilenDerBibliothek)
{
    // Taller than the board, so the decoder keeps only the top of every
    // scan; no wider, so the library's columns are compared as they are.
    // Upsampling looks at the row below the board.
    const TQuellbild Quelle = Verlauf(320, 1000);
    const std::vector<std::uint8_t> Progressiv = SchreibeJpeg({.Breite = 320, .Hoehe = 1000, .Progressiv = true}, Quelle);
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> Faelle = {
        {"progressiv", Progressiv},
        {"progressiv, nach drei Abtastungen", BisZurAbtastung(Progressiv, 4)},
        {"progressiv 4:1:1", SchreibeJpeg({.Breite = 320, .Hoehe = 1000, .Abtastung = TAbtastung::Viertel411,
                                           .Progressiv = true},
                                          Quelle)},
        {"progressiv 4:4:4 mit Neustarts",
         SchreibeJpeg({.Breite = 320, .Hoehe = 1000, .Abtastung = TAbtastung::Voll444, .Progressiv = true,
                       .Neustartintervall = 9},
                      Quelle)},
        {"progressiv arithmetisch, nach zwei Abtastungen",
         BisZurAbtastung(SchreibeJpeg({.Breite = 320, .Hoehe = 1000, .Progressiv = true, .Arithmetisch = true}, Quelle),
                         3)},
    };
    for (const auto& [Name, Jpeg] : Faelle) {
        const TGanzesBild Ganz = GanzVonDerBibliothek(Jpeg, JCS_RGB);
        const TPixelbild Bild = DekodiereJpeg(Jpeg.data(), Jpeg.size());
        ASSERT_EQ(Bild.Breite, 320) << Name;
        ASSERT_EQ(Bild.Hoehe, 400) << Name;
        const std::vector<std::uint8_t> Soll = Ausschnitt(Ganz, 320, 400);
        const auto Abweichung = std::mismatch(Bild.Rgb.begin(), Bild.Rgb.end(), Soll.begin()).first;
        EXPECT_TRUE(Abweichung == Bild.Rgb.end())
            << Name << ": erste Abweichung in Zeile " << (Abweichung - Bild.Rgb.begin()) / (320 * 3);
    }
}

// Random inks: every level of every ink somewhere, side by side with
// every other, in blocks of 8 x 8 pixels that JPEG keeps nearly flat.
TQuellbild Tintenmuster(int Kante)
{
    std::mt19937 Zufall(2024);
    TQuellbild Bild{Kante, Kante, 4, std::vector<std::uint8_t>(std::size_t(Kante) * Kante * 4)};
    for (int By = 0; By < Kante; By += 8)
        for (int Bx = 0; Bx < Kante; Bx += 8) {
            std::uint8_t Tinte[4];
            for (std::uint8_t& Menge : Tinte)
                Menge = static_cast<std::uint8_t>(Zufall());
            for (int Y = By; Y < By + 8; ++Y)
                for (int X = Bx; X < Bx + 8; ++X)
                    std::copy(Tinte, Tinte + 4, Bild.Werte.begin() + (std::ptrdiff_t(Y) * Kante + X) * 4);
        }
    return Bild;
}

TEST(JpegWieDieBibliothek, TinteWirdZurNaechstenFarbe)
{
    // Each channel of the colour is the ink's share of the light, C of
    // red and K of all, times the light: (255 - C) (255 - K) / 255 for
    // ink as stored, C K / 255 for the inverted values of Adobe files,
    // rounded to the nearest level.
    const TQuellbild Tinte = Tintenmuster(256);
    for (const TJpegArt& Art : {TJpegArt{.Breite = 256, .Hoehe = 256, .Farbart = TFarbart::Cmyk},
                                TJpegArt{.Breite = 256, .Hoehe = 256, .Farbart = TFarbart::Cmyk, .AdobeMarker = false},
                                TJpegArt{.Breite = 256, .Hoehe = 256, .Farbart = TFarbart::Ycck}}) {
        const std::vector<std::uint8_t> Jpeg = SchreibeJpeg(Art, Tinte);
        const TGanzesBild Cmyk = GanzVonDerBibliothek(Jpeg, JCS_CMYK);
        const TPixelbild Bild = DekodiereJpeg(Jpeg.data(), Jpeg.size());
        ASSERT_EQ(Bild.Rgb.size(), Cmyk.Werte.size() / 4 * 3);
        int Falsch = 0;
        for (std::size_t Pixel = 0; Pixel < Bild.Rgb.size() / 3; ++Pixel) {
            const std::uint8_t* C = &Cmyk.Werte[Pixel * 4];
            for (int Kanal = 0; Kanal < 3; ++Kanal) {
                const int Licht = Cmyk.Adobe ? C[Kanal] : 255 - C[Kanal];
                const int Schwarz = Cmyk.Adobe ? C[3] : 255 - C[3];
                Falsch += std::abs(255 * Bild.Rgb[Pixel * 3 + Kanal] - Licht * Schwarz) > 127;
            }
        }
        EXPECT_EQ(Falsch, 0) << "Farbart " << int(Art.Farbart) << ", Adobe-Marker " << Cmyk.Adobe;
    }
}

} // namespace
} // namespace kalumbo::test
