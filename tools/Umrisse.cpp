// SPDX-License-Identifier: GPL-3.0-or-later
#include "Umrisse.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalumbo {

namespace {

constexpr float Gross = 1.0e6f;

float Laenge(float x, float y)
{
    return std::sqrt(x * x + y * y);
}

float Bogenmass(float grad)
{
    return grad * std::numbers::pi_v<float> / 180.0f;
}

Kasten Umfassend(const Kasten& a, const Kasten& b)
{
    return Kasten{std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Kasten Gemeinsam(const Kasten& a, const Kasten& b)
{
    return Kasten{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Kasten Erweitert(const Kasten& k, float um)
{
    return Kasten{k.x0 - um, k.y0 - um, k.x1 + um, k.y1 + um};
}

Kasten KastenUm(const std::vector<Punkt>& punkte)
{
    Kasten k{Gross, Gross, -Gross, -Gross};
    for (const Punkt& p : punkte)
        k = Umfassend(k, Kasten{p.x, p.y, p.x, p.y});
    return k;
}

// Distance from p to the segment a-b.
float AbstandZurStrecke(Punkt p, Punkt a, Punkt b)
{
    const float ex = b.x - a.x;
    const float ey = b.y - a.y;
    const float wx = p.x - a.x;
    const float wy = p.y - a.y;
    const float ll = ex * ex + ey * ey;
    const float t = ll > 0.0f ? std::clamp((wx * ex + wy * ey) / ll, 0.0f, 1.0f) : 0.0f;
    return Laenge(wx - ex * t, wy - ey * t);
}

} // namespace

Punkt Polar(Punkt mitte, float r, float winkel)
{
    const float w = Bogenmass(winkel);
    return Punkt{mitte.x + r * std::cos(w), mitte.y + r * std::sin(w)};
}

Umriss Flaeche(float breite, float hoehe)
{
    return Umriss{Kasten{0.0f, 0.0f, breite, hoehe}, [](Punkt) { return -Gross; }};
}

Umriss Rechteck(Kasten k, float eckradius)
{
    const float mx = (k.x0 + k.x1) * 0.5f;
    const float my = (k.y0 + k.y1) * 0.5f;
    const float hx = (k.x1 - k.x0) * 0.5f - eckradius;
    const float hy = (k.y1 - k.y0) * 0.5f - eckradius;
    return Umriss{k, [=](Punkt p) {
                      const float qx = std::abs(p.x - mx) - hx;
                      const float qy = std::abs(p.y - my) - hy;
                      return Laenge(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f)
                          - eckradius;
                  }};
}

Umriss Kreis(Punkt mitte, float radius)
{
    return Umriss{Kasten{mitte.x - radius, mitte.y - radius, mitte.x + radius, mitte.y + radius},
                  [=](Punkt p) { return Laenge(p.x - mitte.x, p.y - mitte.y) - radius; }};
}

Umriss Ellipse(Punkt mitte, float rx, float ry, float winkel)
{
    const float c = std::cos(Bogenmass(winkel));
    const float s = std::sin(Bogenmass(winkel));
    const float r = std::max(rx, ry);
    return Umriss{Kasten{mitte.x - r, mitte.y - r, mitte.x + r, mitte.y + r}, [=](Punkt p) {
                      // Into the ellipse's own axes, then the usual close estimate
                      // of the distance, which is exact enough for smooth edges.
                      const float dx = p.x - mitte.x;
                      const float dy = p.y - mitte.y;
                      const float u = dx * c + dy * s;
                      const float v = -dx * s + dy * c;
                      const float k0 = Laenge(u / rx, v / ry);
                      const float k1 = Laenge(u / (rx * rx), v / (ry * ry));
                      if (k1 <= 0.0f)
                          return -std::min(rx, ry);
                      return k0 * (k0 - 1.0f) / k1;
                  }};
}

Umriss Vieleck(std::vector<Punkt> ecken)
{
    const Kasten k = KastenUm(ecken);
    return Umriss{k, [ecken = std::move(ecken)](Punkt p) {
                      float d = Gross;
                      bool innen = false;
                      const std::size_t n = ecken.size();
                      for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                          const Punkt a = ecken[i];
                          const Punkt b = ecken[j];
                          d = std::min(d, AbstandZurStrecke(p, a, b));
                          if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
                              innen = !innen;
                      }
                      return innen ? -d : d;
                  }};
}

Umriss Strich(Punkt a, Punkt b, float dicke)
{
    return Linienzug({a, b}, dicke);
}

Umriss Linienzug(std::vector<Punkt> punkte, float dicke)
{
    const Kasten k = Erweitert(KastenUm(punkte), dicke * 0.5f);
    return Umriss{k, [punkte = std::move(punkte), dicke](Punkt p) {
                      float d = Gross;
                      for (std::size_t i = 1; i < punkte.size(); ++i)
                          d = std::min(d, AbstandZurStrecke(p, punkte[i - 1], punkte[i]));
                      if (punkte.size() == 1)
                          d = Laenge(p.x - punkte[0].x, p.y - punkte[0].y);
                      return d - dicke * 0.5f;
                  }};
}

Umriss Ring(Punkt mitte, float radius, float dicke)
{
    const float r = radius + dicke * 0.5f;
    return Umriss{Kasten{mitte.x - r, mitte.y - r, mitte.x + r, mitte.y + r}, [=](Punkt p) {
                      return std::abs(Laenge(p.x - mitte.x, p.y - mitte.y) - radius) - dicke * 0.5f;
                  }};
}

Umriss Stern(Punkt mitte, float aussen, float innen, int zacken, float drehung)
{
    std::vector<Punkt> ecken;
    for (int i = 0; i < zacken * 2; ++i) {
        const float w = drehung - 90.0f + 180.0f * float(i) / float(zacken);
        ecken.push_back(Polar(mitte, i % 2 == 0 ? aussen : innen, w));
    }
    return Vieleck(std::move(ecken));
}

Umriss Vereinigung(const Umriss& a, const Umriss& b)
{
    return Vereinigung(std::vector<Umriss>{a, b});
}

Umriss Vereinigung(const std::vector<Umriss>& teile)
{
    Kasten k{Gross, Gross, -Gross, -Gross};
    for (const Umriss& t : teile)
        k = Umfassend(k, t.kasten);
    return Umriss{k, [teile](Punkt p) {
                      float d = Gross;
                      for (const Umriss& t : teile)
                          d = std::min(d, t.abstand(p));
                      return d;
                  }};
}

Umriss Schnitt(const Umriss& a, const Umriss& b)
{
    return Umriss{Gemeinsam(a.kasten, b.kasten), [a, b](Punkt p) { return std::max(a.abstand(p), b.abstand(p)); }};
}

Umriss Ohne(const Umriss& a, const Umriss& weg)
{
    return Umriss{a.kasten, [a, weg](Punkt p) { return std::max(a.abstand(p), -weg.abstand(p)); }};
}

Umriss Verdickt(const Umriss& umriss, float um)
{
    return Umriss{Erweitert(umriss.kasten, std::max(um, 0.0f)),
                  [umriss, um](Punkt p) { return umriss.abstand(p) - um; }};
}

Umriss Verschoben(const Umriss& umriss, float dx, float dy)
{
    const Kasten k = umriss.kasten;
    return Umriss{Kasten{k.x0 + dx, k.y0 + dy, k.x1 + dx, k.y1 + dy},
                  [umriss, dx, dy](Punkt p) { return umriss.abstand(Punkt{p.x - dx, p.y - dy}); }};
}

Umriss Gespiegelt(const Umriss& umriss, float y)
{
    const Kasten k = umriss.kasten;
    return Umriss{Kasten{k.x0, 2.0f * y - k.y1, k.x1, 2.0f * y - k.y0},
                  [umriss, y](Punkt p) { return umriss.abstand(Punkt{p.x, 2.0f * y - p.y}); }};
}

} // namespace kalumbo
