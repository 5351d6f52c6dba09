// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window for the listening test, dealing from a known seed:
//
//     orca_spiel <Saat>
//
// Deals nothing until "Neues Spiel" is pressed, which has the focus; the
// first game is then the one the page deals after Spiel.saeeFest(Saat).
// Prints "bereit" once the window shows, after each new game every cell as
// "Spalte Zeile Paar Seite Frei Text" ("-" for a cell without a tile),
// then "gegeben", and "taste N" once it has handled the N-th key (Alt and
// Shift only go with others).
#include "game/Formen.h"
#include "game/Paarsuche.h"
#include "game/Zufall.h"
#include "ui/Anwendung.h"
#include "ui/RadioGruppe.h"
#include "ui/TForm1.h"

#include <QKeyEvent>
#include <QPushButton>

#include <cstdio>
#include <string>

namespace {

void DruckeSpiel(const kalumbo::TForm1& Form1)
{
    using namespace kalumbo;
    const TSpielstand& Stand = Form1.Spielstand();
    const int Form = FormFuerItem(Form1.Form->ItemIndex());
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            const std::string& Text = Stand.Steintext(Spalte, Zeile);
            const TFeld& Feld = Stand.Felder[Spalte][Zeile];
            std::printf("%d %d %d %d %d %s\n", Spalte, Zeile, Feld.Paar, Text.empty() ? KeinStein : Feld.Seite,
                        IstFreierStein(Stand.Felder, Form, Spalte, Zeile) ? 1 : 0, Text.empty() ? "-" : Text.c_str());
        }
    std::printf("gegeben\n");
    std::fflush(stdout);
}

// Counts the keys let go in the window, and says so once the window has
// handled all that came before.
class TTastenzaehler : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        // The window receives each key first, and once.
        if (Ereignis->type() != QEvent::KeyRelease || !Objekt->isWindowType())
            return false;
        const int Taste = static_cast<QKeyEvent*>(Ereignis)->key();
        if (Taste == Qt::Key_Alt || Taste == Qt::Key_Shift || Taste == Qt::Key_Control || Taste == Qt::Key_Meta)
            return false;
        const auto Sage = [Nummer = ++Gezaehlt] {
            std::printf("taste %d\n", Nummer);
            std::fflush(stdout);
        };
        QMetaObject::invokeMethod(this, Sage, Qt::QueuedConnection);
        return false;
    }

private:
    int Gezaehlt = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Saat>\n", argv[0]);
        return 2;
    }
    kalumbo::TAnwendung Anwendung(argc, argv);
    kalumbo::TForm1 Form1(std::make_unique<kalumbo::TSaatZufall>(std::stoull(argv[1])));
    // After the window's own handler, which deals the game.
    QObject::connect(Form1.NeuesSpielKnopf, &QPushButton::clicked, [&Form1] { DruckeSpiel(Form1); });
    TTastenzaehler Zaehler;
    Anwendung.installEventFilter(&Zaehler);
    Form1.show();
    Form1.NeuesSpielKnopf->setFocus(Qt::OtherFocusReason);
    std::printf("bereit\n");
    std::fflush(stdout);
    return Anwendung.exec();
}
