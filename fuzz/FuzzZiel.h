// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

// One input for a fuzz target: BildZiel.cpp for the picture decoder,
// KlassenlinkZiel.cpp for the class link. Returns 0; a broken promise
// ends the process with a message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Laenge);
