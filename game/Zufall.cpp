// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zufall.h"

#include <chrono>
#include <utility>

namespace kalumbo {

int GleichverteiltUnter(std::mt19937& Generator, int N)
{
    if (N <= 1)
        return 0;
    constexpr std::uint64_t Worte = std::uint64_t{1} << 32;
    const auto Anzahl = static_cast<std::uint64_t>(N);
    const std::uint64_t Grenze = Worte - Worte % Anzahl;
    std::uint64_t Wort = Generator();
    while (Wort >= Grenze)
        Wort = Generator();
    return static_cast<int>(Wort % Anzahl);
}

TMersenneZufall::TMersenneZufall(TSaatgeber Saatgeber) : Saatgeber(std::move(Saatgeber))
{
    SaeeNeu();
}

void TMersenneZufall::SaeeNeu()
{
    const std::uint64_t Start = Saatgeber();
    ++Aussaaten;
    std::seed_seq Saat{static_cast<std::uint32_t>(Start), static_cast<std::uint32_t>(Start >> 32),
                       static_cast<std::uint32_t>(Aussaaten), static_cast<std::uint32_t>(Aussaaten >> 32)};
    Generator.seed(Saat);
}

int TMersenneZufall::Zufall(int N)
{
    return GleichverteiltUnter(Generator, N);
}

std::uint64_t Uhrzeit()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace kalumbo
