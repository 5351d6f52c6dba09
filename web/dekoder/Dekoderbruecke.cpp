// SPDX-License-Identifier: GPL-3.0-or-later
// What the page calls to decode an own picture with the game's decoder: it
// opens a decoding, hands over the file piece by piece into the room the
// decoding offers, and takes the visible region or the message.
#include "bild/JpegDekoder.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <vector>

namespace {

// One picture on its way. The page may have several under way at once.
struct TDekodierung {
    kalumbo::TJpegStueckweise Dekoder;
    std::vector<std::uint8_t> Stueck;
};

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE TDekodierung* kalumbo_dekodierung_neu()
{
    return new TDekodierung;
}

EMSCRIPTEN_KEEPALIVE void kalumbo_dekodierung_weg(TDekodierung* D)
{
    delete D;
}

// Room for the next piece of Laenge bytes; the page writes it there.
EMSCRIPTEN_KEEPALIVE std::uint8_t* kalumbo_dekodierung_platz(TDekodierung* D, std::size_t Laenge)
{
    D->Stueck.resize(Laenge);
    return D->Stueck.data();
}

// Takes the piece written into the room: 0 while the next piece is
// needed, 1 when the picture is there, 2 when it cannot be read (the
// message says why).
EMSCRIPTEN_KEEPALIVE int kalumbo_dekodierung_nimm(TDekodierung* D, int Letztes)
{
    using TStand = kalumbo::TJpegStueckweise::TStand;
    switch (D->Dekoder.Nimm(D->Stueck.data(), D->Stueck.size(), Letztes != 0)) {
    case TStand::Wartet:
        return 0;
    case TStand::Fertig:
        return 1;
    case TStand::Gescheitert:
        break;
    }
    return 2;
}

EMSCRIPTEN_KEEPALIVE const char* kalumbo_dekodierung_meldung(const TDekodierung* D)
{
    return D->Dekoder.Meldung().c_str();
}

EMSCRIPTEN_KEEPALIVE int kalumbo_dekodierung_breite(const TDekodierung* D)
{
    return D->Dekoder.Bild().Breite;
}

EMSCRIPTEN_KEEPALIVE int kalumbo_dekodierung_hoehe(const TDekodierung* D)
{
    return D->Dekoder.Bild().Hoehe;
}

// Breite x Hoehe pixels, 3 bytes R, G, B each, rows from the top.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kalumbo_dekodierung_pixel(const TDekodierung* D)
{
    return D->Dekoder.Bild().Rgb.data();
}

} // extern "C"
