// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kalumbo {

// How a picture is stored in the file.
enum class TFarbart { Rgb, YCbCr, Grau, Cmyk, Ycck };
enum class TAbtastung { Voll444, Halb420, Viertel411 };

struct TJpegArt {
    int Breite = 0;
    int Hoehe = 0;
    TFarbart Farbart = TFarbart::YCbCr;
    TAbtastung Abtastung = TAbtastung::Halb420; // for YCbCr only
    bool Progressiv = false;
    bool Arithmetisch = false;
    int Neustartintervall = 0; // in MCUs, 0 for none
    int Qualitaet = 97;        // 1 to 100, tables always baseline
    bool AdobeMarker = true;   // for CMYK and YCCK
    bool Optimiert = false;    // Huffman tables made for this picture: fewer bytes
};

// Pixels to encode, rows from the top: 3 bytes per pixel (R, G, B) for the
// colour kinds, 1 for grey, 4 (as stored, C, M, Y, K) for CMYK and YCCK.
struct TQuellbild {
    int Breite = 0;
    int Hoehe = 0;
    int Kanaele = 3;
    std::vector<std::uint8_t> Werte;

    std::uint8_t Wert(int X, int Y, int Kanal) const
    {
        return Werte[(std::size_t(Y) * Breite + X) * Kanaele + Kanal];
    }
};

// The picture as a JPEG in memory, written by the library's encoder with a
// JFIF 1.1 header where the kind has one (square pixels, no thumbnail). The
// same picture and kind give the same bytes every time.
std::vector<std::uint8_t> SchreibeJpeg(const TJpegArt& Art, const TQuellbild& Bild);

} // namespace kalumbo
