// SPDX-License-Identifier: GPL-3.0-or-later
// One seed deals one game, on every platform. The bounded draws are made
// from the Mersenne Twister's words by the game itself, not by a standard
// library's distribution, so that gcc with libstdc++, clang with libc++ and
// the browser edition built with Emscripten all deal the very same problems
// onto the very same cells. This test pins one such game; it runs in every
// build, and a build whose games differ fails it.

#include "game/Aufgaben.h"
#include "game/Brett.h"
#include "game/Formen.h"
#include "game/Verteilung.h"
#include "game/Zufall.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalumbo {
namespace {

// Each row as text: "." beside the shape, "R7" for the problem of pair 7,
// "E7" for its result.
std::vector<std::string> Zeilenbild(const TFelder& Felder, int Form)
{
    std::vector<std::string> Bild;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile) {
        std::string Text;
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            const TFeld& Feld = Felder[Spalte][Zeile];
            if (!Text.empty())
                Text += ' ';
            if (!IstPosition(Form, Spalte, Zeile))
                Text += '.';
            else
                Text += (Feld.Seite == Rechnungsstein ? "R" : "E") + std::to_string(Feld.Paar);
        }
        Bild.push_back(Text);
    }
    return Bild;
}

std::vector<std::string> Aufgabenbild(const TAufgabenliste& Aufgaben)
{
    std::vector<std::string> Bild;
    for (const TAufgabe& Aufgabe : Aufgaben)
        Bild.push_back(Aufgabe.Rechnung + " = " + Aufgabe.Ergebnis);
    return Bild;
}

TEST(GleichesSpiel, SaatZwanzigZwanzigGibtUeberallDasselbeSpiel)
{
    TSaatZufall Quelle(2020);
    TAufgabenliste Aufgaben;
    TFelder Felder{};
    ErzeugeAufgaben(Aufgaben, 2, RechenartAlle, Quelle);
    VerteileSteine(Felder, FormA, Quelle);

    EXPECT_EQ(Aufgabenbild(Aufgaben), (std::vector<std::string>{
                                          "4 + 63 = 67", "17 + 63 = 80", "66 : 6 = 11", "37 - 17 = 20",
                                          "91 + 7 = 98", "71 - 61 = 10", "59 - 9 = 50", "7 * 10 = 70",
                                          "45 + 11 = 56", "75 + 11 = 86", "9 * 3 = 27", "74 + 10 = 84",
                                          "25 : 5 = 5", "32 : 4 = 8", "3 * 8 = 24", "8 : 2 = 4",
                                          "9 * 4 = 36", "45 + 32 = 77",
                                      }));
    EXPECT_EQ(Zeilenbild(Felder, FormA), (std::vector<std::string>{
                                             ". . . E18 R15 . . .",
                                             ". . R18 R8 E15 R3 . .",
                                             ". . E7 E11 R10 E16 . .",
                                             ". E1 R17 . . E6 E2 .",
                                             ". E9 R7 . . E4 R12 .",
                                             ". R1 R4 R5 E3 R6 E8 .",
                                             "R2 R13 R16 R14 E5 E12 R9 E10",
                                             "E13 E14 . . . . E17 R11",
                                         }));
}

} // namespace
} // namespace kalumbo
