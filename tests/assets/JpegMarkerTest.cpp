// SPDX-License-Identifier: GPL-3.0-or-later
// The marker reader that the picture checks rely on must see every marker,
// also those behind the coded data, or a progressive picture could pass.

#include "JpegMarker.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kalumbo {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::uint8_t> Marker(const std::vector<JpegSegment>& segmente)
{
    std::vector<std::uint8_t> m;
    for (const JpegSegment& s : segmente)
        m.push_back(s.marker);
    return m;
}

TEST(JpegMarker, SiehtAlleMarkerHinterDenKodiertenDaten)
{
    // Two scans as in a progressive file; the coded data holds a stuffed
    // 0xFF 0x00 and a restart marker, which are no markers of their own.
    const Bytes datei{0xFF, 0xD8,                               // SOI
                      0xFF, 0xC2, 0x00, 0x05, 0x08, 0x00, 0x10, // SOF2, shortened
                      0xFF, 0xDA, 0x00, 0x03, 0x01,             // SOS
                      0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD3, 0x56, // coded data
                      0xFF, 0xC4, 0x00, 0x02,                   // DHT
                      0xFF, 0xDA, 0x00, 0x03, 0x02,             // second SOS
                      0x78,                                     //
                      0xFF, 0xD9};                              // EOI
    const auto segmente = LiesMarker(datei);
    EXPECT_EQ(Marker(segmente), (Bytes{0xD8, 0xC2, 0xDA, 0xC4, 0xDA, 0xD9}));
    EXPECT_EQ(segmente[1].daten, (Bytes{0x08, 0x00, 0x10}));
    EXPECT_EQ(segmente[3].position, 21u);
    EXPECT_EQ(segmente.back().position, 31u);
}

TEST(JpegMarker, LehntKaputteDateienAb)
{
    EXPECT_THROW(LiesMarker(Bytes{}), std::runtime_error);
    EXPECT_THROW(LiesMarker(Bytes{0x89, 0x50, 0x4E, 0x47}), std::runtime_error) << "a PNG";
    EXPECT_THROW(LiesMarker(Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A}), std::runtime_error) << "cut off in APP0";
    EXPECT_THROW(LiesMarker(Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x02}), std::runtime_error) << "no EOI";
    EXPECT_THROW(LiesMarker(Bytes{0xFF, 0xD8, 0x00, 0xFF, 0xD9}), std::runtime_error) << "junk between markers";
}

} // namespace
} // namespace kalumbo
