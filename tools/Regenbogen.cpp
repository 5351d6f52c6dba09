// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bausteine.h"
#include "Motive.h"

namespace kalumbo {

namespace {

constexpr float Ufer = 236.0f; // where the lake meets the far shore


void Boot(Leinwand& leinwand, Punkt m, float g)
{
    const Umriss rumpf = Vieleck({Punkt{m.x - g, m.y - g * 0.25f}, Punkt{m.x + g, m.y - g * 0.25f},
                                  Punkt{m.x + g * 0.7f, m.y + g * 0.12f}, Punkt{m.x - g * 0.7f, m.y + g * 0.12f}});
    const Umriss segel = Vieleck({Punkt{m.x + g * 0.05f, m.y - g * 1.7f}, Punkt{m.x + g * 0.05f, m.y - g * 0.4f},
                                  Punkt{m.x + g * 0.8f, m.y - g * 0.4f}});
    const Umriss fock = Vieleck({Punkt{m.x - g * 0.05f, m.y - g * 1.45f}, Punkt{m.x - g * 0.05f, m.y - g * 0.4f},
                                 Punkt{m.x - g * 0.65f, m.y - g * 0.4f}});

    // The boat mirrored in the water first, faint and a little wobbly.
    const float wasserlinie = m.y + g * 0.12f;
    leinwand.Malen(Gespiegelt(rumpf, wasserlinie), Hex(0xB03A2E), 0.3f, 3.0f);
    leinwand.Malen(Gespiegelt(segel, wasserlinie), Hex(0xFFFFFF), 0.25f, 3.0f);
    leinwand.Malen(Gespiegelt(fock, wasserlinie), Hex(0xFFE082), 0.25f, 3.0f);

    leinwand.Malen(Strich(Punkt{m.x, m.y - g * 1.8f}, Punkt{m.x, m.y - g * 0.2f}, 3.0f), Hex(0x6D4C41));
    Umrandet(leinwand, segel, Senkrecht(m.y - g * 1.7f, Hex(0xFFFFFF), m.y, Hex(0xE3EEF7)), Hex(0x7A8EA0), 1.5f);
    Umrandet(leinwand, fock, Hex(0xFFD54F), Hex(0xC79A1E), 1.5f);
    Umrandet(leinwand, rumpf, Senkrecht(m.y - g * 0.25f, Hex(0xEF5350), m.y + g * 0.12f, Hex(0xC62828)), Hex(0x8E1B1B), 1.8f);
    leinwand.Malen(Strich(Punkt{m.x - g * 0.85f, m.y - g * 0.13f}, Punkt{m.x + g * 0.85f, m.y - g * 0.13f}, 2.5f), Hex(0xFFFFFF));
}

void Ente(Leinwand& leinwand, Punkt m, float g, float richtung)
{
    const float r = richtung;
    const Farbe gelb = Hex(0xFFD83B);
    const Farbe rand = Hex(0xC48A12);
    leinwand.Malen(Ellipse(Punkt{m.x, m.y + g * 0.45f}, g * 1.0f, g * 0.12f), Hex(0xFFFFFF), 0.45f, 3.0f);
    const Umriss koerper = Vereinigung(Ellipse(m, g * 0.8f, g * 0.45f),
                                       Vieleck({Punkt{m.x - r * g * 0.5f, m.y - g * 0.1f}, Punkt{m.x - r * g * 1.0f, m.y - g * 0.45f},
                                                Punkt{m.x - r * g * 0.8f, m.y + g * 0.1f}}));
    Umrandet(leinwand, Schnitt(koerper, Rechteck(Kasten{m.x - g * 2.0f, m.y - g * 2.0f, m.x + g * 2.0f, m.y + g * 0.42f})),
             Gewoelbt(m, g * 0.8f, gelb), rand, 1.8f);
    const Punkt kopf{m.x + r * g * 0.45f, m.y - g * 0.55f};
    const Umriss schnabel = Ellipse(Punkt{kopf.x + r * g * 0.42f, kopf.y + g * 0.08f}, g * 0.25f, g * 0.1f);
    Umrandet(leinwand, schnabel, Hex(0xFF8F1F), Hex(0xB85A0B), 1.4f);
    Umrandet(leinwand, Kreis(kopf, g * 0.35f), Gewoelbt(kopf, g * 0.35f, gelb), rand, 1.8f);
    leinwand.Malen(Ellipse(Punkt{m.x - r * g * 0.1f, m.y}, g * 0.35f, g * 0.17f, r * 15.0f), Heller(gelb, 0.85f));
    Auge(leinwand, Punkt{kopf.x + r * g * 0.1f, kopf.y - g * 0.06f}, g * 0.1f, r, 0.0f);
}

void Seerose(Leinwand& leinwand, Punkt m, float g, bool bluete)
{
    const Umriss blatt = Ohne(Ellipse(m, g, g * 0.45f), Vieleck({m, Polar(m, g * 1.2f, -75.0f), Polar(m, g * 1.2f, -105.0f)}));
    Umrandet(leinwand, blatt, Gewoelbt(m, g, Hex(0x5CBF4A)), Hex(0x2E7D32), 1.6f);
    if (!bluete)
        return;
    const Punkt b{m.x + g * 0.15f, m.y - g * 0.1f};
    std::vector<Umriss> blaetter;
    for (int i = 0; i < 7; ++i) {
        const float w = 180.0f + 30.0f * float(i);
        blaetter.push_back(Ellipse(Polar(b, g * 0.32f, w), g * 0.3f, g * 0.12f, w));
    }
    Umrandet(leinwand, Vereinigung(blaetter), Rund(b, g * 0.6f, Hex(0xFFFFFF), Hex(0xF48FB1)), Hex(0xC2557E), 1.2f);
    leinwand.Malen(Kreis(Punkt{b.x, b.y - g * 0.05f}, g * 0.1f), Hex(0xFFD54F));
}

void Schilf(Leinwand& leinwand, Punkt fuss, float hoehe, float neigung)
{
    const Punkt spitze{fuss.x + neigung, fuss.y - hoehe};
    leinwand.Malen(Strich(fuss, spitze, 3.0f), Hex(0x558B2F));
    const Punkt kolben{fuss.x + neigung * 0.8f, fuss.y - hoehe * 0.8f};
    leinwand.Malen(Ellipse(kolben, 4.5f, 13.0f, neigung * 0.3f), Hex(0x7B4A26));
    leinwand.Malen(Ellipse(Punkt{fuss.x - neigung, fuss.y - hoehe * 0.35f}, 3.0f, hoehe * 0.35f, -neigung), Hex(0x689F38));
}

} // namespace

void MaleRegenbogen(Leinwand& leinwand)
{
    Himmel(leinwand, Hex(0x6EC3F4), Hex(0xE6F7FF), Ufer);

    // The rainbow with both feet on the far shore, and its faint reflection.
    const Punkt bogenmitte{205.0f, Ufer + 20.0f};
    const Farbe farben[] = {Hex(0xF44336), Hex(0xFF9800), Hex(0xFFEB3B), Hex(0x4CAF50), Hex(0x2196F3), Hex(0x7E57C2)};
    const Umriss himmel = Rechteck(Kasten{-10.0f, -10.0f, 410.0f, Ufer});
    for (int i = 0; i < 6; ++i) {
        const float radius = 178.0f - 11.0f * float(i);
        leinwand.Malen(Schnitt(Ring(bogenmitte, radius, 11.5f), himmel), farben[i], 0.85f, 1.5f);
    }

    Sonne(leinwand, Punkt{62.0f, 58.0f}, 30.0f);
    Wolke(leinwand, Punkt{305.0f, 62.0f}, 100.0f);
    Vogel(leinwand, Punkt{205.0f, 118.0f}, 20.0f);
    Vogel(leinwand, Punkt{232.0f, 135.0f}, 14.0f);

    // Far shore: blue hills and green ones with a few round trees.
    leinwand.Malen(Huegel(Ufer - 30.0f, 14.0f, 230.0f, 0.3f), Senkrecht(Ufer - 50.0f, Hex(0x8FB8D8), Ufer, Hex(0xA9CBE3)));
    leinwand.Malen(Huegel(Ufer - 12.0f, 8.0f, 180.0f, 2.0f), Gemustert(Senkrecht(Ufer - 25.0f, Hex(0x7CC65A), Ufer, Hex(0x5DAE45)), 0.08f, 10.0f, 31));
    Wolke(leinwand, Punkt{32.0f, Ufer - 20.0f}, 88.0f);
    Wolke(leinwand, Punkt{378.0f, Ufer - 18.0f}, 82.0f);

    // The lake, deeper blue towards the front, with glints of light.
    const Umriss see = Rechteck(Kasten{-10.0f, Ufer, 410.0f, 410.0f});
    leinwand.Malen(see, Senkrecht(Ufer, Hex(0x7FCBEF), 400.0f, Hex(0x2C83C6)));
    // The reflection fades out towards the front, strip by thin strip.
    for (int i = 0; i < 6; ++i) {
        const Umriss spiegelbild = Gespiegelt(Ring(bogenmitte, 178.0f - 11.0f * float(i), 11.5f), Ufer);
        for (int streifen = 0; streifen < 30; ++streifen) {
            const float y = Ufer + 4.0f * float(streifen);
            const Umriss band = Rechteck(Kasten{-10.0f, y, 410.0f, y + 4.0f});
            leinwand.Malen(Schnitt(spiegelbild, band), farben[i], 0.3f * (1.0f - float(streifen) / 30.0f), 3.0f);
        }
    }
    leinwand.Malen(Strich(Punkt{-10.0f, Ufer}, Punkt{410.0f, Ufer}, 2.0f), Hex(0xFFFFFF), 0.6f);
    Wuerfel wuerfel(23);
    for (int i = 0; i < 26; ++i) {
        const float y = wuerfel.Zahl(Ufer + 12.0f, 395.0f);
        const float x = wuerfel.Zahl(0.0f, 400.0f);
        const float l = 6.0f + (y - Ufer) * 0.12f;
        leinwand.Malen(Strich(Punkt{x - l, y}, Punkt{x + l, y}, 2.0f), Hex(0xFFFFFF), 0.45f);
    }

    Boot(leinwand, Punkt{268.0f, 282.0f}, 38.0f);
    Ente(leinwand, Punkt{122.0f, 300.0f}, 26.0f, 1.0f);
    Ente(leinwand, Punkt{72.0f, 318.0f}, 17.0f, 1.0f);

    Seerose(leinwand, Punkt{205.0f, 362.0f}, 30.0f, true);
    Seerose(leinwand, Punkt{262.0f, 385.0f}, 22.0f, false);
    Seerose(leinwand, Punkt{345.0f, 348.0f}, 26.0f, true);

    // Reeds in the near corner.
    leinwand.Malen(Ellipse(Punkt{30.0f, 410.0f}, 70.0f, 30.0f), Hex(0x6DAF45));
    Schilf(leinwand, Punkt{14.0f, 400.0f}, 110.0f, 6.0f);
    Schilf(leinwand, Punkt{34.0f, 400.0f}, 86.0f, 12.0f);
    Schilf(leinwand, Punkt{52.0f, 400.0f}, 62.0f, 16.0f);
}

} // namespace kalumbo
