// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Anwendung.h"
#include "ui/Startoptionen.h"
#include "ui/TForm1.h"

#include <QScreen>

int main(int argc, char** argv)
{
    kalumbo::TAnwendung Anwendung(argc, argv);
    const kalumbo::TStartoptionen Start = kalumbo::LiesStartoptionen(Anwendung.arguments());
    if (Start.Ende)
        return *Start.Ende;

    kalumbo::TForm1 Form1(std::make_unique<kalumbo::TUhrZufall>());
    kalumbo::WaehleStartitems(Start.Wahl, Form1);
    if (const QScreen* Bildschirm = Form1.screen())
        Form1.move(Bildschirm->availableGeometry().center() - Form1.rect().center());
    Form1.show();

    return Anwendung.exec();
}
