// SPDX-License-Identifier: GPL-3.0-or-later
// How long the desktop game takes for a picture file, from opening it to
// the visible region or the message: LiesJpegDatei, as the window calls
// it, Laeufe times, the median. One line for each file:
//
//   dekodierzeit <runs> <file>...
//
//   <milliseconds> <outcome> <file>
#include "bild/JpegDekoder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: dekodierzeit <Läufe> <Datei>...\n");
        return 2;
    }
    const int Laeufe = std::max(1, std::atoi(argv[1]));
    for (int I = 2; I < argc; ++I) {
        std::vector<double> Zeiten;
        std::string Ausgang;
        for (int Lauf = 0; Lauf < Laeufe; ++Lauf) {
            const auto Anfang = std::chrono::steady_clock::now();
            try {
                const kalumbo::TPixelbild Bild = kalumbo::LiesJpegDatei(argv[I]);
                Ausgang = std::to_string(Bild.Breite) + "x" + std::to_string(Bild.Hoehe);
            } catch (const kalumbo::TBildFehler& Fehler) {
                Ausgang = Fehler.what();
            }
            Zeiten.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Anfang).count());
        }
        std::nth_element(Zeiten.begin(), Zeiten.begin() + Laeufe / 2, Zeiten.end());
        std::printf("%9.1f  %-20s %s\n", Zeiten[std::size_t(Laeufe) / 2], Ausgang.c_str(), argv[I]);
    }
    return 0;
}
