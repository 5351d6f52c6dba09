// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace kalumbo {

// A picture that cannot be used. The message is the text the player sees, in UTF-8.
class TBildFehler : public std::runtime_error {
public:
    using runtime_error::runtime_error;
};

} // namespace kalumbo
