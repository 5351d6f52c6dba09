// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the game's window with Qt's real colour dialog, started by
// the test that checks that custom colours are kept nowhere.
//   farbwahl setzen   mixes custom colours C and P and confirms them
//   farbwahl pruefen  expects only A and B to be offered
// Exits with 0 when all went as expected.
#include "Dialogbediener.h"
#include "Laeufe.h"
#include "ui/Anwendung.h"
#include "ui/Farben.h"
#include "ui/Farbwahl.h"
#include "ui/TForm1.h"

#include <QColorDialog>
#include <QPushButton>

#include <cstdio>

int kalumbo::test::FarbwahlLauf(int argc, char** argv)
{
    kalumbo::TAnwendung Anwendung(argc, argv);
    const QString Lauf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    int Fehler = 0;
    {
        kalumbo::TForm1 Form1(std::make_unique<kalumbo::TSaatZufall>(1));
        Form1.show();
        const kalumbo::test::TDialogbediener<QColorDialog> Bediener([&](QColorDialog& Dialog) {
            if (Lauf == "setzen") {
                QColorDialog::setCustomColor(2, QColor(1, 2, 3));
                QColorDialog::setCustomColor(15, QColor(4, 5, 6));
                Dialog.accept();
                return;
            }
            for (int Slot = 2; Slot < 16; ++Slot)
                if (QColorDialog::customColor(Slot) != QColor(Qt::white)) {
                    std::fprintf(stderr, "slot %d kept a colour\n", Slot);
                    ++Fehler;
                }
            if (QColorDialog::customColor(0) != kalumbo::AlsQColor(kalumbo::StartFarbeNormal))
                ++Fehler;
            Dialog.reject();
        });
        Form1.FarbeNormalKnopf->click();
        if (!Bediener.Gefunden()) {
            std::fprintf(stderr, "no colour dialog\n");
            ++Fehler;
        }
        if (Lauf == "setzen" && Form1.Farbwahl->CustomColors.size() != 4) {
            std::fprintf(stderr, "custom colours: %d entries\n", int(Form1.Farbwahl->CustomColors.size()));
            ++Fehler;
        }
    }
    return Fehler == 0 ? 0 : 1;
}
