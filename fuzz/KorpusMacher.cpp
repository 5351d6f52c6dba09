// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the starting inputs for fuzzing. Into <directory>/bild/: one small
// file for each kind of JPEG the decoder meets, made with the library's
// own encoder, the hostile headers and cut files that test its error
// paths, each followed by how to cut it into pieces (BildZiel.cpp), so
// that together they take every way of the decoder in pieces. Into
// <directory>/klassenlink/: class links, allowed and not. The same
// program always writes the same bytes.
//
//   korpusmacher <directory>

#include "werkbank/Kunstbilder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kalumbo {
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

// A comment segment of Laenge bytes right after the start marker, full
// of end-of-image markers, which the decoder skips.
TBytes MitKommentar(TBytes Jpeg, std::size_t Laenge)
{
    TBytes Kommentar = {0xFF, 0xFE, std::uint8_t((Laenge + 2) >> 8), std::uint8_t(Laenge + 2)};
    for (std::size_t I = 0; I < Laenge; ++I)
        Kommentar.push_back(I % 2 == 0 ? 0xFF : 0xD9);
    Jpeg.insert(Jpeg.begin() + 2, Kommentar.begin(), Kommentar.end());
    return Jpeg;
}

// How the file is cut (see BildZiel.cpp): sizes in units of 4 to the
// power of Einheit bytes, in turn; no sizes for one piece.
struct TSchnitt {
    std::vector<std::uint8_t> Groessen;
    int Einheit = 0;
    bool LeeresEnde = false;
};

const TSchnitt Ganz{};
TSchnitt Je(std::uint8_t Groesse, int Einheit = 0)
{
    return {{Groesse}, Einheit, false};
}

TBytes Geschnitten(TBytes Datei, const TSchnitt& Schnitt)
{
    Datei.insert(Datei.end(), Schnitt.Groessen.begin(), Schnitt.Groessen.end());
    Datei.push_back(static_cast<std::uint8_t>(Schnitt.Groessen.size() | (Schnitt.LeeresEnde ? 16 : 0) |
                                              (Schnitt.Einheit << 5)));
    return Datei;
}

struct TEintrag {
    std::string Name;
    TBytes Inhalt;
};

std::vector<TEintrag> Bilder()
{
    constexpr int Q = 75;
    const TJpegArt Klein{.Breite = 40, .Hoehe = 32, .Qualitaet = Q};
    auto Art = [&](auto Aendern) {
        TJpegArt Neu = Klein;
        Aendern(Neu);
        return Neu;
    };
    // Taller and wider than the board, at a quality that keeps the file small.
    const TJpegArt Gross{.Breite = 424, .Hoehe = 456, .Qualitaet = 10};
    const auto GrossUnd = [&](auto Aendern) {
        TJpegArt Neu = Gross;
        Aendern(Neu);
        return Neu;
    };
    const TBytes Grundlinie = Farbig(Klein);

    return {
        {"grundlinie-420.jpg", Geschnitten(Grundlinie, Ganz)},
        {"grundlinie-444.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) { A.Abtastung = TAbtastung::Voll444; })), Je(1))},
        {"viertel-411.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) { A.Abtastung = TAbtastung::Viertel411; })), Je(1, 3))},
        {"progressiv.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) { A.Progressiv = true; })), Je(7))},
        {"grau.jpg", Geschnitten(SchreibeJpeg(Art([](TJpegArt& A) { A.Farbart = TFarbart::Grau; }), GrauerVerlauf(40, 32)),
                                 {{3, 0, 200}})},
        {"grau-progressiv.jpg", Geschnitten(SchreibeJpeg(Art([](TJpegArt& A) {
                                                             A.Farbart = TFarbart::Grau;
                                                             A.Progressiv = true;
                                                         }),
                                                         GrauerVerlauf(40, 32)),
                                            Je(16))},
        {"rgb.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) { A.Farbart = TFarbart::Rgb; })), Je(100))},
        {"cmyk-adobe.jpg",
         Geschnitten(SchreibeJpeg(Art([](TJpegArt& A) { A.Farbart = TFarbart::Cmyk; }), TintenVerlauf(40, 32)), Je(100))},
        {"cmyk-ohne-adobe.jpg", Geschnitten(SchreibeJpeg(Art([](TJpegArt& A) {
                                                             A.Farbart = TFarbart::Cmyk;
                                                             A.AdobeMarker = false;
                                                         }),
                                                         TintenVerlauf(40, 32)),
                                            Je(100))},
        {"ycck.jpg",
         Geschnitten(SchreibeJpeg(Art([](TJpegArt& A) { A.Farbart = TFarbart::Ycck; }), TintenVerlauf(40, 32)), Je(100))},
        {"neustartmarken.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) { A.Neustartintervall = 1; })), Je(5))},
        {"neustartmarken-progressiv.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) {
                                                          A.Progressiv = true;
                                                          A.Neustartintervall = 2;
                                                      })),
                                                      Je(3))},
        {"arithmetisch.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) { A.Arithmetisch = true; })), Je(10))},
        {"arithmetisch-progressiv.jpg", Geschnitten(Farbig(Art([](TJpegArt& A) {
                                                        A.Arithmetisch = true;
                                                        A.Progressiv = true;
                                                    })),
                                                    Je(10))},
        // Cut inside a scan; the pieces end with an empty last one.
        {"abgeschnitten.jpg",
         Geschnitten(Abgeschnitten(Farbig(Art([](TJpegArt& A) { A.Hoehe = 64; })), 1, 2), {{50}, 0, true})},
        {"abgeschnitten-progressiv.jpg",
         Geschnitten(Abgeschnitten(Farbig(Art([](TJpegArt& A) { A.Progressiv = true; })), 2, 3), {{20}, 0, true})},
        {"leer.jpg", Geschnitten({}, {{}, 0, true})},
        {"zwoelf-bit-kopf.jpg", Geschnitten(MitPraezision(Grundlinie, 12), Je(2))},
        {"riesig-grundlinie.jpg", Geschnitten(MitBehaupteterGroesse(false, 65000, 65000), Je(9))},
        {"riesig-progressiv.jpg", Geschnitten(MitBehaupteterGroesse(true, 65000, 65000), Je(9))},
        {"gross-progressiv.jpg", Geschnitten(MitBehaupteterGroesse(true, 1200, 1000), Je(11))},
        {"winzig-1x1.jpg", Geschnitten(Farbig({.Breite = 1, .Hoehe = 1, .Qualitaet = Q}), Je(1))},
        // Wider and taller than the board: the decoder cuts both, and in
        // one scan it stops reading after the visible rows.
        {"breit-432x16.jpg", Geschnitten(Farbig({.Breite = 432, .Hoehe = 16, .Qualitaet = 50}), Je(13))},
        {"breit-progressiv-432x16.jpg",
         Geschnitten(Farbig({.Breite = 432, .Hoehe = 16, .Progressiv = true, .Qualitaet = 50}), Je(13))},
        {"hoch-16x432.jpg", Geschnitten(Farbig({.Breite = 16, .Hoehe = 432, .Qualitaet = 50}), Je(17))},
        // In many scans, one row of blocks more than the decoder keeps: it
        // reaches the last row of each scan without passing over any.
        {"hoch-progressiv-16x424.jpg",
         Geschnitten(Farbig({.Breite = 16, .Hoehe = 424, .Progressiv = true, .Qualitaet = 50}), Je(13))},
        {"gross-grundlinie.jpg", Geschnitten(Farbig(Gross), Je(1, 4))},
        {"gross-progressiv-424x456.jpg", Geschnitten(Farbig(GrossUnd([](TJpegArt& A) { A.Progressiv = true; })), Je(1, 3))},
        {"gross-progressiv-neustartmarken.jpg", Geschnitten(Farbig(GrossUnd([](TJpegArt& A) {
                                                                A.Progressiv = true;
                                                                A.Neustartintervall = 40;
                                                            })),
                                                            {{1, 2, 3}, 2, false})},
        // Pieces that end inside every kind of marker, and a comment that
        // the decoder skips across many pieces.
        {"marker-zerteilt.jpg", Geschnitten(Grundlinie, {{2, 3, 1, 0}})},
        {"kommentar-ueber-stuecke.jpg", Geschnitten(MitKommentar(Grundlinie, 3000), {{1, 40}, 1, false})},
        // Pictures that ask for much work out of few bytes.
        {"arithmetisch-ohne-daten.jpg", Geschnitten(ArithmetischOhneDaten(65000, 400, false), Je(9))},
        {"arithmetisch-progressiv-ohne-daten.jpg", Geschnitten(ArithmetischOhneDaten(4000, 65000, true, 3), Je(9))},
    };
}

std::vector<TEintrag> Klassenlinks()
{
    const auto Text = [](const std::string& Link) { return TBytes(Link.begin(), Link.end()); };
    return {
        {"erste-klasse.txt", Text("zahlen=30&rechenarten=plus")},
        {"alle-vier.txt", Text("#zahlen=100&rechenarten=mal-durch&form=außen&hintergrund=Bild2")},
        {"schreibweisen.txt", Text("Zahlen=1000&RECHENARTEN=Plus Minus&form=AUẞEN&hintergrund=4&rechenarten=beide")},
        {"prozent-klein.txt", Text("form=au%c3%9fen&hintergrund=%42ild3")},
        {"prozent-am-ende.txt", Text("zahlen=3%30")},
        {"falsche-teile.txt", Text("zahlen=30&form=quer&farbe=rot&hintergrund=%zz&rechenarten&=&%")},
        {"leere-teile.txt", Text("&&form=S&&form=A&")},
        {"platzhalter.txt", Text("zahlen=%252&form=%1")},
    };
}

bool Schreibe(const std::filesystem::path& Ordner, const std::vector<TEintrag>& Eintraege)
{
    std::filesystem::create_directories(Ordner);
    for (const auto& [Name, Inhalt] : Eintraege) {
        std::ofstream Aus(Ordner / Name, std::ios::binary | std::ios::trunc);
        Aus.write(reinterpret_cast<const char*>(Inhalt.data()), static_cast<std::streamsize>(Inhalt.size()));
        if (!Aus) {
            std::fprintf(stderr, "%s nicht geschrieben\n", (Ordner / Name).c_str());
            return false;
        }
        std::printf("%-46s %6zu Bytes\n", (Ordner.filename() / Name).c_str(), Inhalt.size());
    }
    return true;
}

} // namespace
} // namespace kalumbo

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: korpusmacher <Verzeichnis>\n");
        return 2;
    }
    const std::filesystem::path Ziel = argv[1];
    using namespace kalumbo;
    return Schreibe(Ziel / "bild", Bilder()) && Schreibe(Ziel / "klassenlink", Klassenlinks()) ? 0 : 1;
}
