// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kalumbo::test {

// The seed from which the tests of this run deal their games: the number
// in the environment variable KALUMBO_SAAT when it is set, otherwise one
// taken from the clock at the first call, so that every run plays other
// games. A failed test prints it, and the same seed deals the same games
// again:
//
//     KALUMBO_SAAT=1234567 ctest -R <test> --output-on-failure
std::uint64_t TestSaat();

// Has every failed check print the seed of the run once per test.
void MeldeSaatBeiFehlern();

} // namespace kalumbo::test
