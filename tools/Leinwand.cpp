// SPDX-License-Identifier: GPL-3.0-or-later
#include "Leinwand.h"

#include <algorithm>
#include <cmath>

namespace kalumbo {

Farbe Mischen(Farbe a, Farbe b, float t)
{
    return Farbe{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Farbe Heller(Farbe farbe, float faktor)
{
    if (faktor <= 1.0f)
        return Farbe{farbe.r * faktor, farbe.g * faktor, farbe.b * faktor};
    // Towards white, so that light colours do not simply clip.
    const float t = std::min(faktor - 1.0f, 1.0f);
    return Mischen(farbe, Farbe{255.0f, 255.0f, 255.0f}, t);
}

Leinwand::Leinwand(int breite, int hoehe)
    : breite_(breite), hoehe_(hoehe), pixel_(std::size_t(breite) * std::size_t(hoehe), Hex(0xFFFFFF))
{
}

void Leinwand::Malen(const Umriss& umriss, const Pinsel& pinsel, float deckkraft, float weich)
{
    const float rand = weich * 0.5f + 1.0f;
    const int x0 = std::max(0, int(std::floor(umriss.kasten.x0 - rand)));
    const int y0 = std::max(0, int(std::floor(umriss.kasten.y0 - rand)));
    const int x1 = std::min(breite_, int(std::ceil(umriss.kasten.x1 + rand)));
    const int y1 = std::min(hoehe_, int(std::ceil(umriss.kasten.y1 + rand)));

    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            // Pixel centres lie half a pixel into the pixel.
            const Punkt p{float(x) + 0.5f, float(y) + 0.5f};
            const float d = umriss.abstand(p);
            float t = std::clamp(0.5f - d / weich, 0.0f, 1.0f);
            if (t <= 0.0f)
                continue;
            t = t * t * (3.0f - 2.0f * t);
            Farbe& ziel = pixel_[std::size_t(y) * std::size_t(breite_) + std::size_t(x)];
            ziel = Mischen(ziel, pinsel(p), t * deckkraft);
        }
    }
}

void Leinwand::Malen(const Umriss& umriss, Farbe farbe, float deckkraft, float weich)
{
    Malen(umriss, [farbe](Punkt) { return farbe; }, deckkraft, weich);
}

std::vector<std::uint8_t> Leinwand::Rgb() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixel_.size() * 3);
    const auto acht = [](float v) { return std::uint8_t(std::lround(std::clamp(v, 0.0f, 255.0f))); };
    for (const Farbe& f : pixel_) {
        bytes.push_back(acht(f.r));
        bytes.push_back(acht(f.g));
        bytes.push_back(acht(f.b));
    }
    return bytes;
}

} // namespace kalumbo
