// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace kalumbo {

// The one random source of a game: the problems and the deal draw from it.
class TZufallsquelle {
public:
    virtual ~TZufallsquelle() = default;

    // Starts a fresh sequence; called at the start of every new set of problems.
    virtual void SaeeNeu() = 0;

    // A uniform integer from 0 to N - 1, for N >= 1.
    virtual int Zufall(int N) = 0;
};

// A uniform integer from 0 to N - 1 (N >= 1) from the 32-bit words of the
// Mersenne Twister. The standard fixes every word mt19937 gives for a seed,
// but not how a distribution turns them into a number, so the number is
// made here: words at or above the largest multiple of N below 2^32 are
// thrown away and drawn again, and the remainder of the first word below
// it is the result. Every result is equally likely, and one seed gives the
// same numbers with every standard library and in the browser.
int GleichverteiltUnter(std::mt19937& Generator, int N);

// The game's random source: the Mersenne Twister, seeded anew at every new
// set of problems from a 64-bit starting value together with a count of the
// seedings, so that two seedings with the same starting value still differ.
class TMersenneZufall : public TZufallsquelle {
public:
    // Where the starting value of each seeding comes from.
    using TSaatgeber = std::function<std::uint64_t()>;

    explicit TMersenneZufall(TSaatgeber Saatgeber);

    void SaeeNeu() override;
    int Zufall(int N) override;

private:
    TSaatgeber Saatgeber;
    std::mt19937 Generator;
    std::uint64_t Aussaaten = 0;
};

// The clock's ticks as starting value: a new game every time.
std::uint64_t Uhrzeit();

// The source the game plays with: seeded from the high-resolution clock.
class TUhrZufall final : public TMersenneZufall {
public:
    TUhrZufall() : TMersenneZufall(Uhrzeit) {}
};

// A source for replaying: every run with the same seed deals the same games.
class TSaatZufall final : public TMersenneZufall {
public:
    explicit TSaatZufall(std::uint64_t Saat) : TMersenneZufall([Saat] { return Saat; }) {}
};

} // namespace kalumbo
