// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Bildflaeche.h"

#include "ui/Farben.h"
#include "ui/Schriften.h"

#include <QFontMetrics>
#include <QPainter>

namespace kalumbo {

QRect AlsQRect(const TRechteck& Rechteck)
{
    return {Rechteck.Links, Rechteck.Oben, Rechteck.Breite, Rechteck.Hoehe};
}

TBildflaeche::TBildflaeche(TBild Bild, THintergrund Hintergrund, TFertig Fertig)
    : Bild(std::move(Bild)), Hintergrund(std::move(Hintergrund)), Fertig(std::move(Fertig))
{
}

const QFont& TBildflaeche::Qt(const TSchrift& Schrift)
{
    auto [Stelle, Neu] = Schriften.try_emplace({Schrift.Pixel, Schrift.Fett});
    if (Neu)
        Stelle->second = kalumbo::Schrift(Schrift);
    return Stelle->second;
}

void TBildflaeche::FuelleRechteck(const TRechteck& Rechteck, TColor Farbe)
{
    QPainter(&Bild()).fillRect(AlsQRect(Rechteck), AlsQColor(Farbe));
}

void TBildflaeche::Leere(const TRechteck& Rechteck)
{
    QPainter Maler(&Bild());
    Maler.setCompositionMode(QPainter::CompositionMode_Source);
    Maler.fillRect(AlsQRect(Rechteck), ::Qt::transparent);
}

void TBildflaeche::ZeigeHintergrund(const TRechteck& Rechteck)
{
    const QImage& Quelle = Hintergrund();
    const QRect Vorhanden = AlsQRect(Rechteck) & QRect(QPoint(0, 0), Quelle.deviceIndependentSize().toSize());
    if (Vorhanden.isEmpty())
        return;
    const qreal Verhaeltnis = Quelle.devicePixelRatio();
    const QRectF Geraetepixel(QPointF(Vorhanden.topLeft()) * Verhaeltnis, QSizeF(Vorhanden.size()) * Verhaeltnis);
    QPainter(&Bild()).drawImage(QPointF(Vorhanden.topLeft()), Quelle, Geraetepixel);
}

TTextmass TBildflaeche::MissText(std::string_view Text, const TSchrift& Schrift, const TRechteck&)
{
    const QFontMetrics Masse(Qt(Schrift));
    return {Masse.horizontalAdvance(QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()))),
            Masse.height(), Masse.ascent()};
}

void TBildflaeche::SchreibeText(std::string_view Text, const TSchrift& Schrift, TColor Farbe, int X, int Grundlinie,
                                const TRechteck& Kasten)
{
    QPainter Maler(&Bild());
    Maler.setClipRect(AlsQRect(Kasten));
    Maler.setFont(Qt(Schrift));
    Maler.setPen(AlsQColor(Farbe));
    Maler.drawText(QPoint(X, Grundlinie), QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())));
}

void TBildflaeche::Zeige(const TRechteck& Rechteck)
{
    Fertig(AlsQRect(Rechteck));
}

} // namespace kalumbo
