// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one of the game's pixel-art symbols (XPM) as a PNG for the icon
// theme, pixel for pixel: the small icon sizes stay as crisp as the window
// icon instead of being scaled down from the drawing.
//
//     symbolwandler <symbol.xpm> <ziel.png> <kantenlaenge>

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: symbolwandler <symbol.xpm> <ziel.png> <kantenlaenge>\n");
        return EXIT_FAILURE;
    }
    const QString Quelle = QString::fromLocal8Bit(argv[1]);
    const QString Ziel = QString::fromLocal8Bit(argv[2]);
    const int Kante = std::atoi(argv[3]);

    const QImage Symbol(Quelle);
    if (Symbol.isNull()) {
        std::fprintf(stderr, "symbolwandler: %s ist kein lesbares Bild\n", argv[1]);
        return EXIT_FAILURE;
    }
    // A theme folder promises its size; scaling pixel art would blur it.
    if (Symbol.width() != Kante || Symbol.height() != Kante) {
        std::fprintf(stderr, "symbolwandler: %s ist %d x %d Pixel, erwartet %d x %d\n", argv[1],
            Symbol.width(), Symbol.height(), Kante, Kante);
        return EXIT_FAILURE;
    }
    if (!Symbol.save(Ziel, "PNG")) {
        std::fprintf(stderr, "symbolwandler: %s kann nicht geschrieben werden\n", argv[2]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
