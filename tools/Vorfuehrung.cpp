// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the game in the middle of a game, for the screenshot in the
// README: a new game, seven pairs solved, one tile selected, the page
// "Spiel" with its history in front. Runs until its window is closed.
#include "game/Formen.h"
#include "game/Paarsuche.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/RadioGruppe.h"
#include "ui/TForm1.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>

#include <optional>

namespace {

using namespace kalumbo;

void Druecke(TForm1& Form1, TZelle Zelle)
{
    const QPointF Mitte(Zellgroesse * Zelle.Spalte - 25, Zellgroesse * Zelle.Zeile - 25);
    QMouseEvent Druck(QEvent::MouseButtonPress, Mitte, Form1.Spielbrett->mapToGlobal(Mitte), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form1.Spielbrett, &Druck);
}

std::optional<std::pair<TZelle, TZelle>> FreiesPaar(const TForm1& Form1)
{
    return kalumbo::FreiesPaar(Form1.Spielstand().Felder, FormFuerItem(Form1.Form->ItemIndex()));
}

} // namespace

int main(int argc, char** argv)
{
    TAnwendung Anwendung(argc, argv);
    TForm1 Form1{std::make_unique<TSaatZufall>(20)};
    Form1.move(0, 0);
    Form1.show();

    Form1.NeuesSpielKnopf->click();
    for (int Geloest = 0; Geloest < 7; ++Geloest)
        if (const auto Paar = FreiesPaar(Form1)) {
            Druecke(Form1, Paar->first);
            Druecke(Form1, Paar->second);
        }
    if (const auto Paar = FreiesPaar(Form1))
        Druecke(Form1, Paar->first);
    Form1.Seiten->setCurrentWidget(Form1.Spiel);

    return Anwendung.exec();
}
