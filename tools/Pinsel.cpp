// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pinsel.h"

#include <algorithm>
#include <cmath>

namespace kalumbo {

namespace {

// A well mixed hash of a lattice point, from -1 to 1.
float Zufallswert(std::int32_t x, std::int32_t y, std::uint32_t saat)
{
    std::uint32_t h = std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u ^ saat * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return float(h & 0xFFFFu) / 32767.5f - 1.0f;
}

Farbe AufStufen(const std::vector<Farbstufe>& stufen, float t)
{
    if (t <= stufen.front().first)
        return stufen.front().second;
    for (std::size_t i = 1; i < stufen.size(); ++i) {
        if (t <= stufen[i].first) {
            const auto& [t0, c0] = stufen[i - 1];
            const auto& [t1, c1] = stufen[i];
            return Mischen(c0, c1, (t - t0) / (t1 - t0));
        }
    }
    return stufen.back().second;
}

// Smooth value noise from -1 to 1, the same for the same arguments on every run.
float Rauschen(float x, float y, std::uint32_t saat)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = std::int32_t(fx);
    const auto iy = std::int32_t(fy);
    float u = x - fx;
    float v = y - fy;
    u = u * u * (3.0f - 2.0f * u);
    v = v * v * (3.0f - 2.0f * v);
    const float oben = Zufallswert(ix, iy, saat) * (1.0f - u) + Zufallswert(ix + 1, iy, saat) * u;
    const float unten = Zufallswert(ix, iy + 1, saat) * (1.0f - u) + Zufallswert(ix + 1, iy + 1, saat) * u;
    return oben * (1.0f - v) + unten * v;
}

} // namespace

Pinsel Senkrecht(float y0, float y1, std::vector<Farbstufe> stufen)
{
    return [=, stufen = std::move(stufen)](Punkt p) { return AufStufen(stufen, (p.y - y0) / (y1 - y0)); };
}

Pinsel Senkrecht(float y0, Farbe oben, float y1, Farbe unten)
{
    return Senkrecht(y0, y1, {{0.0f, oben}, {1.0f, unten}});
}

Pinsel Rund(Punkt mitte, float r, Farbe innen, Farbe aussen)
{
    return [=](Punkt p) {
        const float t = std::hypot(p.x - mitte.x, p.y - mitte.y) / r;
        return Mischen(innen, aussen, std::clamp(t, 0.0f, 1.0f));
    };
}

Pinsel Gewoelbt(Punkt mitte, float radius, Farbe farbe)
{
    const Punkt licht{mitte.x - radius * 0.45f, mitte.y - radius * 0.5f};
    return [=](Punkt p) {
        const float t = std::clamp(std::hypot(p.x - licht.x, p.y - licht.y) / (radius * 1.6f), 0.0f, 1.0f);
        // Light near the highlight, the plain colour in the middle, a little
        // darker at the far edge.
        if (t < 0.35f)
            return Mischen(Heller(farbe, 1.3f), farbe, t / 0.35f);
        return Mischen(farbe, Heller(farbe, 0.82f), (t - 0.35f) / 0.65f);
    };
}

Pinsel Gemustert(Pinsel grund, float staerke, float groesse, std::uint32_t saat)
{
    return [=, grund = std::move(grund)](Punkt p) {
        // Two octaves for patches, a touch of fine grain for the surface.
        const float n = 0.65f * Rauschen(p.x / groesse, p.y / groesse, saat)
            + 0.25f * Rauschen(p.x * 2.7f / groesse, p.y * 2.7f / groesse, saat + 1)
            + 0.10f * Rauschen(p.x * 0.9f, p.y * 0.9f, saat + 2);
        return Heller(grund(p), 1.0f + staerke * n);
    };
}

} // namespace kalumbo
