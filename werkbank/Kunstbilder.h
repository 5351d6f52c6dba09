// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "werkbank/JpegSchreiber.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kalumbo {

// A smooth colour ramp from 96 to 255 in every channel: red grows to the
// right, green downwards, blue along the diagonal. Slow enough that JPEG
// keeps every pixel within a few levels.
TQuellbild Verlauf(int Breite, int Hoehe);

// A small real picture whose frame header claims another size, as a
// hostile file would.
std::vector<std::uint8_t> MitBehaupteterGroesse(bool Progressiv, int Breite, int Hoehe);

// A picture in arithmetic coding, three components of 16 x 16 pixels each
// with all its coefficients but the first 1, that claims Breite x Hoehe
// pixels: every block the file does not hold the decoder makes out of its
// model alone, each as costly as one full of data. In one scan, or
// progressive with its scans of detail repeated Wiederholungen times.
std::vector<std::uint8_t> ArithmetischOhneDaten(int Breite, int Hoehe, bool Progressiv, int Wiederholungen = 1);

// Byte offset of the frame header (the SOFn marker) in an encoded picture.
std::size_t FindeBildkopf(const std::vector<std::uint8_t>& Jpeg);

} // namespace kalumbo
