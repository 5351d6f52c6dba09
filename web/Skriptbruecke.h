// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Anzeige.h"
#include "game/Einstellungen.h"
#include "game/Spielstand.h"

namespace kalumbo::web {

// The bridge between the rules and the page's scripts: the settings are
// the item indices of the page's radio-button groups, read at the moment
// a rule asks, and what the rules show goes straight to the scripts, in
// the order the rules show it. A cell is handed over with everything the
// page needs to draw it: its look by name, and its text.
class TSkriptbruecke final : public TEinstellungen, public TAnzeige {
public:
    explicit TSkriptbruecke(const TSpielstand& Stand) : Stand(Stand) {}

    int ZahlenIndex() const override;
    int RechenartenIndex() const override;
    int FormIndex() const override;

    void ZeichneStein(int Spalte, int Zeile) override;
    void ZeigeFortschritt(const std::string& Text) override;
    void ErgaenzeVerlauf(const std::string& Zeile) override;
    void ZeigeBravo() override;
    void MeldeDruck(const TDruckbericht& Bericht) override;
    void VerbergeHilfe() override;
    void LeereVerlauf() override;
    void VerbergeBravo() override;
    void LegeBrettAn() override;
    void ZeigeBrett() override;

private:
    const TSpielstand& Stand;
};

} // namespace kalumbo::web
