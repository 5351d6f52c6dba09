// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Anzeige.h"
#include "Einstellungen.h"
#include "Spielstand.h"
#include "Zufall.h"

namespace kalumbo {

// The rules of the game, applied to a game state that someone else owns.
// The choices are read from the settings each time a rule runs, and what
// the player is to see goes out through the display.
class TRegeln {
public:
    TRegeln(TSpielstand& Stand, const TEinstellungen& Einstellungen, TZufallsquelle& Quelle, TAnzeige& Anzeige);

    // Whether the tile at the cell may be taken in the shape chosen now.
    bool IstFrei(int Spalte, int Zeile) const;

    // Whether a tile stands at the cell in the shape chosen now.
    bool HatStein(int Spalte, int Zeile) const;

    // A new game from start to finish: the count, progress text, selection
    // and history start afresh, 18 new problems are made and dealt onto the
    // chosen shape, and the board is laid out and drawn whole.
    void NeuesSpiel();

    // Draws every position of the chosen shape again, as the game stands.
    void ZeichneBrett();

    // 18 new problem pairs for the chosen range and operations.
    void ErzeugeAufgaben();

    // Deals the tiles of the pairs onto the chosen shape.
    void VerteileSteine();

    // A press on the cell, by any mouse button or by the keyboard; the
    // display hears what it did last.
    void Druck(TZelle Zelle);

private:
    int Form() const;
    TDruckfolge Druecke(int Spalte, int Zeile);
    void Waehle(int Spalte, int Zeile);
    void LoeseAuf(std::int32_t Paar);

    TSpielstand& Stand;
    const TEinstellungen& Einstellungen;
    TZufallsquelle& Quelle;
    TAnzeige& Anzeige;
};

} // namespace kalumbo
