// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/Browserspiel.h"

#include "game/Aussehen.h"

#include <emscripten/emscripten.h>

#include <string>

// The page's scripts hand the game an object Module.oberflaeche before
// its first call; these calls reach it.
EM_JS(void, oberflaeche_lege_brett_fest, (int Spalten, int Zeilen, int Zellgroesse, int Steingroesse), {
    Module.oberflaeche.legeBrettFest(Spalten, Zeilen, Zellgroesse, Steingroesse);
});
EM_JS(int, oberflaeche_item_index, (const char* Gruppe), {
    return Module.oberflaeche.itemIndex(UTF8ToString(Gruppe));
});
EM_JS(void, oberflaeche_waehle_item, (const char* Gruppe, int Item), {
    Module.oberflaeche.waehleItem(UTF8ToString(Gruppe), Item);
});
EM_JS(void, oberflaeche_zeige_hilfe, (int Sichtbar), {
    Module.oberflaeche.zeigeHilfe(Sichtbar !== 0);
});
EM_JS(void, oberflaeche_zeige_bravo, (int Sichtbar), {
    Module.oberflaeche.zeigeBravo(Sichtbar !== 0);
});
EM_JS(void, oberflaeche_zeige_fortschritt, (const char* Text), {
    Module.oberflaeche.zeigeFortschritt(UTF8ToString(Text));
});
EM_JS(void, oberflaeche_ergaenze_verlauf, (const char* Zeile), {
    Module.oberflaeche.ergaenzeVerlauf(UTF8ToString(Zeile));
});
EM_JS(void, oberflaeche_leere_verlauf, (), {
    Module.oberflaeche.leereVerlauf();
});
EM_JS(void, oberflaeche_bereite_hintergrund_vor, (), {
    Module.oberflaeche.bereiteHintergrundVor();
});
EM_JS(void, oberflaeche_zeige_brett, (), {
    Module.oberflaeche.zeigeBrett();
});
EM_JS(void, oberflaeche_zeige_zeiger, (int Spalte, int Zeile), {
    Module.oberflaeche.zeigeZeiger(Spalte, Zeile);
});
EM_JS(void, oberflaeche_melde_zelle,
      (int Spalte, int Zeile, const char* Name, int Stein, int Ausgewaehlt, int Eingesperrt), {
    Module.oberflaeche.meldeZelle(Spalte, Zeile, {
        name: UTF8ToString(Name),
        stein: Stein !== 0,
        ausgewaehlt: Ausgewaehlt !== 0,
        eingesperrt: Eingesperrt !== 0,
    });
});
EM_JS(void, oberflaeche_zeige_meldung, (const char* Text), {
    Module.oberflaeche.zeigeMeldung(UTF8ToString(Text));
});
EM_JS(void, oberflaeche_sage_an, (const char* Text), {
    Module.oberflaeche.sageAn(UTF8ToString(Text));
});

namespace kalumbo::web {

namespace {

int ItemIndex(TGruppe Gruppe)
{
    return oberflaeche_item_index(std::string(Gruppenname(Gruppe)).c_str());
}

} // namespace

// The page lays out its board for the keyboard and screen readers, maps
// its presses and fits its canvases to the screen by the board's
// measures.
TBrowserspiel::TBrowserspiel() : Spiel(*this, std::make_unique<TUhrZufall>())
{
    oberflaeche_lege_brett_fest(Spalten, Zeilen, Zellgroesse, Steingroesse);
}

void TBrowserspiel::WendeAn(const TStartwahl& Klassenlink)
{
    for (const TStartoption& Option : Startoptionen())
        if (const int Item = Klassenlink.Item(Option.Gruppe); Item >= 0)
            oberflaeche_waehle_item(std::string(Gruppenname(Option.Gruppe)).c_str(), Item);
    if (const std::string Bericht = Klassenlinkbericht(Klassenlink); !Bericht.empty())
        Spiel.Melde(Bericht);
}

int TBrowserspiel::ZahlenIndex() const
{
    return ItemIndex(TGruppe::Zahlen);
}

int TBrowserspiel::RechenartenIndex() const
{
    return ItemIndex(TGruppe::Rechenarten);
}

int TBrowserspiel::FormIndex() const
{
    return ItemIndex(TGruppe::Form);
}

void TBrowserspiel::ZeigeHilfe(bool Sichtbar)
{
    oberflaeche_zeige_hilfe(Sichtbar);
}

void TBrowserspiel::ZeigeBravo(bool Sichtbar)
{
    oberflaeche_zeige_bravo(Sichtbar);
}

void TBrowserspiel::ZeigeFortschritt(const std::string& Text)
{
    oberflaeche_zeige_fortschritt(Text.c_str());
}

void TBrowserspiel::ErgaenzeVerlauf(const std::string& Zeile)
{
    oberflaeche_ergaenze_verlauf(Zeile.c_str());
}

void TBrowserspiel::LeereVerlauf()
{
    oberflaeche_leere_verlauf();
}

// The browser paints again only after the whole new game is drawn: the
// player never sees the board half laid out, so it need not be hidden.
void TBrowserspiel::VerbergeBrett() {}

// The page readies the picture of the chosen item; one that has not
// arrived yet, or cannot be read, shows when it does, or is reported once
// the new game is dealt: a call into the game cannot end by an exception
// in the browser.
void TBrowserspiel::BereiteHintergrundVor()
{
    oberflaeche_bereite_hintergrund_vor();
}

void TBrowserspiel::ZeigeBrett()
{
    oberflaeche_zeige_brett();
}

void TBrowserspiel::ZeigeZeiger(TZelle Zelle)
{
    oberflaeche_zeige_zeiger(Zelle.Spalte, Zelle.Zeile);
}

void TBrowserspiel::MeldeZelle(TZelle Zelle, const TZellbeschreibung& Neu, const TZellbeschreibung&)
{
    oberflaeche_melde_zelle(Zelle.Spalte, Zelle.Zeile, Neu.Name.c_str(), Neu.Stein, Neu.Ausgewaehlt, Neu.Eingesperrt);
}

void TBrowserspiel::ZeigeMeldung(const std::string& Text)
{
    oberflaeche_zeige_meldung(Text.c_str());
}

void TBrowserspiel::SageAn(const std::string& Text)
{
    oberflaeche_sage_an(Text.c_str());
}

} // namespace kalumbo::web
