// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the four built-in background pictures and writes them as
// Bild1.jpg .. Bild4.jpg into the directory given on the command line.
// Run it again after changing a picture; it gives the same bytes every time.

#include "Leinwand.h"
#include "Motive.h"
#include "werkbank/JpegSchreiber.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace kalumbo;

constexpr int Seite = 400;

// The game ships pictures of 17 to 35 kB. Each picture gets the best
// quality that stays below the aim, so they look as good as the space allows.
constexpr std::size_t Kleinste = 17000;
constexpr std::size_t Groesste = 35000;
constexpr std::size_t Ziel = 33000;
constexpr int BesteQualitaet = 92;
constexpr int SchlechtesteQualitaet = 50;

struct Motiv {
    const char* datei;
    void (*male)(Leinwand&);
};

// Colour halved in both directions (4:2:0), as photos are stored, with
// Huffman tables made for the picture.
std::vector<std::uint8_t> AlsJpeg(const Leinwand& leinwand, int qualitaet)
{
    const TJpegArt art{.Breite = leinwand.Breite(),
                       .Hoehe = leinwand.Hoehe(),
                       .Farbart = TFarbart::YCbCr,
                       .Abtastung = TAbtastung::Halb420,
                       .Qualitaet = qualitaet,
                       .Optimiert = true};
    return SchreibeJpeg(art, TQuellbild{leinwand.Breite(), leinwand.Hoehe(), 3, leinwand.Rgb()});
}

bool Schreiben(const std::filesystem::path& pfad, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(aus);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: %s ZIELVERZEICHNIS\n", argv[0]);
        return 2;
    }
    const std::filesystem::path ziel = argv[1];

    const Motiv motive[] = {
        {"Bild1.jpg", MaleWiese},
        {"Bild2.jpg", MaleUnterwasser},
        {"Bild3.jpg", MaleRegenbogen},
        {"Bild4.jpg", MaleBallon},
    };

    for (const Motiv& motiv : motive) {
        Leinwand leinwand(Seite, Seite);
        motiv.male(leinwand);

        int qualitaet = BesteQualitaet;
        std::vector<std::uint8_t> bytes = AlsJpeg(leinwand, qualitaet);
        while (bytes.size() > Ziel && qualitaet > SchlechtesteQualitaet)
            bytes = AlsJpeg(leinwand, --qualitaet);

        if (bytes.size() < Kleinste || bytes.size() > Groesste) {
            std::fprintf(stderr, "%s: %zu Bytes bei Qualität %d, erlaubt sind %zu bis %zu\n", motiv.datei,
                         bytes.size(), qualitaet, Kleinste, Groesste);
            return 1;
        }
        if (!Schreiben(ziel / motiv.datei, bytes)) {
            std::fprintf(stderr, "%s kann nicht geschrieben werden\n", (ziel / motiv.datei).string().c_str());
            return 1;
        }
        std::printf("%s: %zu Bytes, Qualität %d\n", motiv.datei, bytes.size(), qualitaet);
    }
    return 0;
}
