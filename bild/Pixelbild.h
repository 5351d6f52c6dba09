// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kalumbo {

// Only the top-left 400 x 400 pixels of a background picture ever reach the board.
inline constexpr int SichtbareGroesse = 400;

// Decoded pixels, rows from the top, 3 bytes R, G, B per pixel, tightly packed.
struct TPixelbild {
    int Breite = 0;
    int Hoehe = 0;
    std::vector<std::uint8_t> Rgb;
};

} // namespace kalumbo
