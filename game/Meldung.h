// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kalumbo {

// A message as the game's message box shows it: a full stop is added
// unless the text is empty or already ends in a full stop or a sign
// below it.
std::string Meldungstext(std::string Meldung);

} // namespace kalumbo
