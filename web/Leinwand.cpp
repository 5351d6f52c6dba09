// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Leinwand.h"

#include <emscripten/emscripten.h>

#include <string>

// The page hands the game its canvases as Module.oberflaeche.zeichenflaechen,
// in the order of TLeinwand::TNummer. Rectangles go as left, top, width and
// height in board pixels, colours as $00BBGGRR, texts as UTF-8.
EM_JS(void, leinwand_fuelle_rechteck, (int Nummer, int L, int O, int B, int H, int Farbe), {
    Module.oberflaeche.zeichenflaechen[Nummer].fuelleRechteck(L, O, B, H, Farbe);
});
EM_JS(void, leinwand_leere, (int Nummer, int L, int O, int B, int H), {
    Module.oberflaeche.zeichenflaechen[Nummer].leere(L, O, B, H);
});
EM_JS(void, leinwand_zeige_hintergrund, (int Nummer, int L, int O, int B, int H), {
    Module.oberflaeche.zeichenflaechen[Nummer].zeigeHintergrund(L, O, B, H);
});
// The three measures go into Mass: width, full height, ascent.
EM_JS(void, leinwand_miss_text, (int Nummer, const char* Text, int Pixel, int Fett, int KastenBreite, int* Mass), {
    const masse = Module.oberflaeche.zeichenflaechen[Nummer].missText(UTF8ToString(Text), Pixel, Fett !== 0, KastenBreite);
    HEAP32[Mass >> 2] = masse.breite;
    HEAP32[(Mass >> 2) + 1] = masse.hoehe;
    HEAP32[(Mass >> 2) + 2] = masse.oberlaenge;
});
EM_JS(void, leinwand_schreibe_text,
      (int Nummer, const char* Text, int Pixel, int Fett, int Farbe, int X, int Grundlinie, int L, int O, int B, int H), {
    Module.oberflaeche.zeichenflaechen[Nummer].schreibeText(UTF8ToString(Text), Pixel, Fett !== 0, Farbe, X, Grundlinie,
                                                            L, O, B, H);
});

namespace kalumbo::web {

void TLeinwand::FuelleRechteck(const TRechteck& R, TColor Farbe)
{
    leinwand_fuelle_rechteck(Nummer, R.Links, R.Oben, R.Breite, R.Hoehe, static_cast<int>(Farbe));
}

void TLeinwand::Leere(const TRechteck& R)
{
    leinwand_leere(Nummer, R.Links, R.Oben, R.Breite, R.Hoehe);
}

void TLeinwand::ZeigeHintergrund(const TRechteck& R)
{
    leinwand_zeige_hintergrund(Nummer, R.Links, R.Oben, R.Breite, R.Hoehe);
}

TTextmass TLeinwand::MissText(std::string_view Text, const TSchrift& Schrift, const TRechteck& Kasten)
{
    int Mass[3] = {};
    leinwand_miss_text(Nummer, std::string(Text).c_str(), Schrift.Pixel, Schrift.Fett, Kasten.Breite, Mass);
    return {Mass[0], Mass[1], Mass[2]};
}

void TLeinwand::SchreibeText(std::string_view Text, const TSchrift& Schrift, TColor Farbe, int X, int Grundlinie,
                             const TRechteck& K)
{
    leinwand_schreibe_text(Nummer, std::string(Text).c_str(), Schrift.Pixel, Schrift.Fett, static_cast<int>(Farbe), X,
                           Grundlinie, K.Links, K.Oben, K.Breite, K.Hoehe);
}

// A canvas shows what is drawn on it the moment the script returns.
void TLeinwand::Zeige(const TRechteck&) {}

} // namespace kalumbo::web
