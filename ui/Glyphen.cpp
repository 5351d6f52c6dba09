#include "ui/Glyphen.h"

#include <QImage>
#include <QPixmap>

namespace kalumbo {

namespace {

// Turns the olive background of a glyph transparent.
QPixmap OhneOlivgruen(const QImage& Glyphe)
{
    QImage Klar = Glyphe.convertToFormat(QImage::Format_ARGB32);
    const QRgb Olivgruen = qRgb(0x80, 0x80, 0x00);
    for (int Y = 0; Y < Klar.height(); ++Y) {
        auto* Zeile = reinterpret_cast<QRgb*>(Klar.scanLine(Y));
        for (int X = 0; X < Klar.width(); ++X)
            if ((Zeile[X] & RGB_MASK) == (Olivgruen & RGB_MASK))
                Zeile[X] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(Klar);
}

} // namespace

QIcon Programmsymbol()
{
    QIcon Symbol;
    Symbol.addPixmap(QPixmap(QStringLiteral(":/assets/Symbol16.xpm")));
    Symbol.addPixmap(QPixmap(QStringLiteral(":/assets/Symbol32.xpm")));
    return Symbol;
}

QIcon Palettenglyphe()
{
    const QImage Beide(QStringLiteral(":/assets/Palette.xpm"));
    const int Haelfte = Beide.width() / 2;
    QIcon Glyphe;
    Glyphe.addPixmap(OhneOlivgruen(Beide.copy(0, 0, Haelfte, Beide.height())), QIcon::Normal);
    Glyphe.addPixmap(OhneOlivgruen(Beide.copy(Haelfte, 0, Haelfte, Beide.height())), QIcon::Disabled);
    return Glyphe;
}

} // namespace kalumbo
