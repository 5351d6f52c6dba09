// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Aufgaben.h"
#include "game/Aussehen.h"
#include "ui/Schriften.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kalumbo {
namespace {

std::string Text(int Erste, const char* Zeichen, int Zweite)
{
    return std::to_string(Erste) + " " + Zeichen + " " + std::to_string(Zweite);
}

// Every problem and result the generator can make up to Bis, found by
// walking the ranges each kind draws from.
std::set<std::string> AlleTexte(int Bis)
{
    std::set<std::string> Texte;
    for (int A = 1; A <= Bis - 5; ++A)
        for (int B = 3; B <= Bis - A; ++B) {
            Texte.insert(Text(A, "+", B));
            Texte.insert(Text(A + B, "-", B));
            Texte.insert(std::to_string(A + B));
            Texte.insert(std::to_string(A));
        }
    if (Bis == 30) {
        for (const TProdukt& Zeile : Produkte)
            for (const int Faktor : Zeile.Faktoren)
                Texte.insert(Text(Faktor, "*", Zeile.Produkt / Faktor));
    } else {
        for (int A = 2; A <= 10; ++A)
            for (int B = 2; B <= std::min(10, Bis / A); ++B)
                Texte.insert(Text(A, "*", B));
    }
    for (const int Teiler : Teiler)
        for (int Q = 1; Q <= Bis / Teiler; ++Q)
            Texte.insert(Text(std::max(Teiler, Q) * std::min(Teiler, Q), ":", std::min(Teiler, Q)));
    return Texte;
}

TEST(Steinschrift, IstDieGewaehlteSchriftInDreizehnPixeln)
{
    const QFont Steine = Schrift(Steinschrift);
    EXPECT_EQ(Steine.pixelSize(), 13);
    EXPECT_FALSE(Steine.bold());
    EXPECT_EQ(QFontInfo(Steine).family(), Schriftfamilie()) << "the face is installed";
}

TEST(Steinschrift, JederTextBisFuenfzigPasstAufDenStein)
{
    const QFontMetrics Masse(Schrift(Steinschrift));
    for (const int Bis : {30, 50}) {
        const std::set<std::string> Texte = AlleTexte(Bis);
        EXPECT_GT(Texte.size(), Bis == 30 ? 600u : 1800u);
        for (const std::string& Text : Texte)
            EXPECT_LE(Masse.horizontalAdvance(QString::fromStdString(Text)), 47) << Text;
    }
    // The widest kind of problem, measured.
    EXPECT_LE(Masse.horizontalAdvance("48 - 45"), 47);
}

} // namespace
} // namespace kalumbo
