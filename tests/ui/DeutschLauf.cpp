// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the game's window under whatever language its environment
// names, started by the test that checks that Qt's own texts are German.
// Opens the colour chooser and the context menu of the introduction box
// and prints what they show, one text a line, without the ampersands of
// the accelerators: "Farbwahl: ..." and "Menü: ...".
#include "Dialogbediener.h"
#include "Laeufe.h"
#include "ui/Anwendung.h"
#include "ui/Hilfe.h"
#include "ui/TForm1.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdio>

namespace {

void Zeige(const char* Quelle, QString Text)
{
    Text.remove(QLatin1Char('&'));
    if (!Text.isEmpty())
        std::printf("%s: %s\n", Quelle, Text.toUtf8().constData());
}

} // namespace

int kalumbo::test::DeutschLauf(int argc, char** argv)
{
    kalumbo::TAnwendung Anwendung(argc, argv);
    kalumbo::TForm1 Form1(std::make_unique<kalumbo::TSaatZufall>(1));
    Form1.show();

    const TDialogbediener<QColorDialog> Bediener([](QColorDialog& Dialog) {
        Zeige("Farbwahl", Dialog.windowTitle());
        for (const QLabel* Beschriftung : Dialog.findChildren<QLabel*>())
            Zeige("Farbwahl", Beschriftung->text());
        for (const QPushButton* Knopf : Dialog.findChildren<QPushButton*>())
            Zeige("Farbwahl", Knopf->text());
    });
    Form1.FarbeNormalKnopf->click();
    if (!Bediener.Gefunden()) {
        std::fprintf(stderr, "no colour chooser\n");
        return 1;
    }

    // A right click into the introduction box opens its menu.
    QWidget* Flaeche = Form1.Hilfe->Einleitung->viewport();
    const QPoint Stelle(10, 10);
    QContextMenuEvent Rechtsklick(QContextMenuEvent::Mouse, Stelle, Flaeche->mapToGlobal(Stelle));
    QCoreApplication::sendEvent(Flaeche, &Rechtsklick);
    auto* Menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (Menue == nullptr) {
        std::fprintf(stderr, "no context menu\n");
        return 1;
    }
    for (const QAction* Eintrag : Menue->actions())
        Zeige("Menü", Eintrag->text());
    Menue->close();
    return 0;
}
