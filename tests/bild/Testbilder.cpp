// SPDX-License-Identifier: GPL-3.0-or-later
#include "Testbilder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace kalumbo::test {

TQuellbild Verlauf(int Breite, int Hoehe)
{
    TQuellbild Bild{Breite, Hoehe, 3, {}};
    Bild.Werte.reserve(std::size_t(Breite) * Hoehe * 3);
    const int Quer = std::max(1, Breite - 1);
    const int Hoch = std::max(1, Hoehe - 1);
    const int Schraeg = std::max(1, Breite + Hoehe - 2);
    for (int Y = 0; Y < Hoehe; ++Y) {
        for (int X = 0; X < Breite; ++X) {
            Bild.Werte.push_back(static_cast<std::uint8_t>(96 + X * 159 / Quer));
            Bild.Werte.push_back(static_cast<std::uint8_t>(96 + Y * 159 / Hoch));
            Bild.Werte.push_back(static_cast<std::uint8_t>(96 + (X + Y) * 159 / Schraeg));
        }
    }
    return Bild;
}

void ZeichneMarke(TQuellbild& Bild, const TMarke& Marke)
{
    for (int Y = Marke.Oben; Y < Marke.Oben + Marke.Kante; ++Y)
        for (int X = Marke.Links; X < Marke.Links + Marke.Kante; ++X)
            for (int Kanal = 0; Kanal < Bild.Kanaele; ++Kanal)
                Bild.Werte[(std::size_t(Y) * Bild.Breite + X) * Bild.Kanaele + Kanal] = 0;
}

std::array<int, 3> Farbe(const TPixelbild& Bild, int X, int Y)
{
    const std::size_t Stelle = (std::size_t(Y) * Bild.Breite + X) * 3;
    return {Bild.Rgb.at(Stelle), Bild.Rgb.at(Stelle + 1), Bild.Rgb.at(Stelle + 2)};
}

int GroessteAbweichung(const TPixelbild& Bild, const TQuellbild& Quelle, const TMarke* Ausgenommen, int Rand)
{
    const auto NaheMarke = [&](int X, int Y) {
        return Ausgenommen != nullptr && X >= Ausgenommen->Links - Rand &&
               X < Ausgenommen->Links + Ausgenommen->Kante + Rand && Y >= Ausgenommen->Oben - Rand &&
               Y < Ausgenommen->Oben + Ausgenommen->Kante + Rand;
    };
    int Groesste = 0;
    for (int Y = 0; Y < Bild.Hoehe; ++Y) {
        for (int X = 0; X < Bild.Breite; ++X) {
            if (NaheMarke(X, Y))
                continue;
            const auto Dekodiert = Farbe(Bild, X, Y);
            for (int Kanal = 0; Kanal < 3; ++Kanal) {
                const int Soll = Quelle.Wert(X, Y, Quelle.Kanaele == 1 ? 0 : Kanal);
                Groesste = std::max(Groesste, std::abs(Dekodiert[Kanal] - Soll));
            }
        }
    }
    return Groesste;
}

std::vector<std::uint8_t> MitBehaupteterGroesse(bool Progressiv, int Breite, int Hoehe)
{
    std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 16, .Hoehe = 16, .Progressiv = Progressiv}, Verlauf(16, 16));
    const std::size_t Kopf = FindeBildkopf(Jpeg);
    Jpeg.at(Kopf + 5) = static_cast<std::uint8_t>(Hoehe >> 8);
    Jpeg.at(Kopf + 6) = static_cast<std::uint8_t>(Hoehe & 0xFF);
    Jpeg.at(Kopf + 7) = static_cast<std::uint8_t>(Breite >> 8);
    Jpeg.at(Kopf + 8) = static_cast<std::uint8_t>(Breite & 0xFF);
    return Jpeg;
}

TTempVerzeichnis::TTempVerzeichnis()
{
    std::string Muster = (std::filesystem::temp_directory_path() / "kalumbo-bild-XXXXXX").string();
    if (mkdtemp(Muster.data()) == nullptr)
        throw std::runtime_error("Kein temporäres Verzeichnis");
    Ort = Muster;
}

TTempVerzeichnis::~TTempVerzeichnis()
{
    std::error_code Egal;
    std::filesystem::remove_all(Ort, Egal);
}

std::filesystem::path TTempVerzeichnis::Schreibe(const std::string& Name, const std::vector<std::uint8_t>& Inhalt) const
{
    const auto Datei = Ort / Name;
    std::ofstream Aus(Datei, std::ios::binary);
    Aus.write(reinterpret_cast<const char*>(Inhalt.data()), static_cast<std::streamsize>(Inhalt.size()));
    if (!Aus)
        throw std::runtime_error("Testdatei nicht geschrieben");
    return Datei;
}

TArbeitsverzeichnis::TArbeitsverzeichnis() : Vorher(std::filesystem::current_path())
{
    std::filesystem::current_path(Ort.Pfad());
}

TArbeitsverzeichnis::~TArbeitsverzeichnis()
{
    std::error_code Egal;
    std::filesystem::current_path(Vorher, Egal);
}

} // namespace kalumbo::test
