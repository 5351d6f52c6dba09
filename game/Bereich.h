// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace kalumbo {

// A fixed-size array indexed from Erster to Letzter, so that the board,
// the problem list and the shape table read with the same numbers the
// player sees: column 1 to 8, pair 1 to 18.
template <typename T, int Erster, int Letzter>
struct TBereich {
    static_assert(Erster <= Letzter);

    static constexpr int Anfang = Erster;
    static constexpr int Ende = Letzter;
    static constexpr std::size_t Anzahl = static_cast<std::size_t>(Letzter - Erster + 1);

    std::array<T, Anzahl> Werte{};

    static constexpr bool Enthaelt(int Index) { return Index >= Erster && Index <= Letzter; }

    constexpr T& operator[](int Index)
    {
        assert(Enthaelt(Index));
        return Werte[static_cast<std::size_t>(Index - Erster)];
    }
    constexpr const T& operator[](int Index) const
    {
        assert(Enthaelt(Index));
        return Werte[static_cast<std::size_t>(Index - Erster)];
    }

    constexpr auto begin() { return Werte.begin(); }
    constexpr auto end() { return Werte.end(); }
    constexpr auto begin() const { return Werte.begin(); }
    constexpr auto end() const { return Werte.end(); }

    constexpr bool operator==(const TBereich&) const = default;
};

} // namespace kalumbo
