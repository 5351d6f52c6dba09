#include "Zufall.h"

#include <chrono>

namespace kalumbo {

TUhrZufall::TUhrZufall()
{
    SaeeNeu();
}

void TUhrZufall::SaeeNeu()
{
    const auto Jetzt = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    ++Aussaaten;
    std::seed_seq Saat{static_cast<std::uint32_t>(Jetzt), static_cast<std::uint32_t>(Jetzt >> 32),
                       static_cast<std::uint32_t>(Aussaaten)};
    Generator.seed(Saat);
}

int TUhrZufall::Zufall(int N)
{
    if (N <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, N - 1)(Generator);
}

} // namespace kalumbo
