// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Zeichenflaeche.h"

namespace kalumbo::web {

// One of the page's two canvases of the board, drawn on by the page's
// scripts: each operation is one call into them, which draws and returns.
class TLeinwand final : public TZeichenflaeche {
public:
    // The page's canvases, by the number the scripts know them under.
    enum TNummer { Brettbild = 0, Zeigerebene = 1 };

    explicit TLeinwand(TNummer Nummer) : Nummer(Nummer) {}

    void FuelleRechteck(const TRechteck& Rechteck, TColor Farbe) override;
    void Leere(const TRechteck& Rechteck) override;
    void ZeigeHintergrund(const TRechteck& Rechteck) override;
    TTextmass MissText(std::string_view Text, const TSchrift& Schrift, const TRechteck& Kasten) override;
    void SchreibeText(std::string_view Text, const TSchrift& Schrift, TColor Farbe, int X, int Grundlinie,
                      const TRechteck& Kasten) override;
    void Zeige(const TRechteck& Rechteck) override;

private:
    TNummer Nummer;
};

} // namespace kalumbo::web
