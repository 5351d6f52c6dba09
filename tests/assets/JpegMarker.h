// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kalumbo {

// One marker of a JPEG file and, for markers with a length field, the bytes
// that follow the length.
struct JpegSegment {
    std::uint8_t marker = 0;  // the byte after 0xFF
    std::size_t position = 0; // offset of the 0xFF in the file
    std::vector<std::uint8_t> daten;
};

// Walks a JPEG file from SOI to EOI and lists every marker on the way,
// stepping over the coded data that follows each SOS. Throws
// std::runtime_error when the file is not built of markers like that.
std::vector<JpegSegment> LiesMarker(const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> LiesDatei(const std::filesystem::path& pfad);

// Big-endian 16-bit value at offset i.
inline unsigned Wort(const std::vector<std::uint8_t>& b, std::size_t i)
{
    return unsigned(b.at(i)) << 8 | unsigned(b.at(i + 1));
}

} // namespace kalumbo
