#pragma once

#include <cstdint>
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

// Seeds itself from a high-resolution clock together with a counter, so
// that two games started within the same clock tick still differ.
class TUhrZufall final : public TZufallsquelle {
public:
    TUhrZufall();

    void SaeeNeu() override;
    int Zufall(int N) override;

private:
    std::mt19937 Generator;
    std::uint64_t Aussaaten = 0;
};

} // namespace kalumbo
