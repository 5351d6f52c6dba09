// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kalumbo::test {

// How the test pictures are stored in the file.
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
    int Qualitaet = 97;
    bool AdobeMarker = true;   // for CMYK and YCCK
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

// Encodes the picture with the library's encoder into a JPEG in memory.
std::vector<std::uint8_t> SchreibeJpeg(const TJpegArt& Art, const TQuellbild& Bild);

// A picture in arithmetic coding, three components of 16 x 16 pixels each
// with all its coefficients but the first 1, that claims Breite x Hoehe
// pixels: every block the file does not hold the decoder makes out of its
// model alone, each as costly as one full of data. In one scan, or
// progressive with its scans of detail repeated Wiederholungen times.
std::vector<std::uint8_t> ArithmetischOhneDaten(int Breite, int Hoehe, bool Progressiv, int Wiederholungen = 1);

// Byte offset of the frame header (the SOFn marker) in an encoded picture.
std::size_t FindeBildkopf(const std::vector<std::uint8_t>& Jpeg);

} // namespace kalumbo::test
