// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Seite.h"

#include <emscripten/emscripten.h>

// The page's scripts hand the rules an object "seite" when they load them;
// these calls reach it.
EM_JS(int, seite_item_index, (const char* Gruppe), {
    return Module.seite.itemIndex(UTF8ToString(Gruppe));
});
EM_JS(void, seite_zeichne_stein, (int Spalte, int Zeile, int Art, const char* Text), {
    Module.seite.zeichneStein(Spalte, Zeile, Art, UTF8ToString(Text));
});
EM_JS(void, seite_zeige_fortschritt, (const char* Text), {
    Module.seite.zeigeFortschritt(UTF8ToString(Text));
});
EM_JS(void, seite_ergaenze_verlauf, (const char* Zeile), {
    Module.seite.ergaenzeVerlauf(UTF8ToString(Zeile));
});
EM_JS(void, seite_zeige_bravo, (), {
    Module.seite.zeigeBravo();
});
EM_JS(void, seite_leere_verlauf, (), {
    Module.seite.leereVerlauf();
});

namespace kalumbo::web {

namespace {

// How a cell looks, as the page's board draws it.
enum TArt : int { Hintergrund = 0, NormalerStein = 1, AusgewaehlterStein = 2 };

} // namespace

int TSeite::ZahlenbereichIndex() const
{
    return seite_item_index("Zahlenbereich");
}

int TSeite::RechenartIndex() const
{
    return seite_item_index("Rechenart");
}

int TSeite::MaskeIndex() const
{
    return seite_item_index("Maske");
}

void TSeite::ZeichneStein(int Spalte, int Zeile)
{
    TArt Art = Hintergrund;
    if (Stand.Felder[Spalte][Zeile].Seite != KeinStein)
        Art = Stand.IstAusgewaehlt(Spalte, Zeile) ? AusgewaehlterStein : NormalerStein;
    seite_zeichne_stein(Spalte, Zeile, Art, Stand.Steintext(Spalte, Zeile).c_str());
}

void TSeite::ZeigeFortschritt(const std::string& Text)
{
    seite_zeige_fortschritt(Text.c_str());
}

void TSeite::ErgaenzeVerlauf(const std::string& Zeile)
{
    seite_ergaenze_verlauf(Zeile.c_str());
}

void TSeite::ZeigeBravo()
{
    seite_zeige_bravo();
}

void TSeite::LeereVerlauf()
{
    seite_leere_verlauf();
}

} // namespace kalumbo::web
