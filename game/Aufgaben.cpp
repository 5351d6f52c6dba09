// SPDX-License-Identifier: GPL-3.0-or-later
#include "Aufgaben.h"

#include "Zufall.h"

#include <utility>

namespace kalumbo {

namespace {

std::string Rechnungstext(int Erste, char Zeichen, int Zweite, int Bis)
{
    // In the range up to 1000 the problems are written without blanks,
    // so that three-digit numbers still fit on a tile.
    const std::string Trenner = Bis == 1000 ? "" : " ";
    return std::to_string(Erste) + Trenner + Zeichen + Trenner + std::to_string(Zweite);
}

// The kind a problem starts with for an item of "Rechenarten"; the mixed
// items draw the kind of every pair anew (ArtFuerPaar).
int StartArt(int Rechenarten)
{
    switch (Rechenarten) {
    case RechenartMinus:
        return Subtraktion;
    case RechenartMal:
        return Multiplikation;
    case RechenartDurch:
        return Division;
    default:
        return Addition;
    }
}

int ArtFuerPaar(int Rechenarten, int Art, TZufallsquelle& Quelle)
{
    switch (Rechenarten) {
    case RechenartPlusMinus:
        return Quelle.Zufall(2) + Addition;
    case RechenartMalDurch:
        return Quelle.Zufall(2) + Multiplikation;
    case RechenartAlle:
        return Quelle.Zufall(4) + Addition;
    default:
        return Art;
    }
}

// The two numbers shared by addition and subtraction: a from 1 to Bis - 5,
// b from 3 to Bis - a.
std::pair<int, int> ZieheSummanden(int Bis, TZufallsquelle& Quelle)
{
    const int A = Quelle.Zufall(Bis - 5) + 1;
    const int B = Quelle.Zufall(Bis - A - 2) + 3;
    return {A, B};
}

std::pair<int, int> ZieheFaktoren(int Bis, TZufallsquelle& Quelle)
{
    if (Bis == 30) {
        const TProdukt& Zeile = Produkte[Quelle.Zufall(18) + 1];
        const int A = Zeile.Faktoren[Quelle.Zufall(4) + 1];
        return {A, Zeile.Produkt / A};
    }
    const int A = Bis == 1000 ? Quelle.Zufall(98) + 2 : Quelle.Zufall(9) + 2;
    int M = Bis / A - 1;
    if (M > 9)
        M = 9;
    const int B = Quelle.Zufall(M) + 2;
    return {A, B};
}

// Divisor and result of a division: the result is the larger one.
std::pair<int, int> ZieheTeilung(int Bis, TZufallsquelle& Quelle)
{
    int D = Teiler[Quelle.Zufall(18) + 1];
    int Q = D > Bis / 2 ? 1 : Quelle.Zufall(Bis / D - 1) + 2;
    if (D < Q)
        std::swap(D, Q);
    return {D, Q};
}

} // namespace

int BisFuerItem(int Index)
{
    switch (Index) {
    case 1:
        return 50;
    case 2:
        return 100;
    case 3:
        return 1000;
    default:
        return 30;
    }
}

void ErzeugeAufgabe(int Art, int Bis, std::string& Rechnung, std::string& Ergebnis, TZufallsquelle& Quelle)
{
    switch (Art) {
    case Addition: {
        const auto [A, B] = ZieheSummanden(Bis, Quelle);
        Rechnung = Rechnungstext(A, '+', B, Bis);
        Ergebnis = std::to_string(A + B);
        break;
    }
    case Subtraktion: {
        const auto [A, B] = ZieheSummanden(Bis, Quelle);
        Rechnung = Rechnungstext(A + B, '-', B, Bis);
        Ergebnis = std::to_string(A);
        break;
    }
    case Multiplikation: {
        const auto [A, B] = ZieheFaktoren(Bis, Quelle);
        Rechnung = Rechnungstext(A, '*', B, Bis);
        Ergebnis = std::to_string(A * B);
        break;
    }
    case Division: {
        const auto [D, Q] = ZieheTeilung(Bis, Quelle);
        Rechnung = Rechnungstext(D * Q, ':', Q, Bis);
        Ergebnis = std::to_string(D);
        break;
    }
    default:
        break;
    }
}

void ErzeugeAufgaben(TAufgabenliste& Aufgaben, int Zahlen, int Rechenarten, TZufallsquelle& Quelle)
{
    Quelle.SaeeNeu();
    const int Bis = BisFuerItem(Zahlen);
    int Art = StartArt(Rechenarten);

    for (int K = 1; K <= AnzahlPaare; ++K) {
        Art = ArtFuerPaar(Rechenarten, Art, Quelle);
        TAufgabe& Neue = Aufgaben[K];
        bool Doppelt = true;
        // Every kind gives at least 18 different results in every range,
        // so a new result always turns up.
        while (Doppelt) {
            ErzeugeAufgabe(Art, Bis, Neue.Rechnung, Neue.Ergebnis, Quelle);
            Doppelt = false;
            for (int Frueher = 1; Frueher < K; ++Frueher)
                Doppelt = Doppelt || Aufgaben[Frueher].Ergebnis == Neue.Ergebnis;
        }
    }
}

} // namespace kalumbo
