// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bausteine.h"
#include "Motive.h"

#include <cmath>

namespace kalumbo {

namespace {

// A fish swimming to the left (richtung -1) or right (+1): body, tail, fin,
// stripes and a big eye.
void Fisch(Leinwand& leinwand, Punkt m, float g, Farbe farbe, Farbe streifen, Farbe flossen, float richtung)
{
    const float r = richtung;
    const Farbe rand = Heller(farbe, 0.6f);
    const Umriss schwanz = Vieleck({Punkt{m.x - r * g * 0.75f, m.y}, Punkt{m.x - r * g * 1.25f, m.y - g * 0.45f},
                                    Punkt{m.x - r * g * 1.12f, m.y}, Punkt{m.x - r * g * 1.25f, m.y + g * 0.45f}});
    const Umriss flosse = Vieleck({Punkt{m.x - r * g * 0.45f, m.y - g * 0.3f}, Punkt{m.x - r * g * 0.55f, m.y - g * 0.82f},
                                   Punkt{m.x + r * g * 0.3f, m.y - g * 0.4f}});
    Umrandet(leinwand, Verdickt(schwanz, 1.5f), flossen, rand, 1.5f);
    Umrandet(leinwand, Verdickt(flosse, 1.5f), flossen, rand, 1.5f);

    const Umriss koerper = Ellipse(m, g * 0.85f, g * 0.5f);
    Umrandet(leinwand, koerper, Gewoelbt(m, g * 0.8f, farbe), rand, 2.0f);
    for (float s : {-0.2f, 0.25f}) {
        const Punkt b{m.x + r * g * s, m.y};
        leinwand.Malen(Schnitt(koerper, Ellipse(b, g * 0.09f, g * 0.6f)), streifen);
    }
    Umrandet(leinwand, Ellipse(Punkt{m.x + r * g * 0.02f, m.y + g * 0.16f}, g * 0.2f, g * 0.09f, r * 25.0f), flossen, rand, 1.2f);
    Auge(leinwand, Punkt{m.x + r * g * 0.5f, m.y - g * 0.1f}, g * 0.16f, r, 0.0f);
    leinwand.Malen(Linienzug({Punkt{m.x + r * g * 0.72f, m.y + g * 0.12f}, Punkt{m.x + r * g * 0.62f, m.y + g * 0.18f}}, 1.6f),
                   Heller(farbe, 0.45f));
}

void Blase(Leinwand& leinwand, Punkt m, float r)
{
    leinwand.Malen(Kreis(m, r), Hex(0xBFEFFF), 0.25f);
    leinwand.Malen(Ring(m, r, std::max(1.2f, r * 0.15f)), Hex(0xE8FAFF), 0.9f);
    leinwand.Malen(Ellipse(Punkt{m.x - r * 0.35f, m.y - r * 0.4f}, r * 0.3f, r * 0.18f, -40.0f), Hex(0xFFFFFF), 0.95f);
}

void Seegras(Leinwand& leinwand, Punkt fuss, float hoehe, float phase, Farbe farbe)
{
    std::vector<Punkt> halm;
    for (float t = 0.0f; t <= 1.0f; t += 0.05f)
        halm.push_back(Punkt{fuss.x + 9.0f * std::sin(t * 7.0f + phase) * t, fuss.y - hoehe * t});
    leinwand.Malen(Verdickt(Linienzug(halm, 7.0f), 1.5f), Heller(farbe, 0.6f));
    leinwand.Malen(Linienzug(halm, 7.0f), Senkrecht(fuss.y - hoehe, Heller(farbe, 1.25f), fuss.y, farbe));
}

void Qualle(Leinwand& leinwand, Punkt m, float g)
{
    const Farbe rosa = Hex(0xF48FB1);
    for (int i = 0; i < 4; ++i) {
        const float x = m.x - g * 0.45f + g * 0.3f * float(i);
        std::vector<Punkt> arm;
        for (float t = 0.0f; t <= 1.0f; t += 0.1f)
            arm.push_back(Punkt{x + g * 0.1f * std::sin(t * 9.0f + float(i)), m.y + g * 0.1f + t * g * 1.1f});
        leinwand.Malen(Linienzug(arm, 3.0f), Heller(rosa, 0.85f), 0.9f);
    }
    const Umriss schirm = Vereinigung(Schnitt(Ellipse(m, g * 0.7f, g * 0.6f), Rechteck(Kasten{m.x - g, m.y - g, m.x + g, m.y})),
                                      Ellipse(Punkt{m.x, m.y}, g * 0.7f, g * 0.15f));
    Umrandet(leinwand, schirm, Gewoelbt(Punkt{m.x, m.y - g * 0.3f}, g * 0.6f, rosa), Heller(rosa, 0.6f), 2.0f);
    Auge(leinwand, Punkt{m.x - g * 0.22f, m.y - g * 0.2f}, g * 0.11f);
    Auge(leinwand, Punkt{m.x + g * 0.22f, m.y - g * 0.2f}, g * 0.11f);
    Laecheln(leinwand, Punkt{m.x, m.y - g * 0.12f}, g * 0.12f, 1.8f, Hex(0x8E2454));
}

void Seestern(Leinwand& leinwand, Punkt m, float g, float drehung)
{
    const Umriss stern = Verdickt(Stern(m, g, g * 0.45f, 5, drehung), g * 0.12f);
    Umrandet(leinwand, stern, Gewoelbt(m, g, Hex(0xFF8A3D)), Hex(0xC2501A), 1.8f);
    for (int i = 0; i < 5; ++i) {
        const float w = drehung - 90.0f + 72.0f * float(i);
        leinwand.Malen(Kreis(Polar(m, g * 0.5f, w), g * 0.07f), Hex(0xFFD1A8));
    }
}

void Muschel(Leinwand& leinwand, Punkt m, float g)
{
    const Umriss schale = Schnitt(Kreis(Punkt{m.x, m.y + g * 0.2f}, g), Rechteck(Kasten{m.x - g, m.y - g, m.x + g, m.y + g * 0.2f}));
    Umrandet(leinwand, schale, Gewoelbt(m, g, Hex(0xFFC1CC)), Hex(0xC46A7C), 1.5f);
    for (int i = 1; i < 5; ++i) {
        const float w = 180.0f + 36.0f * float(i);
        leinwand.Malen(Strich(Punkt{m.x, m.y + g * 0.15f}, Polar(Punkt{m.x, m.y + g * 0.2f}, g * 0.9f, w), 1.2f), Hex(0xC46A7C));
    }
}

} // namespace

void MaleUnterwasser(Leinwand& leinwand)
{
    const Umriss alles = Flaeche(Bildgroesse, Bildgroesse);
    leinwand.Malen(alles, Senkrecht(0.0f, 400.0f, {{0.0f, Hex(0x5FD0F5)}, {0.5f, Hex(0x1E9BD7)}, {1.0f, Hex(0x0E6AAE)}}));

    // Sunlight falling through the water in soft beams.
    for (float x : {30.0f, 130.0f, 245.0f, 340.0f}) {
        const Umriss strahl = Vieleck({Punkt{x, -10.0f}, Punkt{x + 34.0f, -10.0f}, Punkt{x + 95.0f, 380.0f}, Punkt{x + 25.0f, 380.0f}});
        leinwand.Malen(strahl, Senkrecht(0.0f, Hex(0xFFFFFF), 380.0f, Hex(0x9FE3FF)), 0.14f, 18.0f);
    }
    // The rippling surface at the very top.
    for (int i = 0; i < 3; ++i)
        leinwand.Malen(Linienzug(Wellenlinie(-10.0f, 410.0f, 10.0f + 11.0f * float(i), 3.0f, 70.0f, float(i) * 1.3f), 2.5f),
                       Hex(0xE6FAFF), 0.5f - 0.13f * float(i));

    // The sandy ground with ripples and pebbles.
    const Umriss sand = Huegel(338.0f, 8.0f, 260.0f, 1.0f);
    leinwand.Malen(sand, Gemustert(Senkrecht(325.0f, Hex(0xF7DC9C), 400.0f, Hex(0xE2B766)), 0.1f, 6.0f, 21));
    for (int i = 0; i < 3; ++i)
        leinwand.Malen(Linienzug(Wellenlinie(-10.0f, 410.0f, 356.0f + 15.0f * float(i), 2.5f, 55.0f, float(i)), 1.6f),
                       Hex(0xC9974A), 0.45f);

    Seegras(leinwand, Punkt{20.0f, 372.0f}, 170.0f, 0.0f, Hex(0x2E9E4F));
    Seegras(leinwand, Punkt{38.0f, 378.0f}, 120.0f, 2.0f, Hex(0x43B75F));
    Seegras(leinwand, Punkt{372.0f, 372.0f}, 150.0f, 1.0f, Hex(0x2E9E4F));
    Seegras(leinwand, Punkt{388.0f, 382.0f}, 95.0f, 3.0f, Hex(0x58C46B));
    Seegras(leinwand, Punkt{205.0f, 368.0f}, 70.0f, 4.0f, Hex(0x43B75F));

    // A branching coral.
    const Farbe koralle = Hex(0xFF6F8E);
    const Umriss aeste = Vereinigung({
        Linienzug({Punkt{300.0f, 372.0f}, Punkt{298.0f, 330.0f}, Punkt{285.0f, 300.0f}}, 9.0f),
        Linienzug({Punkt{298.0f, 340.0f}, Punkt{318.0f, 318.0f}, Punkt{320.0f, 290.0f}}, 8.0f),
        Linienzug({Punkt{290.0f, 318.0f}, Punkt{272.0f, 310.0f}, Punkt{265.0f, 292.0f}}, 7.0f),
        Linienzug({Punkt{314.0f, 322.0f}, Punkt{334.0f, 312.0f}}, 7.0f),
    });
    Umrandet(leinwand, aeste, Senkrecht(290.0f, Hex(0xFF9DB3), 372.0f, koralle), Hex(0xC23B5E), 2.0f);

    Seestern(leinwand, Punkt{118.0f, 370.0f}, 22.0f, 12.0f);
    Muschel(leinwand, Punkt{245.0f, 378.0f}, 14.0f);
    Wuerfel wuerfel(5);
    for (int i = 0; i < 14; ++i) {
        const Punkt p{wuerfel.Zahl(60.0f, 380.0f), wuerfel.Zahl(362.0f, 396.0f)};
        leinwand.Malen(Ellipse(p, wuerfel.Zahl(2.5f, 5.0f), wuerfel.Zahl(2.0f, 3.0f)), Hex(0xB99467), 0.8f);
    }

    Qualle(leinwand, Punkt{322.0f, 62.0f}, 38.0f);
    Fisch(leinwand, Punkt{118.0f, 118.0f}, 46.0f, Hex(0xFF8C1A), Hex(0xFFFFFF), Hex(0xFFFFFF), 1.0f);
    Fisch(leinwand, Punkt{282.0f, 208.0f}, 40.0f, Hex(0xFFD93D), Hex(0x3FA9F5), Hex(0xFF9F2E), -1.0f);
    Fisch(leinwand, Punkt{120.0f, 265.0f}, 30.0f, Hex(0xB46CF0), Hex(0xFFC2F0), Hex(0xFF8AD8), 1.0f);
    Fisch(leinwand, Punkt{220.0f, 300.0f}, 18.0f, Hex(0x4DD0A8), Hex(0xFFF59D), Hex(0xFFEB3B), -1.0f);
    Fisch(leinwand, Punkt{252.0f, 318.0f}, 15.0f, Hex(0x4DD0A8), Hex(0xFFF59D), Hex(0xFFEB3B), -1.0f);

    // Bubbles rising from the fish and the ground.
    const Punkt blasen[] = {{170.0f, 92.0f},  {180.0f, 70.0f},  {176.0f, 44.0f}, {200.0f, 200.0f}, {208.0f, 172.0f},
                            {52.0f, 210.0f},  {60.0f, 180.0f},  {48.0f, 150.0f}, {360.0f, 262.0f}, {352.0f, 232.0f},
                            {238.0f, 110.0f}, {226.0f, 250.0f}, {90.0f, 320.0f}};
    float r = 8.0f;
    for (const Punkt& b : blasen) {
        Blase(leinwand, b, r);
        r = r > 4.0f ? r - 1.5f : 9.0f;
    }
}

} // namespace kalumbo
