// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegMarker.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace kalumbo {

namespace {

constexpr std::uint8_t Soi = 0xD8;
constexpr std::uint8_t Eoi = 0xD9;
constexpr std::uint8_t Sos = 0xDA;

// Markers that stand alone, without a length field.
bool OhneLaenge(std::uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

[[noreturn]] void Kaputt(const std::string& was, std::size_t wo)
{
    throw std::runtime_error(was + " bei Byte " + std::to_string(wo));
}

} // namespace

std::vector<JpegSegment> LiesMarker(const std::vector<std::uint8_t>& b)
{
    if (b.size() < 2 || b[0] != 0xFF || b[1] != Soi)
        Kaputt("kein SOI am Anfang", 0);

    std::vector<JpegSegment> segmente{JpegSegment{Soi, 0, {}}};
    std::size_t pos = 2;
    while (pos < b.size()) {
        if (b[pos] != 0xFF)
            Kaputt("Marker erwartet", pos);
        const std::size_t anfang = pos;
        while (pos < b.size() && b[pos] == 0xFF) // fill bytes
            ++pos;
        if (pos >= b.size())
            break;
        const std::uint8_t marker = b[pos++];
        if (marker == Eoi) {
            segmente.push_back(JpegSegment{marker, anfang, {}});
            return segmente;
        }
        if (OhneLaenge(marker)) {
            segmente.push_back(JpegSegment{marker, anfang, {}});
            continue;
        }
        if (pos + 2 > b.size())
            Kaputt("Länge fehlt", pos);
        const std::size_t laenge = Wort(b, pos);
        if (laenge < 2 || pos + laenge > b.size())
            Kaputt("Länge passt nicht", pos);
        segmente.push_back(JpegSegment{marker, anfang, {b.begin() + std::ptrdiff_t(pos + 2), b.begin() + std::ptrdiff_t(pos + laenge)}});
        pos += laenge;

        if (marker == Sos) {
            // Coded data: 0xFF is followed by 0x00 (a stuffed byte) or a
            // restart marker; anything else is the next real marker.
            while (pos < b.size()) {
                if (b[pos] == 0xFF && pos + 1 < b.size()) {
                    const std::uint8_t naechstes = b[pos + 1];
                    if (naechstes != 0x00 && !(naechstes >= 0xD0 && naechstes <= 0xD7))
                        break;
                    pos += 2;
                } else {
                    ++pos;
                }
            }
        }
    }
    Kaputt("kein EOI", b.size());
}

std::vector<std::uint8_t> LiesDatei(const std::filesystem::path& pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein)
        throw std::runtime_error(pfad.string() + " kann nicht gelesen werden");
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

} // namespace kalumbo
