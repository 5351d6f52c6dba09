// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bausteine.h"
#include "Motive.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kalumbo {

namespace {

// A hot-air balloon: a round envelope in coloured stripes that narrows
// towards the basket. oben is the centre of the round part, r its radius.
void Heissluftballon(Leinwand& leinwand, Punkt oben, float r, const std::vector<Farbe>& streifen)
{
    const float unten = oben.y + r * 1.45f; // lower end of the envelope
    const float halsbreite = r * 0.28f;

    // The envelope's half width at height y: a circle above, a smooth taper below.
    const auto halbeBreite = [=](float y) {
        if (y <= oben.y)
            return std::sqrt(std::max(0.0f, r * r - (y - oben.y) * (y - oben.y)));
        const float t = std::clamp((y - oben.y) / (unten - oben.y), 0.0f, 1.0f);
        const float weich = t * t * (3.0f - 2.0f * t);
        return r + (halsbreite - r) * weich;
    };

    std::vector<Punkt> rechts;
    std::vector<Punkt> links;
    for (float y = oben.y - r; y <= unten + 0.01f; y += 2.0f) {
        rechts.push_back(Punkt{oben.x + halbeBreite(y), y});
        links.push_back(Punkt{oben.x - halbeBreite(y), y});
    }
    std::vector<Punkt> ecken = rechts;
    ecken.insert(ecken.end(), links.rbegin(), links.rend());
    const Umriss huelle = Vieleck(std::move(ecken));

    // Stripes follow the curve of the envelope; shading makes it round.
    const auto anzahl = float(streifen.size());
    const auto streifenfarbe = [=](float x, float y) {
        const float b = std::max(halbeBreite(y), 1.0f);
        const float u = std::clamp((x - oben.x) / b, -1.0f, 1.0f);
        const float winkel = std::asin(u);
        const auto index = std::size_t(std::clamp((winkel / 3.1416f + 0.5f) * anzahl, 0.0f, anzahl - 1.0f));
        const float schatten = 1.0f - 0.28f * std::pow(std::abs(u + 0.25f) / 1.25f, 2.0f);
        return Heller(streifen[index], schatten);
    };
    // Four samples across each pixel keep the seams between stripes smooth.
    const Pinsel muster = [=](Punkt p) {
        Farbe summe;
        for (float dx : {-0.375f, -0.125f, 0.125f, 0.375f}) {
            const Farbe f = streifenfarbe(p.x + dx, p.y);
            summe = Farbe{summe.r + f.r * 0.25f, summe.g + f.g * 0.25f, summe.b + f.b * 0.25f};
        }
        return summe;
    };

    // Ropes and basket first, so that the envelope hangs over them.
    const float korbOben = unten + r * 0.32f;
    const Farbe seil = Hex(0x6D4C41);
    leinwand.Malen(Strich(Punkt{oben.x - halsbreite, unten - 2.0f}, Punkt{oben.x - r * 0.2f, korbOben}, 1.6f), seil);
    leinwand.Malen(Strich(Punkt{oben.x + halsbreite, unten - 2.0f}, Punkt{oben.x + r * 0.2f, korbOben}, 1.6f), seil);
    leinwand.Malen(Strich(Punkt{oben.x, unten - 2.0f}, Punkt{oben.x, korbOben}, 1.4f), seil);
    const Kasten korb{oben.x - r * 0.24f, korbOben, oben.x + r * 0.24f, korbOben + r * 0.3f};
    Umrandet(leinwand, Rechteck(korb, r * 0.05f), Gemustert([](Punkt) { return Hex(0xB7793A); }, 0.18f, 2.0f, 41),
             Hex(0x6B4220), 1.6f);
    leinwand.Malen(Strich(Punkt{korb.x0, korb.y0 + 1.5f}, Punkt{korb.x1, korb.y0 + 1.5f}, r * 0.06f), Hex(0x8A5A2B));

    Umrandet(leinwand, huelle, muster, Hex(0x5D3A1A), 2.2f);
    // A gleam of light on the upper left.
    leinwand.Malen(Ellipse(Punkt{oben.x - r * 0.45f, oben.y - r * 0.45f}, r * 0.2f, r * 0.1f, -45.0f), Hex(0xFFFFFF), 0.55f, 4.0f);
    leinwand.Malen(Rechteck(Kasten{oben.x - halsbreite, unten - r * 0.1f, oben.x + halsbreite, unten + 1.0f}, 2.0f), Hex(0xE0A040));
}

void Haus(Leinwand& leinwand, Punkt fuss, float g)
{
    const Kasten wand{fuss.x - g * 0.5f, fuss.y - g * 0.62f, fuss.x + g * 0.5f, fuss.y};
    // The chimney behind the roof, with a curl of smoke.
    for (int i = 0; i < 3; ++i)
        leinwand.Malen(Kreis(Punkt{fuss.x + g * 0.34f + float(i) * g * 0.08f, wand.y0 - g * 0.68f - float(i) * g * 0.14f},
                             g * (0.06f + 0.025f * float(i))),
                       Hex(0xB0BEC5), 0.8f, 2.0f);
    Umrandet(leinwand, Rechteck(Kasten{fuss.x + g * 0.22f, wand.y0 - g * 0.55f, fuss.x + g * 0.36f, wand.y0 - g * 0.15f}),
             Hex(0xB5533C), Hex(0x6E2A1C), 1.5f);

    Umrandet(leinwand, Rechteck(wand), Gemustert([](Punkt) { return Hex(0xFFF1C9); }, 0.05f, 6.0f, 51), Hex(0x8D6E63), 1.8f);
    const Umriss dach = Vieleck({Punkt{wand.x0 - g * 0.12f, wand.y0 + 2.0f}, Punkt{fuss.x, wand.y0 - g * 0.5f},
                                 Punkt{wand.x1 + g * 0.12f, wand.y0 + 2.0f}});
    Umrandet(leinwand, dach, Senkrecht(wand.y0 - g * 0.5f, Hex(0xF0573D), wand.y0, Hex(0xC8372A)), Hex(0x7E1F16), 2.0f);
    // A round window in the gable.
    Umrandet(leinwand, Kreis(Punkt{fuss.x, wand.y0 - g * 0.18f}, g * 0.07f), Hex(0xFFE27A), Hex(0x6E2A1C), 1.4f);

    const Kasten tuer{fuss.x - g * 0.1f, fuss.y - g * 0.36f, fuss.x + g * 0.1f, fuss.y};
    Umrandet(leinwand, Rechteck(tuer, g * 0.03f), Hex(0x6FA8DC), Hex(0x2F5B85), 1.6f);
    leinwand.Malen(Kreis(Punkt{tuer.x1 - g * 0.05f, fuss.y - g * 0.18f}, g * 0.018f), Hex(0xFFD54F));

    for (float seite : {-1.0f, 1.0f}) {
        const float mx = fuss.x + seite * g * 0.3f;
        const Kasten fenster{mx - g * 0.1f, fuss.y - g * 0.45f, mx + g * 0.1f, fuss.y - g * 0.25f};
        Umrandet(leinwand, Rechteck(fenster), Senkrecht(fenster.y0, Hex(0xBDE6FF), fenster.y1, Hex(0x7CC2F0)), Hex(0x5D4037), 1.8f);
        leinwand.Malen(Strich(Punkt{mx, fenster.y0}, Punkt{mx, fenster.y1}, 1.5f), Hex(0x5D4037));
        leinwand.Malen(Strich(Punkt{fenster.x0, (fenster.y0 + fenster.y1) * 0.5f}, Punkt{fenster.x1, (fenster.y0 + fenster.y1) * 0.5f}, 1.5f),
                       Hex(0x5D4037));
        // Flower box under the window.
        leinwand.Malen(Rechteck(Kasten{fenster.x0 - 1.0f, fenster.y1 + 1.0f, fenster.x1 + 1.0f, fenster.y1 + g * 0.05f}), Hex(0x8B5A2B));
        for (int i = 0; i < 3; ++i)
            leinwand.Malen(Kreis(Punkt{fenster.x0 + g * 0.04f + float(i) * g * 0.06f, fenster.y1}, g * 0.025f), i == 1 ? Hex(0xFFEB3B) : Hex(0xE53935));
    }
}

void Zaun(Leinwand& leinwand, float x0, float x1, float y)
{
    const Farbe holz = Hex(0xFFFFFF);
    const Farbe rand = Hex(0x9E9E9E);
    Umrandet(leinwand, Rechteck(Kasten{x0, y - 18.0f, x1, y - 14.0f}), holz, rand, 1.0f);
    Umrandet(leinwand, Rechteck(Kasten{x0, y - 8.0f, x1, y - 4.0f}), holz, rand, 1.0f);
    for (float x = x0 + 4.0f; x < x1; x += 13.0f)
        Umrandet(leinwand, Vieleck({Punkt{x - 3.5f, y}, Punkt{x - 3.5f, y - 22.0f}, Punkt{x, y - 26.0f}, Punkt{x + 3.5f, y - 22.0f}, Punkt{x + 3.5f, y}}),
                 holz, rand, 1.0f);
}

} // namespace

void MaleBallon(Leinwand& leinwand)
{
    leinwand.Malen(Flaeche(Bildgroesse, Bildgroesse),
                   Senkrecht(0.0f, 280.0f, {{0.0f, Hex(0x7CC8F8)}, {0.65f, Hex(0xC7E9FF)}, {1.0f, Hex(0xFFF0D6)}}));
    Wolke(leinwand, Punkt{70.0f, 190.0f}, 90.0f);
    Wolke(leinwand, Punkt{335.0f, 150.0f}, 110.0f);
    Wolke(leinwand, Punkt{300.0f, 40.0f}, 70.0f);

    // A second balloon far away.
    Heissluftballon(leinwand, Punkt{318.0f, 72.0f}, 24.0f, {Hex(0x66BB6A), Hex(0xFFFFFF), Hex(0x66BB6A), Hex(0xFFFFFF), Hex(0x66BB6A)});
    Heissluftballon(leinwand, Punkt{128.0f, 72.0f}, 58.0f,
                    {Hex(0xE53935), Hex(0xFFCA28), Hex(0x1E88E5), Hex(0xFFFFFF), Hex(0xE53935), Hex(0xFFCA28), Hex(0x1E88E5)});
    Vogel(leinwand, Punkt{232.0f, 52.0f}, 20.0f);
    Vogel(leinwand, Punkt{256.0f, 70.0f}, 15.0f);

    // Fields and hills.
    leinwand.Malen(Huegel(262.0f, 16.0f, 280.0f, 1.2f), Gemustert(Senkrecht(240.0f, Hex(0x9ED870), 320.0f, Hex(0x7CC45A)), 0.06f, 26.0f, 61));
    leinwand.Malen(Huegel(300.0f, 10.0f, 380.0f, 3.3f), Gemustert(Senkrecht(285.0f, Hex(0x6CC04A), 400.0f, Hex(0x479E32)), 0.09f, 14.0f, 62));

    // A sandy path from the front to the door.
    leinwand.Malen(Vieleck({Punkt{236.0f, 410.0f}, Punkt{320.0f, 410.0f}, Punkt{274.0f, 322.0f}, Punkt{260.0f, 322.0f}}),
                   Gemustert([](Punkt) { return Hex(0xE8C78F); }, 0.08f, 5.0f, 63));

    Baum(leinwand, Punkt{72.0f, 336.0f}, 92.0f, true);
    Haus(leinwand, Punkt{267.0f, 324.0f}, 118.0f);
    Zaun(leinwand, 118.0f, 214.0f, 356.0f);
    Zaun(leinwand, 322.0f, 404.0f, 360.0f);

    Blume(leinwand, Punkt{30.0f, 378.0f}, 12.0f, Hex(0xFF69B4), 22.0f);
    Blume(leinwand, Punkt{140.0f, 384.0f}, 11.0f, Hex(0xFFEB3B), 16.0f);
    Blume(leinwand, Punkt{196.0f, 378.0f}, 12.0f, Hex(0xA855F7), 20.0f);
    Blume(leinwand, Punkt{364.0f, 386.0f}, 11.0f, Hex(0xFF7043), 16.0f);
}

} // namespace kalumbo
