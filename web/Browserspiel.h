// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Regeln.h"
#include "game/Spielstand.h"
#include "game/Zufall.h"
#include "web/Skriptbruecke.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace kalumbo::web {

// The game behind the page: its state, the rules applied to it, and the
// random source it deals from. The page draws and passes presses on; all
// that decides anything happens here.
class TBrowserspiel {
public:
    TBrowserspiel();

    // A new game, the whole sequence: the page lays out the board with the
    // picture of the chosen item when the rules ask it to.
    void NeuesSpiel();

    // A press at pixel (X, Y) of the 400 x 400 board.
    void Druck(int X, int Y);
    // A press on the cell, as the keyboard makes it.
    void Druck(TZelle Zelle);

    // Draws every position of the chosen shape again.
    void ZeichneBrett();

    // From now on the games come from the given seed, one after the other,
    // as in every other build of the game.
    void SaeeFest(std::uint64_t Saat);

    // The game as it stands, for the keyboard cursor and the screen
    // reader's view of the board.
    const TSpielstand& Spielstand() const { return Stand; }

    // The shape chosen now on the page.
    int Form() const;

    // The game as it stands, as JSON, for tests and measurements: the last
    // press, the selection, the count, the problems and every cell with
    // its pair, its side and whether its tile may be taken now.
    std::string Zustand() const;

private:
    TSpielstand Stand;
    TSkriptbruecke Bruecke{Stand};
    std::unique_ptr<TZufallsquelle> Quelle;
    std::optional<TRegeln> Regeln;
};

} // namespace kalumbo::web
