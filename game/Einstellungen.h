// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kalumbo {

// The radio-button groups of the settings page, in its order.
enum class TGruppe { Zahlenbereich, Rechenart, Maske, Bildwahl };
inline constexpr int AnzahlGruppen = 4;

// The group's name in both editions: the control's name on the desktop,
// the group's name in the page's markup.
constexpr std::string_view Gruppenname(TGruppe Gruppe)
{
    switch (Gruppe) {
    case TGruppe::Zahlenbereich:
        return "Zahlenbereich";
    case TGruppe::Rechenart:
        return "Rechenart";
    case TGruppe::Maske:
        return "Maske";
    case TGruppe::Bildwahl:
        return "Bildwahl";
    }
    return {};
}

// The choices on the settings page, as item indices counted from 0. The
// rules ask for them each time they run and keep no copy, so a changed
// choice counts from the next moment it is read.
class TEinstellungen {
public:
    virtual int ZahlenbereichIndex() const = 0; // "30", "50", "100", "1000"
    virtual int RechenartIndex() const = 0;     // "plus" ... the second "beide"
    virtual int MaskeIndex() const = 0;         // "innen", "A", "außen", "S"

protected:
    ~TEinstellungen() = default;
};

} // namespace kalumbo
