// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/Browserspiel.h"

namespace kalumbo::web {

// The one game behind the page, made at its first use.
TBrowserspiel& Spiel();

} // namespace kalumbo::web
