// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kalumbo {

// A colour with red, green and blue from 0 to 255, kept as float so that
// blending and gradients lose nothing before the picture is written.
struct Farbe {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// 0xRRGGBB as written in a paint program.
constexpr Farbe Hex(std::uint32_t rgb)
{
    return Farbe{float((rgb >> 16) & 0xFF), float((rgb >> 8) & 0xFF), float(rgb & 0xFF)};
}

// t = 0 gives a, t = 1 gives b.
Farbe Mischen(Farbe a, Farbe b, float t);

// Brighter (faktor > 1) or darker (faktor < 1).
Farbe Heller(Farbe farbe, float faktor);

struct Punkt {
    float x = 0.0f;
    float y = 0.0f;
};

// The rectangle a shape lies in; pixels outside it are never looked at.
struct Kasten {
    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;
};

// A shape, given by its signed distance in pixels from a point to its edge:
// negative inside, positive outside. Edges are smoothed over the width the
// painter asks for, which gives anti-aliased or soft glowing edges alike.
struct Umriss {
    Kasten kasten;
    std::function<float(Punkt)> abstand;
};

// The colour to paint at a point: a flat colour, a gradient or a texture.
using Pinsel = std::function<Farbe(Punkt)>;

// The picture being drawn, row by row from the top left.
class Leinwand {
public:
    Leinwand(int breite, int hoehe);

    int Breite() const { return breite_; }
    int Hoehe() const { return hoehe_; }

    // Covers the shape with the brush. deckkraft is the opacity of the paint,
    // weich the width in pixels over which the edge fades out (1 = a crisp
    // anti-aliased edge, larger values a soft glow).
    void Malen(const Umriss& umriss, const Pinsel& pinsel, float deckkraft = 1.0f, float weich = 1.0f);
    void Malen(const Umriss& umriss, Farbe farbe, float deckkraft = 1.0f, float weich = 1.0f);

    // Eight bits per sample, red, green, blue, row after row.
    std::vector<std::uint8_t> Rgb() const;

private:
    int breite_;
    int hoehe_;
    std::vector<Farbe> pixel_;
};

} // namespace kalumbo
