// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kalumbo {

// The radio-button groups of the settings page, in its order.
enum class TGruppe { Zahlen, Rechenarten, Form, Hintergrund };
inline constexpr int AnzahlGruppen = 4;

// The group's name in both editions: the control's name on the desktop,
// the group's name in the page's markup.
constexpr std::string_view Gruppenname(TGruppe Gruppe)
{
    switch (Gruppe) {
    case TGruppe::Zahlen:
        return "Zahlen";
    case TGruppe::Rechenarten:
        return "Rechenarten";
    case TGruppe::Form:
        return "Form";
    case TGruppe::Hintergrund:
        return "Hintergrund";
    }
    return {};
}

// The choices on the settings page, as item indices counted from 0. The
// rules ask for them each time they run and keep no copy, so a changed
// choice counts from the next moment it is read.
class TEinstellungen {
public:
    virtual int ZahlenIndex() const = 0; // "30", "50", "100", "1000"
    virtual int RechenartenIndex() const = 0;     // "plus" ... the second "beide"
    virtual int FormIndex() const = 0;         // "innen", "A", "außen", "S"

protected:
    ~TEinstellungen() = default;
};

} // namespace kalumbo
