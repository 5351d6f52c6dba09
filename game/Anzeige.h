// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

protected:
    ~TAnzeige() = default;
};

} // namespace kalumbo
