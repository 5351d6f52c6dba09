// How fast the rules make a game and answer a press.
#include "game/Aufgaben.h"
#include "game/Formen.h"
#include "game/Regeln.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace kalumbo {
namespace {

struct TFesteEinstellungen : TEinstellungen {
    int ZahlenbereichIndex() const override { return 0; } // up to 30
    int RechenartIndex() const override { return RechenartMal; }
    int MaskeIndex() const override { return FormA; }
};

struct TStilleAnzeige : TAnzeige {
    void ZeichneStein(int, int) override {}
    void ZeigeFortschritt(const std::string&) override {}
    void ErgaenzeVerlauf(const std::string&) override {}
    void ZeigeBravo() override {}
};

// The slowest settings: "mal" up to 30 needs many retries for the last
// products, and shape "A" is the one whose deal can start over.
void NeuesSpielMalBisDreissigFormA(benchmark::State& Lauf)
{
    TSpielstand Stand;
    TFesteEinstellungen Einstellungen;
    TUhrZufall Quelle;
    TStilleAnzeige Anzeige;
    TRegeln Regeln(Stand, Einstellungen, Quelle, Anzeige);
    for (auto _ : Lauf) {
        Regeln.ErzeugeAufgaben();
        Regeln.VerteileSteine();
        benchmark::DoNotOptimize(Stand.Felder);
    }
}
BENCHMARK(NeuesSpielMalBisDreissigFormA);

std::optional<std::pair<TZelle, TZelle>> FreiesPaar(const TSpielstand& Stand, const TRegeln& Regeln)
{
    for (int Z1 = 1; Z1 <= Zeilen; ++Z1)
        for (int S1 = 1; S1 <= Spalten; ++S1) {
            if (!Regeln.HatStein(S1, Z1) || !Regeln.IstFrei(S1, Z1))
                continue;
            for (int Z2 = 1; Z2 <= Zeilen; ++Z2)
                for (int S2 = 1; S2 <= Spalten; ++S2)
                    if ((S1 != S2 || Z1 != Z2) && Regeln.HatStein(S2, Z2) && Regeln.IstFrei(S2, Z2) &&
                        Stand.Felder[S1][Z1].Paar == Stand.Felder[S2][Z2].Paar)
                        return std::pair{TZelle{S1, Z1}, TZelle{S2, Z2}};
        }
    return std::nullopt;
}

// The press that solves a pair, its partner already selected. Each round
// puts the two tiles and the selection back, four plain writes.
void DruckLoestPaar(benchmark::State& Lauf)
{
    TSpielstand Stand;
    TFesteEinstellungen Einstellungen;
    TUhrZufall Quelle;
    TStilleAnzeige Anzeige;
    TRegeln Regeln(Stand, Einstellungen, Quelle, Anzeige);
    Regeln.ErzeugeAufgaben();
    Regeln.VerteileSteine();
    const auto [Erste, Zweite] = FreiesPaar(Stand, Regeln).value();
    const TFeld ErstesFeld = Stand.Felder[Erste.Spalte][Erste.Zeile];
    const TFeld ZweitesFeld = Stand.Felder[Zweite.Spalte][Zweite.Zeile];

    for (auto _ : Lauf) {
        Stand.Felder[Erste.Spalte][Erste.Zeile] = ErstesFeld;
        Stand.Felder[Zweite.Spalte][Zweite.Zeile] = ZweitesFeld;
        Stand.AuswahlSpalte = Erste.Spalte;
        Stand.AuswahlZeile = Erste.Zeile;
        Stand.AnzahlGeloest = 0;
        Regeln.Druck(Zweite.Spalte * 50 - 25, Zweite.Zeile * 50 - 25);
        benchmark::DoNotOptimize(Stand);
    }
}
BENCHMARK(DruckLoestPaar);

} // namespace
} // namespace kalumbo
