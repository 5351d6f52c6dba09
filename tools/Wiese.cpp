// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bausteine.h"
#include "Motive.h"

namespace kalumbo {

void MaleWiese(Leinwand& leinwand)
{
    Himmel(leinwand, Hex(0x4FB3EF), Hex(0xD4F1FF), 250.0f);
    Sonne(leinwand, Punkt{318.0f, 82.0f}, 40.0f);
    Wolke(leinwand, Punkt{92.0f, 72.0f}, 120.0f);
    Wolke(leinwand, Punkt{205.0f, 150.0f}, 80.0f);

    // Hills far away, then nearer ones, each a little greener.
    leinwand.Malen(Huegel(215.0f, 22.0f, 330.0f, 0.6f), Gemustert(Senkrecht(190.0f, Hex(0xA8DC7A), 300.0f, Hex(0x8CCB62)), 0.06f, 30.0f, 3));
    Baum(leinwand, Punkt{62.0f, 232.0f}, 48.0f, false);
    Baum(leinwand, Punkt{100.0f, 238.0f}, 36.0f, false);
    leinwand.Malen(Huegel(262.0f, 18.0f, 260.0f, 2.4f), Gemustert(Senkrecht(240.0f, Hex(0x84C95A), 330.0f, Hex(0x68B545)), 0.07f, 24.0f, 4));
    Baum(leinwand, Punkt{352.0f, 268.0f}, 70.0f, true);
    leinwand.Malen(Huegel(318.0f, 10.0f, 300.0f, 4.0f), Gemustert(Senkrecht(300.0f, Hex(0x5DB93F), 400.0f, Hex(0x3F9A2C)), 0.1f, 14.0f, 5));

    // Little flowers dotted over the far hills.
    Wuerfel wuerfel(17);
    const Farbe tupfen[] = {Hex(0xFFFFFF), Hex(0xFFE34D), Hex(0xFF8FB8), Hex(0xC68CFF)};
    for (int i = 0; i < 60; ++i) {
        const Punkt p{wuerfel.Zahl(0.0f, 400.0f), wuerfel.Zahl(272.0f, 312.0f)};
        leinwand.Malen(Kreis(p, wuerfel.Zahl(1.3f, 2.3f)), tupfen[i % 4]);
    }

    // Tufts of grass all over the meadow in front.
    for (int i = 0; i < 70; ++i) {
        const Punkt fuss{wuerfel.Zahl(0.0f, 400.0f), wuerfel.Zahl(330.0f, 404.0f)};
        const float h = 6.0f + (fuss.y - 320.0f) * 0.12f;
        const Farbe halm = i % 3 == 0 ? Hex(0x8BD66A) : Hex(0x2F8A24);
        for (float neigung : {-0.6f, 0.0f, 0.6f})
            leinwand.Malen(Strich(fuss, Punkt{fuss.x + neigung * h * 0.6f, fuss.y - h * (1.0f - 0.2f * neigung * neigung)}, 1.6f), halm, 0.8f);
    }

    // Big flowers in front.
    Blume(leinwand, Punkt{40.0f, 318.0f}, 22.0f, Hex(0xE53935), 70.0f);
    Blume(leinwand, Punkt{112.0f, 345.0f}, 18.0f, Hex(0xFFFFFF), 50.0f);
    Blume(leinwand, Punkt{168.0f, 305.0f}, 24.0f, Hex(0xA855F7), 90.0f);
    Blume(leinwand, Punkt{232.0f, 352.0f}, 19.0f, Hex(0xFF7043), 45.0f);
    Blume(leinwand, Punkt{290.0f, 320.0f}, 22.0f, Hex(0xFF69B4), 75.0f);
    Blume(leinwand, Punkt{362.0f, 350.0f}, 20.0f, Hex(0x42A5F5), 50.0f);
    Blume(leinwand, Punkt{75.0f, 378.0f}, 14.0f, Hex(0xFFEB3B), 30.0f);
    Blume(leinwand, Punkt{325.0f, 385.0f}, 14.0f, Hex(0xE53935), 20.0f);

    Schmetterling(leinwand, Punkt{132.0f, 228.0f}, 34.0f, Hex(0xFFA726), -15.0f);
    Schmetterling(leinwand, Punkt{262.0f, 252.0f}, 26.0f, Hex(0x7E57C2), 20.0f);
    Vogel(leinwand, Punkt{160.0f, 52.0f}, 22.0f);
    Vogel(leinwand, Punkt{188.0f, 66.0f}, 16.0f);
}

} // namespace kalumbo
