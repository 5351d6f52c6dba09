// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's scripts call: the player's events, each passed on to the
// game as it is, and a few questions. Every call runs to its end before
// the page's next event, as the window's handlers do on the desktop.
// Cells are named by column and row, counted from 1.
#include "game/Startwahl.h"
#include "web/Json.h"
#include "web/Spielobjekt.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

using kalumbo::TSpielsteuerung;

TSpielsteuerung& Steuerung()
{
    return kalumbo::web::Spiel().Steuerung();
}

// A text the page hands over: it asks for room, writes the text's UTF-8
// bytes into it, then makes the call that reads it.
std::string& Textraum()
{
    static std::string Raum;
    return Raum;
}

bool IstZelle(int Spalte, int Zeile)
{
    return Spalte >= 1 && Spalte <= kalumbo::Spalten && Zeile >= 1 && Zeile <= kalumbo::Zeilen;
}

} // namespace

extern "C" {

// The page is ready for the game: the game is made, and lays out the
// page's board by its measures.
EMSCRIPTEN_KEEPALIVE void kalumbo_beginne()
{
    kalumbo::web::Spiel();
}

EMSCRIPTEN_KEEPALIVE void kalumbo_neues_spiel()
{
    Steuerung().NeuesSpiel();
}

EMSCRIPTEN_KEEPALIVE void kalumbo_schalte_hilfe()
{
    Steuerung().SchalteHilfe();
}

EMSCRIPTEN_KEEPALIVE void kalumbo_fertig()
{
    Steuerung().Fertig();
}

// Whether the game took the Enter key.
EMSCRIPTEN_KEEPALIVE int kalumbo_eingabetaste()
{
    return Steuerung().Eingabetaste();
}

// A press at pixel (X, Y) of the 400 x 400 board.
EMSCRIPTEN_KEEPALIVE void kalumbo_maus(int X, int Y)
{
    Steuerung().Maus(X, Y);
}

// A key on the board, in the order of TBretttaste: 0 left, 1 right, 2 up,
// 3 down, 4 Home, 5 End, 6 the press. Whether the board took it.
EMSCRIPTEN_KEEPALIVE int kalumbo_taste(int Taste, int Wiederholt)
{
    if (Taste < static_cast<int>(kalumbo::TBretttaste::Links) || Taste > static_cast<int>(kalumbo::TBretttaste::Druck))
        return false;
    return Steuerung().Taste(static_cast<kalumbo::TBretttaste>(Taste), Wiederholt != 0);
}

// How the focus came to the board, in the order of TFokusweg: 0 the
// mouse, 1 the keyboard or a screen reader, 2 the window.
EMSCRIPTEN_KEEPALIVE void kalumbo_fokus_kommt(int Weg)
{
    Steuerung().FokusKommt(static_cast<kalumbo::TFokusweg>(std::clamp(Weg, 0, 2)));
}

EMSCRIPTEN_KEEPALIVE void kalumbo_fokus_geht()
{
    Steuerung().FokusGeht();
}

EMSCRIPTEN_KEEPALIVE void kalumbo_zeige_auf(int Spalte, int Zeile)
{
    if (IstZelle(Spalte, Zeile))
        Steuerung().ZeigeAuf({Spalte, Zeile});
}

// The chooser of the normal (0) or the selected (1) tile colour closed
// with a colour, $00BBGGRR.
EMSCRIPTEN_KEEPALIVE void kalumbo_farbe_gewaehlt(int Welche, int Farbe)
{
    Steuerung().FarbeGewaehlt(Welche == 0 ? kalumbo::TSteinfarbe::Normal : kalumbo::TSteinfarbe::Ausgewaehlt,
                              static_cast<kalumbo::TColor>(Farbe) & 0xFFFFFF);
}

// The tile colour that holds now, for the chooser to open with.
EMSCRIPTEN_KEEPALIVE int kalumbo_farbe(int Welche)
{
    const kalumbo::TSteinfarben& Farben = Steuerung().Farben();
    return static_cast<int>(Welche == 0 ? Farben.Normal : Farben.Ausgewaehlt);
}

EMSCRIPTEN_KEEPALIVE void kalumbo_einstellung_geaendert()
{
    Steuerung().EinstellungGeaendert();
}

EMSCRIPTEN_KEEPALIVE void kalumbo_zeichne_alles_neu()
{
    Steuerung().ZeichneAllesNeu();
}

EMSCRIPTEN_KEEPALIVE char* kalumbo_textraum(int Laenge)
{
    Textraum().assign(static_cast<std::size_t>(std::max(Laenge, 0)), '\0');
    return Textraum().data();
}

// The message in the text room, for the game's message box.
EMSCRIPTEN_KEEPALIVE void kalumbo_melde()
{
    Steuerung().Melde(Textraum());
}

// The class link in the text room (the page's address after "#").
EMSCRIPTEN_KEEPALIVE void kalumbo_klassenlink()
{
    kalumbo::web::Spiel().WendeAn(kalumbo::LiesKlassenlink(Textraum()));
}

// For tests: from now on the games come from the given seed, one after
// the other, as in every other build of the game. A seed up to 2^53
// arrives whole in a JavaScript number.
EMSCRIPTEN_KEEPALIVE void kalumbo_saee_fest(double Saat)
{
    Steuerung().NimmZufallsquelle(std::make_unique<kalumbo::TSaatZufall>(static_cast<std::uint64_t>(Saat)));
}

// For tests and measurements: the game as it stands, as JSON (see
// SpielstandAlsJson). Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* kalumbo_zustand()
{
    static std::string Json;
    Json = kalumbo::web::SpielstandAlsJson(Steuerung().Spielstand(), Steuerung().Form());
    return Json.c_str();
}

} // extern "C"
