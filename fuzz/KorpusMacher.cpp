// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the starting inputs for fuzzing the picture loader: one small file
// for each kind of JPEG the loader meets in a player's directory, made with
// the library's own encoder, plus the hostile headers and cut files that
// test its error paths. The same program always writes the same bytes.
//
//   korpusmacher <directory>

#include "JpegSchreiber.h"
#include "Testbilder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kalumbo::test {
namespace {

using TBytes = std::vector<std::uint8_t>;

// The colour ramp with only its green channel left, as grey.
TQuellbild GrauerVerlauf(int Breite, int Hoehe)
{
    const TQuellbild Farbig = Verlauf(Breite, Hoehe);
    TQuellbild Grau{Breite, Hoehe, 1, {}};
    for (std::size_t I = 1; I < Farbig.Werte.size(); I += 3)
        Grau.Werte.push_back(Farbig.Werte[I]);
    return Grau;
}

// The colour ramp as ink: cyan, magenta and yellow the complement of red,
// green and blue, and a little black growing along the rows.
TQuellbild TintenVerlauf(int Breite, int Hoehe)
{
    const TQuellbild Farbig = Verlauf(Breite, Hoehe);
    TQuellbild Tinte{Breite, Hoehe, 4, {}};
    for (int Y = 0; Y < Hoehe; ++Y) {
        for (int X = 0; X < Breite; ++X) {
            for (int Kanal = 0; Kanal < 3; ++Kanal)
                Tinte.Werte.push_back(static_cast<std::uint8_t>(255 - Farbig.Wert(X, Y, Kanal)));
            Tinte.Werte.push_back(static_cast<std::uint8_t>(Y * 120 / std::max(1, Hoehe - 1)));
        }
    }
    return Tinte;
}

TBytes Farbig(TJpegArt Art)
{
    return SchreibeJpeg(Art, Verlauf(Art.Breite, Art.Hoehe));
}

TBytes Abgeschnitten(TBytes Jpeg, std::size_t Anteil, std::size_t Von)
{
    Jpeg.resize(Jpeg.size() * Anteil / Von);
    return Jpeg;
}

TBytes MitPraezision(TBytes Jpeg, std::uint8_t Bits)
{
    Jpeg.at(FindeBildkopf(Jpeg) + 4) = Bits;
    return Jpeg;
}

struct TEintrag {
    std::string Name;
    TBytes Inhalt;
};

std::vector<TEintrag> Korpus()
{
    constexpr int Q = 75;
    const TJpegArt Klein{.Breite = 40, .Hoehe = 32, .Qualitaet = Q};
    auto Art = [&](auto Aendern) {
        TJpegArt Neu = Klein;
        Aendern(Neu);
        return Neu;
    };

    return {
        {"grundlinie-420.jpg", Farbig(Klein)},
        {"grundlinie-444.jpg", Farbig(Art([](TJpegArt& A) { A.Abtastung = TAbtastung::Voll444; }))},
        {"viertel-411.jpg", Farbig(Art([](TJpegArt& A) { A.Abtastung = TAbtastung::Viertel411; }))},
        {"progressiv.jpg", Farbig(Art([](TJpegArt& A) { A.Progressiv = true; }))},
        {"grau.jpg", SchreibeJpeg(Art([](TJpegArt& A) { A.Farbart = TFarbart::Grau; }), GrauerVerlauf(40, 32))},
        {"grau-progressiv.jpg", SchreibeJpeg(Art([](TJpegArt& A) {
                                                 A.Farbart = TFarbart::Grau;
                                                 A.Progressiv = true;
                                             }),
                                             GrauerVerlauf(40, 32))},
        {"rgb.jpg", Farbig(Art([](TJpegArt& A) { A.Farbart = TFarbart::Rgb; }))},
        {"cmyk-adobe.jpg", SchreibeJpeg(Art([](TJpegArt& A) { A.Farbart = TFarbart::Cmyk; }), TintenVerlauf(40, 32))},
        {"cmyk-ohne-adobe.jpg", SchreibeJpeg(Art([](TJpegArt& A) {
                                                 A.Farbart = TFarbart::Cmyk;
                                                 A.AdobeMarker = false;
                                             }),
                                             TintenVerlauf(40, 32))},
        {"ycck.jpg", SchreibeJpeg(Art([](TJpegArt& A) { A.Farbart = TFarbart::Ycck; }), TintenVerlauf(40, 32))},
        {"neustartmarken.jpg", Farbig(Art([](TJpegArt& A) { A.Neustartintervall = 1; }))},
        {"neustartmarken-progressiv.jpg", Farbig(Art([](TJpegArt& A) {
             A.Progressiv = true;
             A.Neustartintervall = 2;
         }))},
        {"arithmetisch.jpg", Farbig(Art([](TJpegArt& A) { A.Arithmetisch = true; }))},
        {"arithmetisch-progressiv.jpg", Farbig(Art([](TJpegArt& A) {
             A.Arithmetisch = true;
             A.Progressiv = true;
         }))},
        {"abgeschnitten.jpg", Abgeschnitten(Farbig(Art([](TJpegArt& A) { A.Hoehe = 64; })), 1, 2)},
        {"abgeschnitten-progressiv.jpg", Abgeschnitten(Farbig(Art([](TJpegArt& A) { A.Progressiv = true; })), 2, 3)},
        {"zwoelf-bit-kopf.jpg", MitPraezision(Farbig(Klein), 12)},
        {"riesig-grundlinie.jpg", MitBehaupteterGroesse(false, 65000, 65000)},
        {"riesig-progressiv.jpg", MitBehaupteterGroesse(true, 65000, 65000)},
        {"gross-progressiv.jpg", MitBehaupteterGroesse(true, 1200, 1000)},
        {"winzig-1x1.jpg", Farbig({.Breite = 1, .Hoehe = 1, .Qualitaet = Q})},
        // Wider and taller than the board: the loader cuts both.
        {"breit-432x16.jpg", Farbig({.Breite = 432, .Hoehe = 16, .Qualitaet = 50})},
        {"breit-progressiv-432x16.jpg", Farbig({.Breite = 432, .Hoehe = 16, .Progressiv = true, .Qualitaet = 50})},
        {"hoch-16x432.jpg", Farbig({.Breite = 16, .Hoehe = 432, .Qualitaet = 50})},
    };
}

} // namespace
} // namespace kalumbo::test

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: korpusmacher <Verzeichnis>\n");
        return 2;
    }
    const std::filesystem::path Ziel = argv[1];
    std::filesystem::create_directories(Ziel);
    for (const auto& [Name, Inhalt] : kalumbo::test::Korpus()) {
        std::ofstream Aus(Ziel / Name, std::ios::binary | std::ios::trunc);
        Aus.write(reinterpret_cast<const char*>(Inhalt.data()), static_cast<std::streamsize>(Inhalt.size()));
        if (!Aus) {
            std::fprintf(stderr, "%s nicht geschrieben\n", (Ziel / Name).c_str());
            return 1;
        }
        std::printf("%-34s %6zu Bytes\n", Name.c_str(), Inhalt.size());
    }
    return 0;
}
