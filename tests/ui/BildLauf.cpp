// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the game's window in the current working directory, started
// by the test of a picture file that cannot be opened (as another user
// than root, who may open any file). Prints every error report, then
// whether a game with the second picture can be played.
#include "Laeufe.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/Fehlerbericht.h"
#include "ui/RadioGruppe.h"
#include "ui/TForm1.h"

#include <QPushButton>

#include <cstdio>

int kalumbo::test::BildLauf(int argc, char** argv)
{
    kalumbo::TAnwendung Anwendung(argc, argv);
    kalumbo::SetzeFehleranzeige([](const QString& Text) { std::printf("Meldung: %s\n", Text.toUtf8().constData()); });
    kalumbo::TForm1 Form1(std::make_unique<kalumbo::TSaatZufall>(1));
    Form1.show();

    Form1.NeuesSpielKnopf->click();
    std::printf("Brett nach Bild1: %s\n", Form1.Spielbrett->isVisible() ? "sichtbar" : "verborgen");
    Form1.Hintergrund->SetzeItemIndex(1);
    Form1.NeuesSpielKnopf->click();
    std::printf("Brett nach Bild2: %s\n", Form1.Spielbrett->isVisible() ? "sichtbar" : "verborgen");
    return 0;
}
