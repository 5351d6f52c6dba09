// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Glyphen.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace kalumbo {

namespace {

// The hand-drawn pictures of assets/ are C source, compiled in: read from
// memory they need none of the image readers that a file would.
#include "assets/Palette.xpm"
#include "assets/Symbol16.xpm"
#include "assets/Symbol32.xpm"

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

// The game's own stock glyphs, for platforms without an icon theme.

// "Neues Spiel": a green arrow going round once.
const char* const Kreispfeil[] = {
    "16 16 3 1",
    ". c None",
    "G c #005000",
    "g c #30C030",
    ".......GGG......",
    ".......GgGG.....",
    "....GGGGggGG....",
    "..GGGggggggGG...",
    "..GgggggggggG...",
    ".GGggGGGgggGG...",
    ".GggGG.GggGG....",
    "GggGG..GgGG.....",
    "GggG...GGG.GGGG.",
    "GggG.......GggG.",
    "GggGG.....GGggG.",
    ".GggGG...GGggG..",
    ".GGggGGGGGggGG..",
    "..GgggggggggG...",
    "..GGGgggggGGG...",
    "....GGGGGGG.....",
};

// "Ende": a red cross.
const char* const Kreuz[] = {
    "16 16 3 1",
    ". c None",
    "R c #800000",
    "r c #F03030",
    "................",
    "..RRR......RRR..",
    ".RRrRR....RRrRR.",
    ".RrrrRR..RRrrrR.",
    ".RRrrrRRRRrrrRR.",
    "..RRrrrRRrrrRR..",
    "...RRrrrrrrRR...",
    "....RRrrrrRR....",
    "....RRrrrrRR....",
    "...RRrrrrrrRR...",
    "..RRrrrRRrrrRR..",
    ".RRrrrRRRRrrrRR.",
    ".RrrrRR..RRrrrR.",
    ".RRrRR....RRrRR.",
    "..RRR......RRR..",
    "................",
};

// "Hilfe": a white question mark on a blue disc.
const char* const Fragezeichen[] = {
    "16 16 4 1",
    ". c None",
    "B c #000080",
    "b c #3070F0",
    "w c #FFFFFF",
    ".....BBBBBB.....",
    "....BbbbbbbB....",
    "...BbbbbbbbbB...",
    "..BbbbwwwwbbbB..",
    ".BbbbwwbbwwbbbB.",
    "BbbbbbbbbwwbbbbB",
    "BbbbbbbbwwbbbbbB",
    "BbbbbbbwwbbbbbbB",
    "BbbbbbbwwbbbbbbB",
    "BbbbbbbbbbbbbbbB",
    "BbbbbbbwwbbbbbbB",
    ".BbbbbbwwbbbbbB.",
    "..BbbbbbbbbbbB..",
    "...BbbbbbbbbB...",
    "....BbbbbbbB....",
    ".....BBBBBB.....",
};

// "Fertig": a green tick.
const char* const Haken[] = {
    "16 16 3 1",
    ". c None",
    "G c #005000",
    "g c #30C030",
    "................",
    "...........GGGG.",
    "..........GGggGG",
    ".........GGggggG",
    ".........GggggGG",
    "........GGgggGG.",
    ".GGGG..GGgggGG..",
    "GGggGGGGggggG...",
    "GggggGGggggGG...",
    "GGggggggggGG....",
    ".GGggggggGG.....",
    "..GGggggGG......",
    "...GGgggG.......",
    "....GGGGG.......",
    "................",
    "................",
};

const char* const* EigeneGlyphe(QStyle::StandardPixmap Welche)
{
    switch (Welche) {
    case QStyle::SP_BrowserReload:
        return Kreispfeil;
    case QStyle::SP_DialogCancelButton:
        return Kreuz;
    case QStyle::SP_MessageBoxQuestion:
        return Fragezeichen;
    case QStyle::SP_DialogOkButton:
        return Haken;
    default:
        return nullptr;
    }
}

// Whether the platform names an icon theme of its own. Without one, Qt
// would search "hicolor" alone, the theme every theme falls back to, which
// holds the icons of programs and no stock glyphs: looking through its
// hundreds of folders finds nothing and costs a fifth of the start-up.
bool HatSymbolthema()
{
    const QString Thema = QIcon::themeName();
    return !Thema.isEmpty() && Thema != QIcon::fallbackThemeName() && Thema != QLatin1String("hicolor");
}

} // namespace

QIcon Programmsymbol()
{
    QIcon Symbol;
    Symbol.addPixmap(QPixmap(symbol16_xpm));
    Symbol.addPixmap(QPixmap(symbol32_xpm));
    return Symbol;
}

QIcon Palettenglyphe()
{
    const QImage Beide(palette_xpm);
    const int Haelfte = Beide.width() / 2;
    QIcon Glyphe;
    Glyphe.addPixmap(OhneOlivgruen(Beide.copy(0, 0, Haelfte, Beide.height())), QIcon::Normal);
    Glyphe.addPixmap(OhneOlivgruen(Beide.copy(Haelfte, 0, Haelfte, Beide.height())), QIcon::Disabled);
    return Glyphe;
}

QIcon Standardglyphe(const QWidget* Control, QStyle::StandardPixmap Welche)
{
    const char* const* Eigene = EigeneGlyphe(Welche);
    if (HatSymbolthema() || Eigene == nullptr)
        return Control->style()->standardIcon(Welche);
    return QIcon(QPixmap(Eigene));
}

} // namespace kalumbo
