// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JpegSchreiber.h"
#include "bild/Pixelbild.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kalumbo::test {

// A smooth colour ramp from 96 to 255 in every channel: red grows to the
// right, green downwards, blue along the diagonal. Slow enough that JPEG
// keeps every pixel within a few levels.
TQuellbild Verlauf(int Breite, int Hoehe);

// A black square drawn into a picture, for finding places again.
struct TMarke {
    int Links = 0;
    int Oben = 0;
    int Kante = 0;
};
void ZeichneMarke(TQuellbild& Bild, const TMarke& Marke);

std::array<int, 3> Farbe(const TPixelbild& Bild, int X, int Y);

// The largest difference in any channel between the decoded picture and
// the same pixels of the source, leaving out a square border of Rand
// pixels around the mark (where JPEG blurs its sharp edges).
int GroessteAbweichung(const TPixelbild& Bild, const TQuellbild& Quelle, const TMarke* Ausgenommen = nullptr,
                       int Rand = 0);

// A small real picture whose frame header claims another size, as a
// hostile file would.
std::vector<std::uint8_t> MitBehaupteterGroesse(bool Progressiv, int Breite, int Hoehe);

// A fresh empty directory under the system's temporary directory, removed
// with everything in it at the end.
class TTempVerzeichnis {
public:
    TTempVerzeichnis();
    ~TTempVerzeichnis();
    TTempVerzeichnis(const TTempVerzeichnis&) = delete;
    TTempVerzeichnis& operator=(const TTempVerzeichnis&) = delete;

    const std::filesystem::path& Pfad() const { return Ort; }
    std::filesystem::path Schreibe(const std::string& Name, const std::vector<std::uint8_t>& Inhalt) const;

private:
    std::filesystem::path Ort;
};

// A fresh empty directory that is the working directory while it exists,
// for the picture files the game looks up there.
class TArbeitsverzeichnis {
public:
    TArbeitsverzeichnis();
    ~TArbeitsverzeichnis();
    TArbeitsverzeichnis(const TArbeitsverzeichnis&) = delete;
    TArbeitsverzeichnis& operator=(const TArbeitsverzeichnis&) = delete;

    const std::filesystem::path& Pfad() const { return Ort.Pfad(); }
    std::filesystem::path Schreibe(const std::string& Name, const std::vector<std::uint8_t>& Inhalt) const
    {
        return Ort.Schreibe(Name, Inhalt);
    }

private:
    std::filesystem::path Vorher;
    TTempVerzeichnis Ort;
};

} // namespace kalumbo::test
