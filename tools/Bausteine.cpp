// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bausteine.h"

#include <cmath>
#include <numbers>

namespace kalumbo {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

} // namespace

float Wuerfel::Zahl(float von, float bis)
{
    // xorshift32: small, fast and the same everywhere.
    zustand_ ^= zustand_ << 13;
    zustand_ ^= zustand_ >> 17;
    zustand_ ^= zustand_ << 5;
    return von + (bis - von) * float(zustand_ >> 8) / float(1u << 24);
}

void Umrandet(Leinwand& leinwand, const Umriss& umriss, const Pinsel& fuellung, Farbe rand, float dicke)
{
    leinwand.Malen(Verdickt(umriss, dicke), rand);
    leinwand.Malen(umriss, fuellung);
}

void Umrandet(Leinwand& leinwand, const Umriss& umriss, Farbe fuellung, Farbe rand, float dicke)
{
    Umrandet(leinwand, umriss, [fuellung](Punkt) { return fuellung; }, rand, dicke);
}

std::vector<Punkt> Wellenlinie(float x0, float x1, float y, float hoehe, float laenge, float phase)
{
    std::vector<Punkt> punkte;
    for (float x = x0; x <= x1 + 0.01f; x += 4.0f) {
        const float w = 2.0f * Pi * x / laenge + phase;
        punkte.push_back(Punkt{x, y + hoehe * (0.75f * std::sin(w) + 0.25f * std::sin(2.3f * w + 1.7f))});
    }
    return punkte;
}

Umriss Huegel(float y, float hoehe, float laenge, float phase)
{
    std::vector<Punkt> ecken = Wellenlinie(-20.0f, Bildgroesse + 20.0f, y, hoehe, laenge, phase);
    ecken.push_back(Punkt{Bildgroesse + 20.0f, Bildgroesse + 20.0f});
    ecken.push_back(Punkt{-20.0f, Bildgroesse + 20.0f});
    return Vieleck(std::move(ecken));
}

void Himmel(Leinwand& leinwand, Farbe oben, Farbe unten, float bisY)
{
    leinwand.Malen(Flaeche(Bildgroesse, Bildgroesse), Senkrecht(0.0f, oben, bisY, unten));
}

void Sonne(Leinwand& leinwand, Punkt m, float r)
{
    // Warm glow round the sun.
    leinwand.Malen(Kreis(m, r * 1.7f), Hex(0xFFF6C2), 0.55f, r * 1.6f);

    // Rays, long and short by turns.
    for (int i = 0; i < 12; ++i) {
        const float w = float(i) * 30.0f + 15.0f;
        const float laenge = i % 2 == 0 ? 1.75f : 1.5f;
        const Umriss strahl = Vieleck({Polar(m, r * 1.12f, w - 9.0f), Polar(m, r * laenge, w), Polar(m, r * 1.12f, w + 9.0f)});
        leinwand.Malen(Verdickt(strahl, 2.0f), Hex(0xFFC23A));
    }

    Umrandet(leinwand, Kreis(m, r), Gewoelbt(m, r, Hex(0xFFDD3C)), Hex(0xF4A21E), 2.5f);

    // A friendly face.
    const Farbe dunkel = Hex(0x8A4B0F);
    leinwand.Malen(Ellipse(Punkt{m.x - r * 0.33f, m.y - r * 0.15f}, r * 0.09f, r * 0.14f), dunkel);
    leinwand.Malen(Ellipse(Punkt{m.x + r * 0.33f, m.y - r * 0.15f}, r * 0.09f, r * 0.14f), dunkel);
    leinwand.Malen(Kreis(Punkt{m.x - r * 0.55f, m.y + r * 0.2f}, r * 0.15f), Hex(0xFF8A5B), 0.45f, 3.0f);
    leinwand.Malen(Kreis(Punkt{m.x + r * 0.55f, m.y + r * 0.2f}, r * 0.15f), Hex(0xFF8A5B), 0.45f, 3.0f);
    Laecheln(leinwand, Punkt{m.x, m.y + r * 0.02f}, r * 0.4f, r * 0.09f, dunkel);
}

void Wolke(Leinwand& leinwand, Punkt m, float b)
{
    const Umriss wolke = Vereinigung({
        Rechteck(Kasten{m.x - b * 0.5f, m.y - b * 0.12f, m.x + b * 0.5f, m.y + b * 0.14f}, b * 0.13f),
        Kreis(Punkt{m.x - b * 0.27f, m.y - b * 0.06f}, b * 0.18f),
        Kreis(Punkt{m.x - b * 0.02f, m.y - b * 0.14f}, b * 0.25f),
        Kreis(Punkt{m.x + b * 0.26f, m.y - b * 0.05f}, b * 0.19f),
    });
    // A faint shadow below, then the cloud, white on top and bluish below.
    leinwand.Malen(Verschoben(wolke, b * 0.02f, b * 0.05f), Hex(0x8DB8DD), 0.35f, 6.0f);
    leinwand.Malen(wolke, Senkrecht(m.y - b * 0.3f, Hex(0xFFFFFF), m.y + b * 0.15f, Hex(0xDCEAF7)));
}

void Blume(Leinwand& leinwand, Punkt bluete, float g, Farbe farbe, float stiel)
{
    const Farbe gruen = Hex(0x2B7A1F);
    const Punkt fuss{bluete.x + g * 0.2f, bluete.y + stiel};
    const Punkt knick{bluete.x - g * 0.15f, bluete.y + stiel * 0.5f};
    leinwand.Malen(Linienzug({bluete, knick, fuss}, std::max(2.0f, g * 0.16f)), gruen);
    leinwand.Malen(Ellipse(Punkt{knick.x + g * 0.42f, knick.y + g * 0.1f}, g * 0.45f, g * 0.16f, -35.0f), Hex(0x348A26));

    std::vector<Umriss> blaetter;
    for (int i = 0; i < 5; ++i) {
        const float w = float(i) * 72.0f - 90.0f;
        blaetter.push_back(Ellipse(Polar(bluete, g * 0.5f, w), g * 0.48f, g * 0.32f, w));
    }
    Umrandet(leinwand, Vereinigung(blaetter), Rund(bluete, g, Heller(farbe, 1.35f), farbe), Heller(farbe, 0.7f), 1.2f);
    Umrandet(leinwand, Kreis(bluete, g * 0.3f), Gewoelbt(bluete, g * 0.3f, Hex(0xFFD23C)), Hex(0xD98E14), 1.0f);
}

void Baum(Leinwand& leinwand, Punkt fuss, float g, bool aepfel)
{
    const Farbe rinde = Hex(0x8B5A2B);
    leinwand.Malen(Ellipse(Punkt{fuss.x, fuss.y}, g * 0.45f, g * 0.08f), Hex(0x2F6E22), 0.35f, 4.0f);
    Umrandet(leinwand,
             Vieleck({Punkt{fuss.x - g * 0.11f, fuss.y}, Punkt{fuss.x - g * 0.07f, fuss.y - g * 0.7f},
                      Punkt{fuss.x + g * 0.07f, fuss.y - g * 0.7f}, Punkt{fuss.x + g * 0.11f, fuss.y}}),
             Gemustert([rinde](Punkt) { return rinde; }, 0.15f, 3.0f, 7), Heller(rinde, 0.6f), 1.5f);

    const Punkt krone{fuss.x, fuss.y - g * 0.95f};
    const Umriss laub = Vereinigung({
        Kreis(Punkt{krone.x, krone.y - g * 0.18f}, g * 0.38f),
        Kreis(Punkt{krone.x - g * 0.32f, krone.y + g * 0.05f}, g * 0.3f),
        Kreis(Punkt{krone.x + g * 0.32f, krone.y + g * 0.05f}, g * 0.3f),
        Kreis(Punkt{krone.x, krone.y + g * 0.12f}, g * 0.3f),
    });
    Umrandet(leinwand, laub, Gemustert(Gewoelbt(krone, g * 0.6f, Hex(0x4CAF3A)), 0.12f, g * 0.12f, 11),
             Hex(0x2E7A25), 2.0f);

    if (aepfel) {
        const Punkt orte[] = {{-0.25f, -0.15f}, {0.2f, -0.3f}, {0.3f, 0.12f}, {-0.05f, 0.15f}, {-0.4f, 0.15f}};
        for (const Punkt& o : orte) {
            const Punkt a{krone.x + o.x * g, krone.y + o.y * g};
            Umrandet(leinwand, Kreis(a, g * 0.06f), Gewoelbt(a, g * 0.06f, Hex(0xE53935)), Hex(0x9E1F1A), 1.0f);
        }
    }
}

void Schmetterling(Leinwand& leinwand, Punkt m, float g, Farbe farbe, float neigung)
{
    const Farbe rand = Heller(farbe, 0.55f);
    for (int seite : {-1, 1}) {
        const float s = float(seite);
        const Punkt oben = Polar(m, g * 0.5f, neigung - 90.0f + s * 55.0f);
        const Punkt unten = Polar(m, g * 0.35f, neigung - 90.0f + s * 125.0f);
        Umrandet(leinwand, Ellipse(oben, g * 0.42f, g * 0.3f, neigung + s * 30.0f), Rund(oben, g * 0.45f, Heller(farbe, 1.3f), farbe), rand, 1.2f);
        Umrandet(leinwand, Ellipse(unten, g * 0.28f, g * 0.22f, neigung - s * 30.0f), Rund(unten, g * 0.3f, Heller(farbe, 1.2f), farbe), rand, 1.2f);
        leinwand.Malen(Kreis(oben, g * 0.1f), Hex(0xFFFFFF), 0.85f);
    }
    const Punkt kopf = Polar(m, g * 0.32f, neigung - 90.0f);
    const Punkt schwanz = Polar(m, g * 0.4f, neigung + 90.0f);
    leinwand.Malen(Strich(kopf, schwanz, g * 0.12f), Hex(0x3B2A20));
    leinwand.Malen(Linienzug({kopf, Polar(kopf, g * 0.3f, neigung - 115.0f)}, 1.2f), Hex(0x3B2A20));
    leinwand.Malen(Linienzug({kopf, Polar(kopf, g * 0.3f, neigung - 65.0f)}, 1.2f), Hex(0x3B2A20));
}

void Vogel(Leinwand& leinwand, Punkt m, float b)
{
    const Farbe farbe = Hex(0x4A5A6A);
    leinwand.Malen(Linienzug({Punkt{m.x - b * 0.5f, m.y - b * 0.1f}, Punkt{m.x - b * 0.25f, m.y - b * 0.2f}, m}, 2.0f), farbe);
    leinwand.Malen(Linienzug({m, Punkt{m.x + b * 0.25f, m.y - b * 0.2f}, Punkt{m.x + b * 0.5f, m.y - b * 0.1f}}, 2.0f), farbe);
}

void Auge(Leinwand& leinwand, Punkt m, float r, float dx, float dy)
{
    Umrandet(leinwand, Kreis(m, r), Hex(0xFFFFFF), Hex(0x222222), std::max(1.0f, r * 0.15f));
    const Punkt pupille{m.x + dx * r * 0.35f, m.y + dy * r * 0.35f};
    leinwand.Malen(Kreis(pupille, r * 0.55f), Hex(0x1A1A1A));
    leinwand.Malen(Kreis(Punkt{pupille.x - r * 0.2f, pupille.y - r * 0.22f}, r * 0.2f), Hex(0xFFFFFF));
}

void Laecheln(Leinwand& leinwand, Punkt m, float r, float dicke, Farbe farbe)
{
    std::vector<Punkt> bogen;
    for (float w = 25.0f; w <= 155.0f; w += 10.0f)
        bogen.push_back(Polar(m, r, w));
    leinwand.Malen(Linienzug(std::move(bogen), dicke), farbe);
}

} // namespace kalumbo
