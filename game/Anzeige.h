// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Druckbericht.h"

#include <string>

namespace kalumbo {

// What a move shows the player. Within one press the calls come in the
// order the move makes them.
class TAnzeige {
public:
    // The cell is to be drawn again from the game state as it is now.
    virtual void ZeichneStein(int Spalte, int Zeile) = 0;
    // New progress text, such as "7 von 18 gelöst".
    virtual void ZeigeFortschritt(const std::string& Text) = 0;
    // A solved problem for the history, such as "12 + 7 = 19".
    virtual void ErgaenzeVerlauf(const std::string& Zeile) = 0;
    // All pairs are solved.
    virtual void ZeigeBravo() = 0;
    // Last of a press: what it did, once all of it is shown.
    virtual void MeldeDruck(const TDruckbericht& Bericht) = 0;

    // The steps of a new game that only the window knows how to do, in the
    // order the new game takes them.
    // First of all: the help panel goes away.
    virtual void VerbergeHilfe() = 0;
    // The history of solved problems is emptied.
    virtual void LeereVerlauf() = 0;
    // After the deal: the completion text goes away.
    virtual void VerbergeBravo() = 0;
    // The board is hidden and laid out afresh: grey, with the background
    // picture of the chosen item painted over it. The tiles come next.
    virtual void LegeBrettAn() = 0;
    // The board, with every tile drawn, is shown again.
    virtual void ZeigeBrett() = 0;

protected:
    ~TAnzeige() = default;
};

} // namespace kalumbo
