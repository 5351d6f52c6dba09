// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kalumbo {

// A font of the game, by its character height in pixels: the tiles' text
// on the board, and each text of the window's layout.
struct TSchrift {
    int Pixel = 13;
    bool Fett = false;

    constexpr bool operator==(const TSchrift&) const = default;
};

} // namespace kalumbo
