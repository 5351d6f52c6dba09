// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Brettmaler.h"

#include "game/Brett.h"
#include "ui/Farben.h"

#include <QFontMetrics>
#include <QPainter>

namespace kalumbo {

namespace {

constexpr int Steingroesse = Zellgroesse - 1; // 49: the cell without its last column and row

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
    const QRect Innen = Quadrat.adjusted(1, 1, -1, -1); // 47 x 47 inside the outline
    Maler.fillRect(Quadrat, Qt::black);
    Maler.fillRect(Innen, Fuellung);

    Maler.setFont(Schrift);
    const QFontMetrics Masse(Schrift);
    const int Breite = Masse.horizontalAdvance(Text);
    const int Hoehe = Masse.height();
    // The middle of the text at the tile's middle column, one pixel below its middle row.
    const int X = Quadrat.left() + 24 - Breite / 2;
    const int Y = Quadrat.top() + 25 - Hoehe / 2;

    Maler.save();
    Maler.setClipRect(Innen);
    Maler.setPen(Qt::black);
    Maler.drawText(QPoint(X, Y + Masse.ascent()), Text);
    Maler.restore();
}

} // namespace

void MaleZelle(QImage& Brett, const QImage& Hintergrund, const TSpielstand& Stand, int Spalte, int Zeile,
               const TSteinaussehen& Aussehen)
{
    const QRect Quadrat(Zellgroesse * (Spalte - 1), Zellgroesse * (Zeile - 1), Steingroesse, Steingroesse);
    QPainter Maler(&Brett);
    if (Stand.Felder[Spalte][Zeile].Seite == KeinStein) {
        MaleHintergrund(Maler, Hintergrund, Quadrat);
        return;
    }
    const QColor& Fuellung = Stand.IstAusgewaehlt(Spalte, Zeile) ? Aussehen.Ausgewaehlt : Aussehen.Normal;
    MaleStein(Maler, Quadrat, Fuellung, QString::fromStdString(Stand.Steintext(Spalte, Zeile)), Aussehen.Schrift);
}

} // namespace kalumbo
