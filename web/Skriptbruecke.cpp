// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Skriptbruecke.h"

#include "game/Aussehen.h"

#include <emscripten/emscripten.h>

#include <string>

// The page's scripts hand the rules an object "bruecke" once they have
// loaded; these calls reach it.
EM_JS(int, bruecke_item_index, (const char* Gruppe), {
    return Module.bruecke.itemIndex(UTF8ToString(Gruppe));
});
EM_JS(void, bruecke_zeichne_stein, (int Spalte, int Zeile, const char* Zellbild, const char* Text), {
    Module.bruecke.zeichneStein(Spalte, Zeile, UTF8ToString(Zellbild), UTF8ToString(Text));
});
EM_JS(void, bruecke_zeige_fortschritt, (const char* Text), {
    Module.bruecke.zeigeFortschritt(UTF8ToString(Text));
});
EM_JS(void, bruecke_ergaenze_verlauf, (const char* Zeile), {
    Module.bruecke.ergaenzeVerlauf(UTF8ToString(Zeile));
});
EM_JS(void, bruecke_zeige_bravo, (), {
    Module.bruecke.zeigeBravo();
});
EM_JS(void, bruecke_verberge_hilfe, (), {
    Module.bruecke.verbergeHilfe();
});
EM_JS(void, bruecke_leere_verlauf, (), {
    Module.bruecke.leereVerlauf();
});
EM_JS(void, bruecke_verberge_bravo, (), {
    Module.bruecke.verbergeBravo();
});
EM_JS(void, bruecke_lege_brett_an, (), {
    Module.bruecke.legeBrettAn();
});
EM_JS(void, bruecke_zeige_brett, (), {
    Module.bruecke.zeigeBrett();
});

namespace kalumbo::web {

namespace {

std::string_view Zellbildname(TZellbild Bild)
{
    switch (Bild) {
    case TZellbild::Hintergrund:
        return "Hintergrund";
    case TZellbild::Stein:
        return "Stein";
    case TZellbild::AusgewaehlterStein:
        return "AusgewaehlterStein";
    }
    return {};
}

int ItemIndex(TGruppe Gruppe)
{
    return bruecke_item_index(std::string(Gruppenname(Gruppe)).c_str());
}

} // namespace

int TSkriptbruecke::ZahlenIndex() const
{
    return ItemIndex(TGruppe::Zahlen);
}

int TSkriptbruecke::RechenartenIndex() const
{
    return ItemIndex(TGruppe::Rechenarten);
}

int TSkriptbruecke::FormIndex() const
{
    return ItemIndex(TGruppe::Form);
}

void TSkriptbruecke::ZeichneStein(int Spalte, int Zeile)
{
    const std::string Bild(Zellbildname(Zellbild(Stand, Spalte, Zeile)));
    bruecke_zeichne_stein(Spalte, Zeile, Bild.c_str(), Stand.Steintext(Spalte, Zeile).c_str());
}

void TSkriptbruecke::ZeigeFortschritt(const std::string& Text)
{
    bruecke_zeige_fortschritt(Text.c_str());
}

void TSkriptbruecke::ErgaenzeVerlauf(const std::string& Zeile)
{
    bruecke_ergaenze_verlauf(Zeile.c_str());
}

// The page asks what a press did when it has passed the press on.
void TSkriptbruecke::MeldeDruck(const TDruckbericht&) {}

void TSkriptbruecke::ZeigeBravo()
{
    bruecke_zeige_bravo();
}

void TSkriptbruecke::VerbergeHilfe()
{
    bruecke_verberge_hilfe();
}

void TSkriptbruecke::LeereVerlauf()
{
    bruecke_leere_verlauf();
}

void TSkriptbruecke::VerbergeBravo()
{
    bruecke_verberge_bravo();
}

void TSkriptbruecke::LegeBrettAn()
{
    bruecke_lege_brett_an();
}

void TSkriptbruecke::ZeigeBrett()
{
    bruecke_zeige_brett();
}

} // namespace kalumbo::web
