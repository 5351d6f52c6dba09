// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Brettmaler.h"

#include "game/Aussehen.h"
#include "ui/Farben.h"

#include <QFontMetrics>
#include <QPainter>

namespace kalumbo {

namespace {

// Copies the cell's square from the background; where the background does
// not reach, the board shows its grey.
void MaleHintergrund(QPainter& Maler, const QImage& Hintergrund, const QRect& Quadrat)
{
    const qreal Verhaeltnis = Hintergrund.devicePixelRatio();
    const QRect Vorhanden = Quadrat & QRect(QPoint(0, 0), Hintergrund.deviceIndependentSize().toSize());
    if (Vorhanden != Quadrat)
        Maler.fillRect(Quadrat, AlsQColor(Brettgrau));
    if (!Vorhanden.isEmpty()) {
        const QRectF Geraetepixel(QPointF(Vorhanden.topLeft()) * Verhaeltnis, QSizeF(Vorhanden.size()) * Verhaeltnis);
        Maler.drawImage(QPointF(Vorhanden.topLeft()), Hintergrund, Geraetepixel);
    }
}

void MaleStein(QPainter& Maler, const QRect& Quadrat, const QColor& Fuellung, const QString& Text,
               const QFont& Schrift)
{
    const QRect Innen = Quadrat.adjusted(Steinrand, Steinrand, -Steinrand, -Steinrand);
    Maler.fillRect(Quadrat, Qt::black);
    Maler.fillRect(Innen, Fuellung);

    Maler.setFont(Schrift);
    const QFontMetrics Masse(Schrift);
    const TTextlage Lage = Textlage({Masse.horizontalAdvance(Text), Masse.height(), Masse.ascent()});

    Maler.save();
    Maler.setClipRect(Innen);
    Maler.setPen(Qt::black);
    Maler.drawText(Quadrat.topLeft() + QPoint(Lage.X, Lage.Grundlinie), Text);
    Maler.restore();
}

} // namespace

void MaleZelle(QImage& Brett, const QImage& Hintergrund, const TSpielstand& Stand, int Spalte, int Zeile,
               const TSteinaussehen& Aussehen)
{
    const QRect Quadrat(Zellgroesse * (Spalte - 1), Zellgroesse * (Zeile - 1), Steingroesse, Steingroesse);
    QPainter Maler(&Brett);
    const TZellbild Bild = Zellbild(Stand, Spalte, Zeile);
    if (Bild == TZellbild::Hintergrund) {
        MaleHintergrund(Maler, Hintergrund, Quadrat);
        return;
    }
    const QColor& Fuellung = Bild == TZellbild::AusgewaehlterStein ? Aussehen.Ausgewaehlt : Aussehen.Normal;
    MaleStein(Maler, Quadrat, Fuellung, QString::fromStdString(Stand.Steintext(Spalte, Zeile)), Aussehen.Schrift);
}

} // namespace kalumbo
