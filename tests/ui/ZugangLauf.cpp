// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window for the test through the accessibility bus: deals
// from the run's seed until a game lets a pair be taken, prints every
// cell as "Spalte Zeile Paar Text" ("leer" for a cell without a tile),
// then "bereit", and plays until the window is closed.
#include "Laeufe.h"
#include "Testsaat.h"
#include "game/Formen.h"
#include "game/Paarsuche.h"
#include "ui/Anwendung.h"
#include "ui/RadioGruppe.h"
#include "ui/TForm1.h"

#include <QPushButton>

#include <cstdio>

int kalumbo::test::ZugangLauf(int argc, char** argv)
{
    kalumbo::TAnwendung Anwendung(argc, argv);
    kalumbo::TForm1 Form1(std::make_unique<kalumbo::TSaatZufall>(TestSaat()));
    Form1.show();
    const int Form = FormFuerItem(Form1.Form->ItemIndex());
    for (int Versuch = 0; Versuch < 100; ++Versuch) {
        Form1.NeuesSpielKnopf->click();
        if (FreiesPaar(Form1.Spielstand().Felder, Form))
            break;
    }
    Form1.NeuesSpielKnopf->setFocus(Qt::OtherFocusReason);
    const TSpielstand& Stand = Form1.Spielstand();
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            const std::string& Text = Stand.Steintext(Spalte, Zeile);
            std::printf("%d %d %d %s\n", Spalte, Zeile, Text.empty() ? 0 : Stand.Felder[Spalte][Zeile].Paar,
                        Text.empty() ? "leer" : Text.c_str());
        }
    std::printf("bereit\n");
    std::fflush(stdout);
    return Anwendung.exec();
}
