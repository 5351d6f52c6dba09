// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Leinwand.h"

#include <cstdint>
#include <vector>

namespace kalumbo {

// The picture as a JFIF 1.1 baseline JPEG: square pixels, no thumbnail,
// YCbCr with the colour halved in both directions (4:2:0), at the given
// quality from 1 to 100. The same picture gives the same bytes every time.
std::vector<std::uint8_t> AlsJpeg(const Leinwand& leinwand, int qualitaet);

} // namespace kalumbo
