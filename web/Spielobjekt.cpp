// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Spielobjekt.h"

namespace kalumbo::web {

TBrowserspiel& Spiel()
{
    static TBrowserspiel Das;
    return Das;
}

} // namespace kalumbo::web
