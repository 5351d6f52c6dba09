// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Zeichenflaeche.h"

#include <QFont>
#include <QImage>

#include <functional>
#include <map>

namespace kalumbo {

// The game's drawing operations on a picture of the desktop: one of the
// board's two pictures, held by the board, at the screen's resolution.
// Places come in board pixels; the picture's device pixel ratio maps them
// onto the screen.
class TBildflaeche final : public TZeichenflaeche {
public:
    // Where the picture to draw into is, and the background to copy from
    // (at the same resolution); what is to be told when a part is done.
    using TBild = std::function<QImage&()>;
    using THintergrund = std::function<const QImage&()>;
    using TFertig = std::function<void(const QRect&)>;

    TBildflaeche(TBild Bild, THintergrund Hintergrund, TFertig Fertig);

    void FuelleRechteck(const TRechteck& Rechteck, TColor Farbe) override;
    void Leere(const TRechteck& Rechteck) override;
    void ZeigeHintergrund(const TRechteck& Rechteck) override;
    TTextmass MissText(std::string_view Text, const TSchrift& Schrift, const TRechteck& Kasten) override;
    void SchreibeText(std::string_view Text, const TSchrift& Schrift, TColor Farbe, int X, int Grundlinie,
                      const TRechteck& Kasten) override;
    void Zeige(const TRechteck& Rechteck) override;

private:
    const QFont& Qt(const TSchrift& Schrift);

    TBild Bild;
    THintergrund Hintergrund;
    TFertig Fertig;
    std::map<std::pair<int, bool>, QFont> Schriften;
};

QRect AlsQRect(const TRechteck& Rechteck);

} // namespace kalumbo
