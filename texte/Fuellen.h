// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kalumbo::Texte {

// A text of the game with its parts "%1" to "%9" filled in, in one pass:
// a part that itself holds "%2" stays as it is. A part without a value
// stays unfilled.
inline std::string Fuelle(std::string_view Text, std::initializer_list<std::string_view> Werte)
{
    std::string Ergebnis;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const char Zeichen = Text[I];
        if (Zeichen == '%' && I + 1 < Text.size() && Text[I + 1] >= '1' && Text[I + 1] <= '9') {
            const auto Nummer = static_cast<std::size_t>(Text[I + 1] - '1');
            if (Nummer < Werte.size()) {
                Ergebnis += *(Werte.begin() + Nummer);
                ++I;
                continue;
            }
        }
        Ergebnis += Zeichen;
    }
    return Ergebnis;
}

} // namespace kalumbo::Texte
