// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Anzeige.h"
#include "game/Einstellungen.h"
#include "game/Spielstand.h"

namespace kalumbo::web {

// The page as the rules see it: the settings are the item indices of its
// radio-button groups, read at the moment a rule asks, and what a move
// shows goes straight to the page's scripts, in the order the move makes
// it. A cell is handed over with everything the page needs to draw it.
class TSeite final : public TEinstellungen, public TAnzeige {
public:
    explicit TSeite(const TSpielstand& Stand) : Stand(Stand) {}

    int ZahlenbereichIndex() const override;
    int RechenartIndex() const override;
    int MaskeIndex() const override;

    void ZeichneStein(int Spalte, int Zeile) override;
    void ZeigeFortschritt(const std::string& Text) override;
    void ErgaenzeVerlauf(const std::string& Zeile) override;
    void ZeigeBravo() override;

    // What a new game clears on the page before the rules deal.
    void LeereVerlauf();

private:
    const TSpielstand& Stand;
};

} // namespace kalumbo::web
