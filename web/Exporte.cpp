// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's scripts call. Every call runs to its end before the next
// event of the page, as the window's handlers do on the desktop.
#include "web/Browserspiel.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>

namespace {

kalumbo::web::TBrowserspiel& Spiel()
{
    static kalumbo::web::TBrowserspiel Das;
    return Das;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void kalumbo_neues_spiel()
{
    Spiel().NeuesSpiel();
}

EMSCRIPTEN_KEEPALIVE void kalumbo_druck(int X, int Y)
{
    Spiel().Druck(X, Y);
}

EMSCRIPTEN_KEEPALIVE void kalumbo_zeichne_brett()
{
    Spiel().ZeichneBrett();
}

// A seed up to 2^53 arrives whole in a JavaScript number.
EMSCRIPTEN_KEEPALIVE void kalumbo_saee_fest(double Saat)
{
    Spiel().SaeeFest(static_cast<std::uint64_t>(Saat));
}

// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kalumbo_zustand()
{
    static std::string Json;
    Json = Spiel().Zustand();
    return Json.c_str();
}

} // extern "C"
