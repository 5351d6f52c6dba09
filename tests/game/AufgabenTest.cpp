// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Aufgaben.h"
#include "Testhilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kalumbo {
namespace {

struct TZerlegt {
    int Erste;
    char Zeichen;
    int Zweite;
};

// Splits a problem text and checks its form for the range: decimal numbers
// without leading zeros, blanks round the operator except up to 1000.
TZerlegt Zerlege(const std::string& Rechnung, int Bis)
{
    static const std::regex MitBlanks(R"(^([1-9][0-9]*) ([-+*:]) ([1-9][0-9]*)$)");
    static const std::regex OhneBlanks(R"(^([1-9][0-9]*)([-+*:])([1-9][0-9]*)$)");
    std::smatch Teile;
    const bool Passt = std::regex_match(Rechnung, Teile, Bis == 1000 ? OhneBlanks : MitBlanks);
    EXPECT_TRUE(Passt) << "'" << Rechnung << "' bis " << Bis;
    if (!Passt)
        return {0, '?', 0};
    return {std::stoi(Teile[1]), Teile[2].str()[0], std::stoi(Teile[3])};
}

int Ausrechnen(const TZerlegt& R)
{
    switch (R.Zeichen) {
    case '+':
        return R.Erste + R.Zweite;
    case '-':
        return R.Erste - R.Zweite;
    case '*':
        return R.Erste * R.Zweite;
    case ':':
        EXPECT_EQ(R.Erste % R.Zweite, 0) << R.Erste << ':' << R.Zweite;
        return R.Erste / R.Zweite;
    }
    return -1;
}

int ErgebnisZahl(const std::string& Ergebnis)
{
    static const std::regex Zahl("^[1-9][0-9]*$");
    EXPECT_TRUE(std::regex_match(Ergebnis, Zahl)) << "'" << Ergebnis << "'";
    return std::stoi(Ergebnis);
}

std::string ErlaubteZeichen(int Rechenarten)
{
    switch (Rechenarten) {
    case RechenartPlus:
        return "+";
    case RechenartMinus:
        return "-";
    case RechenartPlusMinus:
        return "+-";
    case RechenartMal:
        return "*";
    case RechenartDurch:
        return ":";
    case RechenartMalDurch:
        return "*:";
    default:
        return "+-*:";
    }
}

struct TGrenzen {
    int ErsteMin, ErsteMax, ZweiteMin, ZweiteMax, ErgebnisMin, ErgebnisMax;
};

// How far the numbers of each kind reach in each range.
TGrenzen GrenzenFuer(char Zeichen, int Bis)
{
    switch (Zeichen) {
    case '+':
        return {1, Bis - 5, 3, Bis - 1, 4, Bis};
    case '-':
        return {4, Bis, 3, Bis - 1, 1, Bis - 5};
    case '*':
        return Bis == 30 ? TGrenzen{2, 11, 2, 11, 4, 30}
                         : TGrenzen{2, Bis == 1000 ? 99 : 10, 2, 10, 4, Bis == 1000 ? 990 : Bis};
    default:
        return {2, Bis, 1, Bis == 30 ? 5 : Bis == 50 ? 7 : Bis == 100 ? 10 : 30, 2, Bis};
    }
}

void PruefeAufgabe(const TAufgabe& Aufgabe, int Bis, const std::string& Zeichen)
{
    const TZerlegt R = Zerlege(Aufgabe.Rechnung, Bis);
    const int Ergebnis = ErgebnisZahl(Aufgabe.Ergebnis);
    ASSERT_NE(Zeichen.find(R.Zeichen), std::string::npos) << Aufgabe.Rechnung;
    EXPECT_EQ(Ausrechnen(R), Ergebnis) << Aufgabe.Rechnung << " = " << Aufgabe.Ergebnis;

    const TGrenzen G = GrenzenFuer(R.Zeichen, Bis);
    EXPECT_GE(R.Erste, G.ErsteMin) << Aufgabe.Rechnung;
    EXPECT_LE(R.Erste, G.ErsteMax) << Aufgabe.Rechnung;
    EXPECT_GE(R.Zweite, G.ZweiteMin) << Aufgabe.Rechnung;
    EXPECT_LE(R.Zweite, G.ZweiteMax) << Aufgabe.Rechnung;
    EXPECT_GE(Ergebnis, G.ErgebnisMin) << Aufgabe.Rechnung;
    EXPECT_LE(Ergebnis, G.ErgebnisMax) << Aufgabe.Rechnung;
    if (R.Zeichen == ':') {
        EXPECT_LE(R.Zweite, Ergebnis) << "divisor is the smaller number: " << Aufgabe.Rechnung;
    }
}

class AlleEinstellungen : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(AlleEinstellungen, AchtzehnVerschiedeneRichtigeAufgaben)
{
    const auto [Zahlen, Rechenarten] = GetParam();
    const int Bis = BisFuerItem(Zahlen);
    const std::string Zeichen = ErlaubteZeichen(Rechenarten);
    std::set<char> GeseheneZeichen;

    for (unsigned Saat = 1; Saat <= 150; ++Saat) {
        test::TFesterZufall Quelle(Saat);
        TAufgabenliste Aufgaben;
        ErzeugeAufgaben(Aufgaben, Zahlen, Rechenarten, Quelle);

        std::set<std::string> Ergebnisse, Rechnungen;
        for (const TAufgabe& Aufgabe : Aufgaben) {
            PruefeAufgabe(Aufgabe, Bis, Zeichen);
            Ergebnisse.insert(Aufgabe.Ergebnis);
            Rechnungen.insert(Aufgabe.Rechnung);
            GeseheneZeichen.insert(Zerlege(Aufgabe.Rechnung, Bis).Zeichen);
        }
        ASSERT_EQ(Ergebnisse.size(), 18u) << "Saat " << Saat;
        ASSERT_EQ(Rechnungen.size(), 18u) << "Saat " << Saat;
        if (HasFailure())
            return;
    }
    // The mixed items really mix.
    EXPECT_EQ(GeseheneZeichen.size(), Zeichen.size());
}

INSTANTIATE_TEST_SUITE_P(ZahlenbereichUndRechenart, AlleEinstellungen,
                         testing::Combine(testing::Range(0, 4), testing::Range(0, 7)));

TEST(ErzeugeAufgaben, MalBisDreissigGibtGenauDieProdukte)
{
    std::vector<std::string> Erwartet;
    for (const TProdukt& Zeile : Produkte)
        Erwartet.push_back(std::to_string(Zeile.Produkt));
    std::sort(Erwartet.begin(), Erwartet.end());

    for (unsigned Saat = 1; Saat <= 50; ++Saat) {
        test::TFesterZufall Quelle(Saat);
        TAufgabenliste Aufgaben;
        ErzeugeAufgaben(Aufgaben, 0, RechenartMal, Quelle);
        std::vector<std::string> Ergebnisse;
        for (const TAufgabe& Aufgabe : Aufgaben)
            Ergebnisse.push_back(Aufgabe.Ergebnis);
        std::sort(Ergebnisse.begin(), Ergebnisse.end());
        EXPECT_EQ(Ergebnisse, Erwartet);
    }
}

TEST(ErzeugeAufgaben, SaeetJedesMalGenauEinmalVorDemErstenZug)
{
    struct TQuelle : test::TFesterZufall {
        TQuelle() : TFesterZufall(7) {}
        void SaeeNeu() override
        {
            ZuegeVorDerSaat.push_back(static_cast<int>(Ziehungen.size()));
        }
        std::vector<int> ZuegeVorDerSaat;
    } Quelle;
    TAufgabenliste Aufgaben;
    ErzeugeAufgaben(Aufgaben, 1, 2, Quelle);
    const auto ZuegeDesErstenSpiels = static_cast<int>(Quelle.Ziehungen.size());
    ErzeugeAufgaben(Aufgaben, 1, 2, Quelle);
    ASSERT_EQ(Quelle.ZuegeVorDerSaat.size(), 2u);
    EXPECT_EQ(Quelle.ZuegeVorDerSaat[0], 0);
    EXPECT_EQ(Quelle.ZuegeVorDerSaat[1], ZuegeDesErstenSpiels);
}

TEST(ErzeugeAufgaben, UnbekannteIndizesZaehlenAlsErstesElement)
{
    for (const auto& [Zahlen, Rechenarten] : {std::pair{-1, -1}, {4, 7}, {99, 99}}) {
        test::TFesterZufall Quelle(3);
        TAufgabenliste Aufgaben;
        ErzeugeAufgaben(Aufgaben, Zahlen, Rechenarten, Quelle);
        for (const TAufgabe& Aufgabe : Aufgaben)
            PruefeAufgabe(Aufgabe, 30, "+");
    }
}

TEST(ErzeugeAufgaben, GemischteArtWirdBeiWiederholungNichtNeuGezogen)
{
    // With "alle" up to 1000 each pair draws its kind once with Zufall(4).
    // Here every kind draw gives addition, every second summand 3, and the
    // first summands run 1, 1, 2, 3, ...: the second pair repeats the sum 4
    // once and is made again. An addition draws its first summand, then its
    // second from 980 or more, so every Zufall(4) is a kind draw.
    std::vector<int> ErsteSummanden = {0, 0};
    for (int A = 1; A < AnzahlPaare; ++A)
        ErsteSummanden.push_back(A);
    std::size_t Naechster = 0;
    bool ErsterSummandKommt = false;
    test::TSkriptZufall Quelle([&](int N) {
        if (N == 4) {
            ErsterSummandKommt = true;
            return 0;
        }
        const bool Erster = ErsterSummandKommt;
        ErsterSummandKommt = !Erster;
        return Erster ? ErsteSummanden.at(Naechster++) : 0;
    });
    TAufgabenliste Aufgaben;
    ErzeugeAufgaben(Aufgaben, 3, RechenartAlle, Quelle);

    ASSERT_EQ(Naechster, ErsteSummanden.size()) << "the second pair was not made again";
    EXPECT_EQ(std::count(Quelle.Ziehungen.begin(), Quelle.Ziehungen.end(), 4), AnzahlPaare);
    EXPECT_EQ(Aufgaben[2], (TAufgabe{"2+3", "5"}));
}

// Draws many single problems, checks the form of the first ones and
// collects the different results of all.
std::set<int> ErgebnisseVon(int Art, int Bis, int Ziehungen)
{
    test::TFesterZufall Quelle(static_cast<unsigned>(Art * 7919 + Bis));
    std::set<int> Ergebnisse;
    TAufgabe Aufgabe;
    for (int I = 0; I < Ziehungen; ++I) {
        ErzeugeAufgabe(Art, Bis, Aufgabe.Rechnung, Aufgabe.Ergebnis, Quelle);
        if (I < 500)
            PruefeAufgabe(Aufgabe, Bis, "+-*:");
        Ergebnisse.insert(std::stoi(Aufgabe.Ergebnis));
    }
    return Ergebnisse;
}

TEST(ErzeugeAufgabe, JedeArtErreichtAlleIhreErgebnisse)
{
    // Addition up to 1000 is left out: its smallest sum, 1 + 3, comes up
    // once in a million draws.
    const std::map<int, std::map<int, std::size_t>> Anzahl = {
        {Addition, {{30, 27}, {50, 47}, {100, 97}}},
        {Subtraktion, {{30, 25}, {50, 45}, {100, 95}, {1000, 995}}},
        {Multiplikation, {{30, 18}, {50, 26}, {100, 37}, {1000, 465}}},
        {Division, {{30, 29}, {50, 49}, {100, 99}, {1000, 999}}},
    };
    for (const auto& [Art, JeBis] : Anzahl)
        for (const auto& [Bis, Erwartet] : JeBis)
            EXPECT_EQ(ErgebnisseVon(Art, Bis, Bis == 1000 ? 400000 : 100000).size(), Erwartet) << "Art " << Art << " bis " << Bis;
}

TEST(ErzeugeAufgabe, UnbekannteArtLaesstDieTexteStehen)
{
    test::TFesterZufall Quelle(1);
    std::string Rechnung = "alt", Ergebnis = "auch alt";
    ErzeugeAufgabe(0, 50, Rechnung, Ergebnis, Quelle);
    ErzeugeAufgabe(5, 50, Rechnung, Ergebnis, Quelle);
    EXPECT_EQ(Rechnung, "alt");
    EXPECT_EQ(Ergebnis, "auch alt");
    EXPECT_TRUE(Quelle.Ziehungen.empty());
}

TAufgabe AufgabeAusZuegen(int Art, int Bis, std::vector<int> Zuege)
{
    std::size_t Naechster = 0;
    test::TSkriptZufall Quelle([&](int) { return Zuege.at(Naechster++); });
    TAufgabe Aufgabe;
    ErzeugeAufgabe(Art, Bis, Aufgabe.Rechnung, Aufgabe.Ergebnis, Quelle);
    EXPECT_EQ(Naechster, Zuege.size()) << "every scripted draw used";
    return Aufgabe;
}

TEST(ErzeugeAufgabe, MalBisDreissigStelltDenTabellenfaktorVoran)
{
    EXPECT_EQ(AufgabeAusZuegen(Multiplikation, 30, {12, 0}), (TAufgabe{"2 * 11", "22"}));
    EXPECT_EQ(AufgabeAusZuegen(Multiplikation, 30, {12, 3}), (TAufgabe{"11 * 2", "22"}));
    EXPECT_EQ(AufgabeAusZuegen(Multiplikation, 30, {0, 2}), (TAufgabe{"2 * 2", "4"}));
    EXPECT_EQ(AufgabeAusZuegen(Multiplikation, 30, {13, 2}), (TAufgabe{"6 * 4", "24"}));
}

TEST(ErzeugeAufgabe, MalBegrenztDenZweitenFaktor)
{
    test::TSkriptZufall Quelle([](int N) { return N - 1; });
    TAufgabe Aufgabe;
    ErzeugeAufgabe(Multiplikation, 50, Aufgabe.Rechnung, Aufgabe.Ergebnis, Quelle);
    EXPECT_EQ(Aufgabe, (TAufgabe{"10 * 5", "50"}));
    EXPECT_EQ(Quelle.Ziehungen, (std::vector<int>{9, 4}));
    ErzeugeAufgabe(Multiplikation, 1000, Aufgabe.Rechnung, Aufgabe.Ergebnis, Quelle);
    EXPECT_EQ(Aufgabe, (TAufgabe{"99*10", "990"}));
}

TEST(ErzeugeAufgabe, DurchMitGrossemTeilerTeiltDurchEins)
{
    EXPECT_EQ(AufgabeAusZuegen(Division, 30, {15}), (TAufgabe{"20 : 1", "20"}));
    EXPECT_EQ(AufgabeAusZuegen(Division, 30, {17}), (TAufgabe{"30 : 1", "30"}));
    EXPECT_EQ(AufgabeAusZuegen(Division, 50, {17}), (TAufgabe{"30 : 1", "30"}));
    // Divisor 1 drawn: the quotient becomes the result.
    EXPECT_EQ(AufgabeAusZuegen(Division, 30, {0, 28}), (TAufgabe{"30 : 1", "30"}));
    EXPECT_EQ(AufgabeAusZuegen(Division, 1000, {0, 5}), (TAufgabe{"7:1", "7"}));
    // Equal numbers: 49 : 7.
    EXPECT_EQ(AufgabeAusZuegen(Division, 50, {6, 5}), (TAufgabe{"49 : 7", "7"}));
    // The larger number is the result.
    EXPECT_EQ(AufgabeAusZuegen(Division, 100, {2, 8}), (TAufgabe{"30 : 3", "10"}));
}

TEST(ErzeugeAufgabe, PlusUndMinusTeilenIhreZahlen)
{
    EXPECT_EQ(AufgabeAusZuegen(Addition, 50, {11, 4}), (TAufgabe{"12 + 7", "19"}));
    EXPECT_EQ(AufgabeAusZuegen(Subtraktion, 50, {11, 4}), (TAufgabe{"19 - 7", "12"}));
    EXPECT_EQ(AufgabeAusZuegen(Addition, 1000, {122, 42}), (TAufgabe{"123+45", "168"}));
    EXPECT_EQ(AufgabeAusZuegen(Subtraktion, 30, {0, 0}), (TAufgabe{"4 - 3", "1"}));
}

// Undoes the Mersenne Twister's tempering of a state word into an output
// word: each step x ^= f(x), with f a shift and a mask, is undone by
// applying f to the result again and again until every bit is right.
std::uint32_t Enttempert(std::uint32_t Wort)
{
    using G = std::mt19937;
    const auto Zurueck = [](std::uint32_t X, auto F) {
        std::uint32_t Y = X;
        for (int Bit = 0; Bit < 32; ++Bit)
            Y = X ^ F(Y);
        return Y;
    };
    Wort = Zurueck(Wort, [](std::uint32_t Y) { return Y >> G::tempering_l; });
    Wort = Zurueck(Wort, [](std::uint32_t Y) { return (Y << G::tempering_t) & G::tempering_c; });
    Wort = Zurueck(Wort, [](std::uint32_t Y) { return (Y << G::tempering_s) & G::tempering_b; });
    return Zurueck(Wort, [](std::uint32_t Y) { return (Y >> G::tempering_u) & G::tempering_d; });
}

// A Mersenne Twister whose next words are the given ones. Its text form
// starts with the n state words from which the next n words are made; with
// all of them zero but those m places on, the k-th next word is the
// tempered state word m + k, for the first n - m words.
std::mt19937 GeneratorMitWorten(const std::vector<std::uint32_t>& Worte)
{
    using G = std::mt19937;
    std::stringstream Text;
    Text << G{};
    std::vector<std::string> Teile;
    for (std::string Teil; Text >> Teil;)
        Teile.push_back(Teil);
    std::fill_n(Teile.begin(), G::state_size, "0");
    for (std::size_t K = 0; K < Worte.size(); ++K)
        Teile.at(G::shift_size + K) = std::to_string(Enttempert(Worte[K]));
    std::stringstream Neu;
    for (const std::string& Teil : Teile)
        Neu << Teil << ' ';
    G Generator;
    Neu >> Generator;
    G Probe = Generator;
    for (const std::uint32_t Wort : Worte)
        EXPECT_EQ(Probe(), Wort) << "the generator does not give the words asked for";
    return Generator;
}

TEST(Zufall, WorteAbDerLetztenVollenRundeWerdenNeuGezogen)
{
    // Of the 2^32 = 4294967296 words, those from the last full round of
    // 0 to N - 1 on would make the small numbers likelier: they are drawn
    // again, and the first word below decides. The words here are worked
    // out by hand: 1000 * 4294967 = 4294967000, 36 * 119304647 =
    // 4294967292, 2 * 2147483647 = 4294967294, 3 * 1431655765 = 4294967295,
    // and 64 divides 2^32, so no word is thrown away for it.
    struct TFall {
        int N;
        std::vector<std::uint32_t> Worte;
        int Zahl;
    };
    for (const TFall& Fall : {TFall{1000, {4294967000u, 4294967295u, 4294966999u}, 999},
                              TFall{36, {4294967292u, 4294967291u}, 35},
                              TFall{2147483647, {4294967294u, 4294967295u, 4294967293u}, 2147483646},
                              TFall{3, {4294967295u, 4294967294u}, 2}, TFall{64, {4294967295u}, 63}}) {
        std::vector<std::uint32_t> Worte = Fall.Worte;
        Worte.push_back(77); // the word after, left for the next draw
        std::mt19937 Generator = GeneratorMitWorten(Worte);
        EXPECT_EQ(GleichverteiltUnter(Generator, Fall.N), Fall.Zahl) << "N = " << Fall.N;
        EXPECT_EQ(Generator(), 77u) << "N = " << Fall.N;
    }
}

TEST(Zufall, UhrQuelleLiefertJedeZahlImBereich)
{
    TUhrZufall Quelle;
    std::vector<int> Haeufigkeit(7, 0);
    for (int I = 0; I < 7000; ++I) {
        const int Zahl = Quelle.Zufall(7);
        ASSERT_GE(Zahl, 0);
        ASSERT_LT(Zahl, 7);
        ++Haeufigkeit[static_cast<std::size_t>(Zahl)];
    }
    for (const int Anzahl : Haeufigkeit)
        EXPECT_GT(Anzahl, 800);
    EXPECT_EQ(Quelle.Zufall(1), 0);
}

TEST(Zufall, ZweiSpieleImSelbenUhrtaktUnterscheidenSich)
{
    // A clock held still: two games started within one tick of the clock
    // still get different problems.
    TMersenneZufall Quelle([] { return std::uint64_t{1'700'000'000'000'000'000}; });
    TAufgabenliste Erstes, Zweites;
    ErzeugeAufgaben(Erstes, 3, RechenartAlle, Quelle);
    ErzeugeAufgaben(Zweites, 3, RechenartAlle, Quelle);
    EXPECT_NE(Erstes, Zweites);
}

TEST(Zufall, JedesBitDerSaatZaehlt)
{
    // Seeds that differ in a single bit, the bits above 32 included, begin
    // different games.
    const auto Zahlen = [](std::uint64_t Saat) {
        TSaatZufall Quelle(Saat);
        std::vector<int> Gezogen;
        for (int I = 0; I < 8; ++I)
            Gezogen.push_back(Quelle.Zufall(1000));
        return Gezogen;
    };
    const std::uint64_t Saat = 2020;
    for (int Bit = 0; Bit < 64; ++Bit)
        EXPECT_NE(Zahlen(Saat), Zahlen(Saat ^ (std::uint64_t{1} << Bit))) << "bit " << Bit;
}

TEST(Zufall, GleicheSaatGibtGleicheSpiele)
{
    TSaatZufall Eine(99), Andere(99);
    TAufgabenliste Erstes, Zweites;
    for (int Spiel = 0; Spiel < 3; ++Spiel) {
        ErzeugeAufgaben(Erstes, 2, RechenartAlle, Eine);
        ErzeugeAufgaben(Zweites, 2, RechenartAlle, Andere);
        EXPECT_EQ(Erstes, Zweites) << "game " << Spiel;
    }
}

} // namespace
} // namespace kalumbo
