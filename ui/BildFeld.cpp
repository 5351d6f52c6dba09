// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BildFeld.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace kalumbo {

TBildFeld::TBildFeld(QWidget* Eltern) : QWidget(Eltern)
{
}

void TBildFeld::SetzeBild(QImage Neu)
{
    Inhalt = std::move(Neu);
    Uebernimm();
}

QImage& TBildFeld::Leinwand(QSize Groesse)
{
    if (Inhalt.isNull())
        NeueLeinwand(Groesse, Qt::white);
    return Inhalt;
}

QImage& TBildFeld::NeueLeinwand(QSize Groesse, const QColor& Farbe)
{
    const qreal Verhaeltnis = devicePixelRatioF();
    Inhalt = QImage(Groesse * Verhaeltnis, QImage::Format_RGB32);
    Inhalt.setDevicePixelRatio(Verhaeltnis);
    Inhalt.fill(Farbe);
    Uebernimm();
    return Inhalt;
}

// A picture that covers the whole box paints every pixel of it, so Qt need
// not draw what lies beneath first.
void TBildFeld::Uebernimm()
{
    setAttribute(Qt::WA_OpaquePaintEvent, QRect(QPoint(0, 0), Inhalt.deviceIndependentSize().toSize()).contains(rect()));
    update();
}

// Only the parts asked for: after a move that is a cell or two, copied
// right here rather than handed to Qt's drawing threads as a whole board.
void TBildFeld::paintEvent(QPaintEvent* Ereignis)
{
    if (Inhalt.isNull())
        return;
    QPainter Maler(this);
    const qreal Verhaeltnis = Inhalt.devicePixelRatio();
    const QRect Bildflaeche(QPoint(0, 0), Inhalt.deviceIndependentSize().toSize());
    for (const QRect& Teil : Ereignis->region()) {
        const QRect Sichtbar = Teil & Bildflaeche;
        if (Sichtbar.isEmpty())
            continue;
        const QRectF Quelle(QPointF(Sichtbar.topLeft()) * Verhaeltnis, QSizeF(Sichtbar.size()) * Verhaeltnis);
        Maler.drawImage(QPointF(Sichtbar.topLeft()), Inhalt, Quelle);
    }
}

void TBildFeld::mousePressEvent(QMouseEvent* Ereignis)
{
    const QPointF Stelle = Ereignis->position();
    emit MausGedrueckt(Ereignis->button(), Ereignis->modifiers(), static_cast<int>(std::floor(Stelle.x())),
                       static_cast<int>(std::floor(Stelle.y())));
}

} // namespace kalumbo
