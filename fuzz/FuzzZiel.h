// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

// One input for the picture loader, as bytes of a picture file. Returns 0;
// a broken promise of the loader ends the process with a message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Laenge);
