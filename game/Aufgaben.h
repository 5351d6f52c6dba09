// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Bereich.h"

#include <string>

namespace kalumbo {

class TZufallsquelle;

inline constexpr int AnzahlPaare = 18;

// One problem pair: the problem text ("12 + 7") and its result ("19").
struct TAufgabe {
    std::string Rechnung;
    std::string Ergebnis;

    bool operator==(const TAufgabe&) const = default;
};

using TAufgabenliste = TBereich<TAufgabe, 1, AnzahlPaare>;

// The kinds of problem.
inline constexpr int Addition = 1;
inline constexpr int Subtraktion = 2;
inline constexpr int Multiplikation = 3;
inline constexpr int Division = 4;

// Items of the "Rechenarten" choice.
inline constexpr int RechenartPlus = 0;
inline constexpr int RechenartMinus = 1;
inline constexpr int RechenartPlusMinus = 2;
inline constexpr int RechenartAlle = 3;
inline constexpr int RechenartMal = 4;
inline constexpr int RechenartDurch = 5;
inline constexpr int RechenartMalDurch = 6;

// A product of the range up to 30 with four of its factors; a problem
// takes one factor first and the product divided by it second.
struct TProdukt {
    int Produkt;
    TBereich<int, 1, 4> Faktoren;

    constexpr bool operator==(const TProdukt&) const = default;
};

inline constexpr TBereich<TProdukt, 1, 18> Produkte = {{{
    {4, {{{2, 2, 2, 2}}}},   {6, {{{2, 2, 3, 3}}}},   {8, {{{2, 2, 4, 4}}}},
    {9, {{{3, 3, 3, 3}}}},   {10, {{{2, 2, 5, 5}}}},  {12, {{{2, 3, 4, 6}}}},
    {14, {{{2, 2, 7, 7}}}},  {15, {{{3, 3, 5, 5}}}},  {16, {{{2, 4, 4, 8}}}},
    {18, {{{2, 3, 6, 9}}}},  {20, {{{2, 4, 5, 10}}}}, {21, {{{3, 3, 7, 7}}}},
    {22, {{{2, 2, 11, 11}}}}, {24, {{{3, 4, 6, 8}}}}, {25, {{{5, 5, 5, 5}}}},
    {27, {{{3, 3, 9, 9}}}},  {28, {{{4, 4, 7, 7}}}},  {30, {{{5, 5, 6, 6}}}},
}}};

// The divisors from which a division problem starts.
inline constexpr TBereich<int, 1, 18> Teiler = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 20, 25, 30}};

// The highest number for an item index of "Zahlen bis ..." (30, 50, 100,
// 1000); an index beside the four items counts as the first one.
int BisFuerItem(int Index);

// Writes one new problem of kind Art (1 to 4) with numbers up to Bis into
// Rechnung and Ergebnis. Any other kind leaves both as they were.
void ErzeugeAufgabe(int Art, int Bis, std::string& Rechnung, std::string& Ergebnis, TZufallsquelle& Quelle);

// Seeds the source anew and fills all 18 pairs for the given item indices
// of "Zahlen bis ..." and "Rechenarten", with 18 different results.
void ErzeugeAufgaben(TAufgabenliste& Aufgaben, int Zahlen, int Rechenarten, TZufallsquelle& Quelle);

} // namespace kalumbo
