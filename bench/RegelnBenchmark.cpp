// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the rules make a game and answer a press.
#include "game/Paarsuche.h"
#include "game/Aufgaben.h"
#include "game/Formen.h"
#include "game/Regeln.h"

#include <benchmark/benchmark.h>

namespace kalumbo {
namespace {

struct TFesteEinstellungen : TEinstellungen {
    int ZahlenIndex() const override { return 0; } // up to 30
    int RechenartenIndex() const override { return RechenartMal; }
    int FormIndex() const override { return FormA; }
};

struct TStilleAnzeige : TAnzeige {
    void ZeichneStein(int, int) override {}
    void ZeigeFortschritt(const std::string&) override {}
    void ErgaenzeVerlauf(const std::string&) override {}
    void ZeigeBravo() override {}
    void MeldeDruck(const TDruckbericht&) override {}
    void VerbergeHilfe() override {}
    void LeereVerlauf() override {}
    void VerbergeBravo() override {}
    void LegeBrettAn() override {}
    void ZeigeBrett() override {}
};

// A game with the rules bound to it, as the window holds one.
struct TSpiel {
    TSpielstand Stand;
    TFesteEinstellungen Einstellungen;
    TUhrZufall Quelle;
    TStilleAnzeige Anzeige;
    TRegeln Regeln{Stand, Einstellungen, Quelle, Anzeige};
};

// The slowest settings: "mal" up to 30 needs many retries for the last
// products, and shape "A" is the one whose deal can start over.
void NeuesSpielMalBisDreissigFormA(benchmark::State& Lauf)
{
    TSpiel Spiel;
    TRegeln& Regeln = Spiel.Regeln;
    for (auto _ : Lauf) {
        Regeln.ErzeugeAufgaben();
        Regeln.VerteileSteine();
        benchmark::DoNotOptimize(Spiel.Stand.Felder);
    }
}
BENCHMARK(NeuesSpielMalBisDreissigFormA);

// The press that solves a pair, its partner already selected. Each round
// puts the two tiles and the selection back, four plain writes.
void DruckLoestPaar(benchmark::State& Lauf)
{
    TSpiel Spiel;
    TSpielstand& Stand = Spiel.Stand;
    TRegeln& Regeln = Spiel.Regeln;
    Regeln.ErzeugeAufgaben();
    Regeln.VerteileSteine();
    const auto [Erste, Zweite] = FreiesPaar(Stand.Felder, FormA).value();
    const TFeld ErstesFeld = Stand.Felder[Erste.Spalte][Erste.Zeile];
    const TFeld ZweitesFeld = Stand.Felder[Zweite.Spalte][Zweite.Zeile];

    for (auto _ : Lauf) {
        Stand.Felder[Erste.Spalte][Erste.Zeile] = ErstesFeld;
        Stand.Felder[Zweite.Spalte][Zweite.Zeile] = ZweitesFeld;
        Stand.AuswahlSpalte = Erste.Spalte;
        Stand.AuswahlZeile = Erste.Zeile;
        Stand.AnzahlGeloest = 0;
        Regeln.Druck(Zweite);
        benchmark::DoNotOptimize(Stand);
    }
}
BENCHMARK(DruckLoestPaar);

} // namespace
} // namespace kalumbo
