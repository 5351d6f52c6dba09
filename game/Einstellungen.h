// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kalumbo {

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
