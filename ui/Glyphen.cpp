// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Glyphen.h"

#include <QImage>
#include <QPixmap>

namespace kalumbo {

namespace {

// The hand-drawn pictures of assets/ are C source, compiled in: read from
// memory they need none of the image readers that a file would.
#include "assets/Fragezeichen.xpm"
#include "assets/Haken.xpm"
#include "assets/Kreispfeil.xpm"
#include "assets/Kreuz.xpm"
#include "assets/Palette.xpm"
#include "assets/Symbol16.xpm"
#include "assets/Symbol32.xpm"

const char* const* Bild(Lage::TGlyphe Welche)
{
    switch (Welche) {
    case Lage::TGlyphe::Fragezeichen:
        return fragezeichen_xpm;
    case Lage::TGlyphe::Haken:
        return haken_xpm;
    case Lage::TGlyphe::Kreispfeil:
        return kreispfeil_xpm;
    case Lage::TGlyphe::Kreuz:
        return kreuz_xpm;
    case Lage::TGlyphe::Palette:
        return palette_xpm;
    }
    return nullptr;
}

// One square of the picture, with the colour of the picture's bottom-left
// pixel transparent: the palette's olive background.
QPixmap Quadrat(const QImage& Bild, int Nummer)
{
    const int Seite = Bild.height();
    QImage Klar = Bild.copy(Nummer * Seite, 0, Seite, Seite).convertToFormat(QImage::Format_ARGB32);
    const QRgb Hintergrund = Bild.pixel(0, Seite - 1);
    for (int Y = 0; Y < Klar.height(); ++Y) {
        auto* Zeile = reinterpret_cast<QRgb*>(Klar.scanLine(Y));
        for (int X = 0; X < Klar.width(); ++X)
            if (Zeile[X] == Hintergrund)
                Zeile[X] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(Klar);
}

} // namespace

QIcon Programmsymbol()
{
    QIcon Symbol;
    Symbol.addPixmap(QPixmap(symbol16_xpm));
    Symbol.addPixmap(QPixmap(symbol32_xpm));
    return Symbol;
}

QIcon Glyphe(Lage::TGlyphe Welche)
{
    const QImage Ganz(Bild(Welche));
    QIcon Ergebnis;
    Ergebnis.addPixmap(Quadrat(Ganz, 0), QIcon::Normal);
    if (Ganz.width() >= 2 * Ganz.height())
        Ergebnis.addPixmap(Quadrat(Ganz, 1), QIcon::Disabled);
    return Ergebnis;
}

} // namespace kalumbo
