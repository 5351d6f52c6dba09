// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Anzeige.h"
#include "game/Einstellungen.h"
#include "game/Zufall.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace kalumbo::test {

// A repeatable random source; seeding anew keeps the sequence going.
class TFesterZufall : public TZufallsquelle {
public:
    explicit TFesterZufall(unsigned Saat) : Generator(Saat) {}

    void SaeeNeu() override { ++Aussaaten; }
    int Zufall(int N) override
    {
        Ziehungen.push_back(N);
        return GleichverteiltUnter(Generator, N);
    }

    int Aussaaten = 0;
    std::vector<int> Ziehungen; // the N of every draw, in order

private:
    std::mt19937 Generator;
};

// A source that answers every draw with a function of N, for deals and
// problems laid out by hand.
class TSkriptZufall : public TZufallsquelle {
public:
    explicit TSkriptZufall(std::function<int(int)> Antwort) : Antwort(std::move(Antwort)) {}

    void SaeeNeu() override {}
    int Zufall(int N) override
    {
        Ziehungen.push_back(N);
        return Antwort(N);
    }

    std::vector<int> Ziehungen;

private:
    std::function<int(int)> Antwort;
};

// Settings the test changes between calls, as a player would.
struct TTestEinstellungen : TEinstellungen {
    int ZahlenbereichIndex() const override { return Zahlenbereich; }
    int RechenartIndex() const override { return Rechenart; }
    int MaskeIndex() const override { return Maske; }

    int Zahlenbereich = 1;
    int Rechenart = 2;
    int Maske = 0;
};

// Writes down every effect of a move as one line, in the order it came.
struct TProtokoll : TAnzeige {
    void ZeichneStein(int Spalte, int Zeile) override
    {
        Zeilen.push_back("Stein " + std::to_string(Spalte) + "," + std::to_string(Zeile));
    }
    void ZeigeFortschritt(const std::string& Text) override { Zeilen.push_back("Fortschritt " + Text); }
    void ErgaenzeVerlauf(const std::string& Zeile) override { Zeilen.push_back("Verlauf " + Zeile); }
    void ZeigeBravo() override { Zeilen.push_back("Bravo"); }

    std::vector<std::string> Zeilen;
};

} // namespace kalumbo::test
