// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's scripts call. Every call runs to its end before the next
// event of the page, as the window's handlers do on the desktop.
#include "game/Aussehen.h"
#include "game/Startwahl.h"
#include "web/Spielobjekt.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

using kalumbo::web::Spiel;

// A text the page hands over: it asks for room, writes the text's UTF-8
// bytes into it, then makes the call that reads it.
std::string& Textraum()
{
    static std::string Raum;
    return Raum;
}

std::string JsonText(const std::string& Text)
{
    std::string Json = "\"";
    for (const char Zeichen : Text) {
        if (Zeichen == '"' || Zeichen == '\\') {
            Json += '\\';
            Json += Zeichen;
        } else if (static_cast<unsigned char>(Zeichen) < 0x20) {
            constexpr char Hex[] = "0123456789abcdef";
            Json += "\\u00";
            Json += Hex[Zeichen >> 4];
            Json += Hex[Zeichen & 0xf];
        } else {
            Json += Zeichen;
        }
    }
    return Json + '"';
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

EMSCRIPTEN_KEEPALIVE char* kalumbo_textraum(int Laenge)
{
    Textraum().assign(static_cast<std::size_t>(std::max(Laenge, 0)), '\0');
    return Textraum().data();
}

// The class link in the text room (the page's address after "#"), as
// JSON: the item it chooses in each group it names, and the message about
// whatever it could not read, empty when there is none. Valid until the
// next call.
EMSCRIPTEN_KEEPALIVE const char* kalumbo_klassenlink()
{
    const kalumbo::TStartwahl Wahl = kalumbo::LiesKlassenlink(Textraum());
    static std::string Json;
    Json = "{\"items\":{";
    for (const kalumbo::TStartoption& Option : kalumbo::Startoptionen())
        if (const int Item = Wahl.Item(Option.Gruppe); Item >= 0)
            Json += (Json.back() == '{' ? "" : ",") + JsonText(std::string(kalumbo::Gruppenname(Option.Gruppe))) + ':' +
                    std::to_string(Item);
    Json += "},\"meldung\":" + JsonText(kalumbo::Klassenlinkbericht(Wahl)) + '}';
    return Json.c_str();
}

// How the board looks, as JSON, for the page's board: its size, the cell
// and the tile in it, the outline, the text's size in pixels, and the
// colours as "#rrggbb". Valid for the whole visit.
EMSCRIPTEN_KEEPALIVE const char* kalumbo_aussehen()
{
    const auto Farbe = [](kalumbo::TColor Wert) {
        constexpr char Hex[] = "0123456789abcdef";
        std::string Text = "\"#";
        for (const int Anteil : {kalumbo::Rotanteil(Wert), kalumbo::Gruenanteil(Wert), kalumbo::Blauanteil(Wert)})
            Text += {Hex[Anteil >> 4], Hex[Anteil & 0xf]};
        return Text + '"';
    };
    const auto Zahl = [](int Wert) { return std::to_string(Wert); };
    static const std::string Json =
        "{\"brett\":" + Zahl(kalumbo::Brettgroesse) + ",\"zelle\":" + Zahl(kalumbo::Zellgroesse) +
        ",\"stein\":" + Zahl(kalumbo::Steingroesse) + ",\"rand\":" + Zahl(kalumbo::Steinrand) +
        ",\"schrift\":" + Zahl(kalumbo::Steinschrift.Pixel) + ",\"normal\":" + Farbe(kalumbo::StartFarbeNormal) +
        ",\"ausgewaehlt\":" + Farbe(kalumbo::StartFarbeAusgewaehlt) + ",\"grau\":" + Farbe(kalumbo::Brettgrau) + '}';
    return Json.c_str();
}

// Where a tile's text goes, from the tile's top-left corner, for a text of
// the given width in a font of the given full height and ascent.
EMSCRIPTEN_KEEPALIVE int kalumbo_text_x(int Breite)
{
    return kalumbo::Textlage({Breite, 0, 0}).X;
}

EMSCRIPTEN_KEEPALIVE int kalumbo_text_grundlinie(int Hoehe, int Oberlaenge)
{
    return kalumbo::Textlage({0, Hoehe, Oberlaenge}).Grundlinie;
}

// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kalumbo_zustand()
{
    static std::string Json;
    Json = Spiel().Zustand();
    return Json.c_str();
}

} // extern "C"
