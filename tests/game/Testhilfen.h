// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Anzeige.h"
#include "game/Einstellungen.h"
#include "game/Zufall.h"

#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalumbo::test {

// A source that writes down every draw. Rules that wrongly draw again and
// again would keep a test busy for ever: past the most draws the test was
// made for, the source ends it instead.
class TGezaehlterZufall : public TZufallsquelle {
public:
    explicit TGezaehlterZufall(std::size_t HoechstensZuege) : HoechstensZuege(HoechstensZuege) {}

    std::vector<int> Ziehungen; // the N of every draw, in order

protected:
    void Zaehle(int N)
    {
        if (Ziehungen.size() == HoechstensZuege)
            throw std::runtime_error("the rules drew more than " + std::to_string(HoechstensZuege) + " times");
        Ziehungen.push_back(N);
    }

private:
    std::size_t HoechstensZuege;
};

// A repeatable random source; seeding anew keeps the sequence going.
class TFesterZufall : public TGezaehlterZufall {
public:
    explicit TFesterZufall(unsigned Saat, std::size_t HoechstensZuege = 4'000'000)
        : TGezaehlterZufall(HoechstensZuege), Generator(Saat)
    {
    }

    void SaeeNeu() override { ++Aussaaten; }
    int Zufall(int N) override
    {
        Zaehle(N);
        return GleichverteiltUnter(Generator, N);
    }

    int Aussaaten = 0;

private:
    std::mt19937 Generator;
};

// A source that answers every draw with a function of N, for deals and
// problems laid out by hand.
class TSkriptZufall : public TGezaehlterZufall {
public:
    explicit TSkriptZufall(std::function<int(int)> Antwort, std::size_t HoechstensZuege = 100'000)
        : TGezaehlterZufall(HoechstensZuege), Antwort(std::move(Antwort))
    {
    }

    void SaeeNeu() override {}
    int Zufall(int N) override
    {
        Zaehle(N);
        return Antwort(N);
    }

private:
    std::function<int(int)> Antwort;
};

// Settings the test changes between calls, as a player would.
struct TTestEinstellungen : TEinstellungen {
    int ZahlenIndex() const override { return Zahlen; }
    int RechenartenIndex() const override { return Rechenarten; }
    int FormIndex() const override { return Form; }

    int Zahlen = 1;
    int Rechenarten = 2;
    int Form = 0;
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
    void VerbergeHilfe() override { Zeilen.push_back("Hilfe weg"); }
    void LeereVerlauf() override { Zeilen.push_back("Verlauf leer"); }
    void VerbergeBravo() override { Zeilen.push_back("Bravo weg"); }
    void LegeBrettAn() override { Zeilen.push_back("Brett angelegt"); }
    void ZeigeBrett() override { Zeilen.push_back("Brett gezeigt"); }
    void MeldeDruck(const TDruckbericht& Bericht) override { Zeilen.push_back("Bericht " + Ansagetext(Bericht)); }

    std::vector<std::string> Zeilen;
};

} // namespace kalumbo::test
