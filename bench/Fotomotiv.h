// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "werkbank/JpegSchreiber.h"

#include <cstdint>
#include <vector>

namespace kalumbo::messung {

// A made-up landscape that a JPEG encoder treats like a photo: sky with
// clouds and sun, hills, a house, trees, grass whose texture is measured in
// pixels (so a large picture has fine detail everywhere, as a camera's
// has), and a little grain. The same scene at every size.
TQuellbild Fotomotiv(int Breite, int Hoehe);

// The scene as a JPEG at quality 90 with 4:2:0 chroma, as cameras and
// photo programs usually store it; baseline or progressive.
std::vector<std::uint8_t> FotoAlsJpeg(int Breite, int Hoehe, bool Progressiv = false);

} // namespace kalumbo::messung
