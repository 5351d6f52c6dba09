// SPDX-License-Identifier: GPL-3.0-or-later
#include "Verteilung.h"

#include "Aufgaben.h"
#include "Formen.h"
#include "Zufall.h"

#include <algorithm>
#include <vector>

namespace kalumbo {

namespace {

struct TStein {
    std::int32_t Paar;
    std::int32_t Seite;
};

// All problem tiles in pair order, then all result tiles.
std::vector<TStein> VollerVorrat()
{
    std::vector<TStein> Vorrat;
    Vorrat.reserve(2 * AnzahlPaare);
    for (const std::int32_t Seite : {Rechnungsstein, Ergebnisstein})
        for (std::int32_t Paar = 1; Paar <= AnzahlPaare; ++Paar)
            Vorrat.push_back({Paar, Seite});
    return Vorrat;
}

// Whether a tile of this pair already lies left of the cell in its row.
bool PaarLinksInZeile(const TFelder& Felder, int Form, int Spalte, int Zeile, std::int32_t Paar)
{
    for (int Links = 1; Links < Spalte; ++Links)
        if (IstPosition(Form, Links, Zeile) && Felder[Links][Zeile].Paar == Paar)
            return true;
    return false;
}

enum class TAusgang { Fertig, Sackgasse };

// One pass over the shape from a full pool. With the rule kept, a pass
// that finds no tile for a position stops as a dead end; MussEnden gives
// the rule up there instead and always finishes.
TAusgang VersucheVerteilung(TFelder& Felder, int Form, TZufallsquelle& Quelle, bool MussEnden)
{
    std::vector<TStein> Vorrat = VollerVorrat();
    bool RegelGilt = true;

    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile) {
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            if (!IstPosition(Form, Spalte, Zeile))
                continue;

            // Row 8 and the first position of a row take any tile.
            const bool ZeileHatRegel = Zeile < Zeilen && Spalte > 1;
            const auto Abgelehnt = [&](const TStein& Stein) {
                return RegelGilt && ZeileHatRegel && PaarLinksInZeile(Felder, Form, Spalte, Zeile, Stein.Paar);
            };
            if (std::all_of(Vorrat.begin(), Vorrat.end(), Abgelehnt)) {
                if (!MussEnden)
                    return TAusgang::Sackgasse;
                RegelGilt = false;
            }

            // A rejected draw is made again from the whole pool.
            auto Gezogen = Vorrat.begin();
            do {
                Gezogen = Vorrat.begin() + Quelle.Zufall(static_cast<int>(Vorrat.size()));
            } while (Abgelehnt(*Gezogen));

            Felder[Spalte][Zeile] = TFeld{Gezogen->Paar, Gezogen->Seite};
            Vorrat.erase(Gezogen);
        }
    }
    return TAusgang::Fertig;
}

} // namespace

void VerteileSteine(TFelder& Felder, int Form, TZufallsquelle& Quelle)
{
    for (int Neuanfaenge = 0;; ++Neuanfaenge) {
        const bool MussEnden = Neuanfaenge == MaximaleNeuanfaenge;
        if (VersucheVerteilung(Felder, Form, Quelle, MussEnden) == TAusgang::Fertig)
            break;
    }

    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            if (!IstPosition(Form, Spalte, Zeile))
                Felder[Spalte][Zeile] = TFeld{};
}

} // namespace kalumbo
