// SPDX-License-Identifier: GPL-3.0-or-later
// What the page calls to play by keyboard and to tell a screen reader what
// the board shows: the cursor, the words for every cell and what a press
// did are the game's own, as on the desktop; the page only shows them.
// Cells are counted row by row from 0, as the page lays out its grid.
#include "game/Tastaturzeiger.h"
#include "game/Zellbeschreibung.h"
#include "web/Spielobjekt.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

using kalumbo::web::Spiel;

struct TZugang {
    kalumbo::TTastaturzeiger Zeiger;
    // The pairs solved when a press was last told about: a press that
    // solves one raises the count.
    int GemeldetGeloest = 0;
};

TZugang& Zugang()
{
    static TZugang Einziger;
    return Einziger;
}

int Nummer(kalumbo::TZelle Zelle)
{
    return (Zelle.Zeile - 1) * kalumbo::Spalten + (Zelle.Spalte - 1);
}

kalumbo::TZellbeschreibung Beschreibung(kalumbo::TZelle Zelle)
{
    return kalumbo::BeschreibeZelle(Spiel().Spielstand(), Spiel().Form(), Zelle);
}

// The texts on the board hold digits, blanks, operator characters and the
// game's own words, never a quote or a backslash: they go into the JSON
// as they are.
std::string Text(const std::string& Wert)
{
    return '"' + Wert + '"';
}

std::string Ansage(const char* Art, const std::string& Wert)
{
    return std::string("{\"art\":\"") + Art + "\",\"text\":" + Text(Wert) + '}';
}

} // namespace

extern "C" {

// A new game lies on the board: the cursor goes to its first free tile.
// Returns the cursor's cell.
EMSCRIPTEN_KEEPALIVE int kalumbo_zeiger_beginne()
{
    Zugang().Zeiger.Beginne(Spiel().Spielstand().Felder, Spiel().Form());
    Zugang().GemeldetGeloest = Spiel().Spielstand().AnzahlGeloest;
    return Nummer(Zugang().Zeiger.Zelle());
}

// One key: 0 left, 1 right, 2 up, 3 down, 4 Home, 5 End, in the order of
// TBretttaste; any other number leaves the cursor. Returns its cell.
EMSCRIPTEN_KEEPALIVE int kalumbo_zeiger_bewege(int Taste)
{
    if (Taste >= static_cast<int>(kalumbo::TBretttaste::Links) &&
        Taste <= static_cast<int>(kalumbo::TBretttaste::Zeilenende))
        Zugang().Zeiger.Bewege(static_cast<kalumbo::TBretttaste>(Taste));
    return Nummer(Zugang().Zeiger.Zelle());
}

// A press of the mouse or a finger at pixel (X, Y) of the board takes the
// cursor along. Returns its cell.
EMSCRIPTEN_KEEPALIVE int kalumbo_zeiger_setze(int X, int Y)
{
    if (const auto Zelle = kalumbo::ZelleAnPixel(X, Y))
        Zugang().Zeiger.Setze(*Zelle);
    return Nummer(Zugang().Zeiger.Zelle());
}

// A cell the page names, counted row by row from 0: where a screen
// reader's own press (a click on the cell) puts the cursor. Returns its
// cell.
EMSCRIPTEN_KEEPALIVE int kalumbo_zeiger_nimm(int Zellnummer)
{
    if (Zellnummer >= 0 && Zellnummer < kalumbo::Spalten * kalumbo::Zeilen)
        Zugang().Zeiger.Setze({Zellnummer % kalumbo::Spalten + 1, Zellnummer / kalumbo::Spalten + 1});
    return Nummer(Zugang().Zeiger.Zelle());
}

// Space or Enter: a press in the middle of the cell under the cursor,
// through the same rules as a press of the mouse.
EMSCRIPTEN_KEEPALIVE void kalumbo_zeiger_druck()
{
    Spiel().Druck(Zugang().Zeiger.Zelle());
}

// Every cell in words, as JSON: its name, whether a tile stands there,
// whether it is selected and whether it is shut in. Valid until the next
// call.
EMSCRIPTEN_KEEPALIVE const char* kalumbo_zellen()
{
    static std::string Json;
    const auto Ja = [](bool Wert) { return Wert ? "true" : "false"; };
    Json = "[";
    for (int Zeile = 1; Zeile <= kalumbo::Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= kalumbo::Spalten; ++Spalte) {
            const kalumbo::TZellbeschreibung Zelle = Beschreibung({Spalte, Zeile});
            Json += (Spalte == 1 && Zeile == 1 ? "{\"name\":" : ",{\"name\":") + Text(Zelle.Name) +
                    ",\"stein\":" + Ja(Zelle.Stein) + ",\"ausgewaehlt\":" + Ja(Zelle.Ausgewaehlt) +
                    ",\"eingesperrt\":" + Ja(Zelle.Eingesperrt) + '}';
        }
    Json += ']';
    return Json.c_str();
}

// What the last press on the board did, as JSON: "art" is "geloest" with
// the solved problem in "text" ("12 + 7 = 19"), "fertig" when that was the
// last pair, "ausgewaehlt", "abgewaehlt" or "eingesperrt" with the pressed
// tile's text, or "" for a press that found no tile. Valid until the next
// call.
EMSCRIPTEN_KEEPALIVE const char* kalumbo_ansage()
{
    static std::string Json;
    const kalumbo::TSpielstand& Stand = Spiel().Spielstand();
    const kalumbo::TZelle Gedrueckt{Stand.KlickSpalte, Stand.KlickZeile};
    if (Stand.AnzahlGeloest > Zugang().GemeldetGeloest) {
        Zugang().GemeldetGeloest = Stand.AnzahlGeloest;
        // The pressed tile is gone; its cell still knows the pair it held.
        const kalumbo::TAufgabe& Aufgabe = Stand.Aufgaben[Stand.Felder[Gedrueckt.Spalte][Gedrueckt.Zeile].Paar];
        Json = Ansage(Stand.AnzahlGeloest == kalumbo::AnzahlPaare ? "fertig" : "geloest", kalumbo::Verlaufszeile(Aufgabe));
        return Json.c_str();
    }
    // Before the first press no cell has been pressed.
    const kalumbo::TZellbeschreibung Zelle =
        Gedrueckt.Spalte >= 1 && Gedrueckt.Zeile >= 1 ? Beschreibung(Gedrueckt) : kalumbo::TZellbeschreibung{};
    // A free tile that the press left unselected was the selected one.
    const char* Art = !Zelle.Stein        ? ""
                      : Zelle.Ausgewaehlt ? "ausgewaehlt"
                      : Zelle.Eingesperrt ? "eingesperrt"
                                          : "abgewaehlt";
    Json = Ansage(Art, Zelle.Stein ? Zelle.Name : std::string());
    return Json.c_str();
}

} // extern "C"
