#include "ui/BildFeld.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace kalumbo {

TBildFeld::TBildFeld(QWidget* Eltern) : QWidget(Eltern)
{
}

void TBildFeld::SetzeBild(QImage Neu)
{
    Inhalt = std::move(Neu);
    update();
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
    update();
    return Inhalt;
}

void TBildFeld::paintEvent(QPaintEvent*)
{
    if (Inhalt.isNull())
        return;
    QPainter Maler(this);
    Maler.drawImage(QPoint(0, 0), Inhalt);
}

void TBildFeld::mousePressEvent(QMouseEvent* Ereignis)
{
    const QPointF Stelle = Ereignis->position();
    emit MausGedrueckt(Ereignis->button(), Ereignis->modifiers(), static_cast<int>(std::floor(Stelle.x())),
                       static_cast<int>(std::floor(Stelle.y())));
}

} // namespace kalumbo
