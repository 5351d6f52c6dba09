// SPDX-License-Identifier: GPL-3.0-or-later
#include "Meldung.h"

namespace kalumbo {

std::string Meldungstext(std::string Meldung)
{
    // Compared as bytes: the last byte of a German letter in UTF-8 lies
    // above the full stop, as the letter itself does.
    if (!Meldung.empty() && static_cast<unsigned char>(Meldung.back()) > static_cast<unsigned char>('.'))
        Meldung += '.';
    return Meldung;
}

} // namespace kalumbo
