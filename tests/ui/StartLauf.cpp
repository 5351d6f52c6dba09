// SPDX-License-Identifier: GPL-3.0-or-later
// One start of the game with the options after "start", as the program
// makes it: the options read, and the window made only when they leave the
// start to it. Prints every window shown ("Fenster: <class>"), the message
// box a refusal shows ("Meldung: <title>: <text>", then closed as OK
// would close it), and the items of the window's four groups
// ("Items: 0 2 1 3"). Ends with the exit status the program would.
#include "Dialogbediener.h"
#include "Laeufe.h"
#include "ui/Anwendung.h"
#include "ui/RadioGruppe.h"
#include "ui/Startoptionen.h"
#include "ui/TForm1.h"

#include <QMessageBox>

#include <cstdio>

namespace {

// Notes every window the moment it is shown.
class TFensterzeuge : public QObject {
public:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        const auto* Widget = qobject_cast<QWidget*>(Objekt);
        if (Ereignis->type() == QEvent::Show && Widget != nullptr && Widget->isWindow())
            std::printf("Fenster: %s\n", Widget->metaObject()->className());
        return false;
    }
};

} // namespace

int kalumbo::test::StartLauf(int argc, char** argv)
{
    kalumbo::TAnwendung Anwendung(argc, argv);
    TFensterzeuge Zeuge;
    Anwendung.installEventFilter(&Zeuge);
    const TDialogbediener<QMessageBox> Bediener([](QMessageBox& Box) {
        std::printf("Meldung: %s: %s\n", Box.windowTitle().toUtf8().constData(), Box.text().toUtf8().constData());
        Box.button(QMessageBox::Ok)->click();
    });

    const kalumbo::TStartoptionen Start = kalumbo::LiesStartoptionen(Anwendung.arguments());
    if (Start.Ende)
        return *Start.Ende;

    kalumbo::TForm1 Form1(std::make_unique<kalumbo::TSaatZufall>(1));
    kalumbo::WaehleStartitems(Start.Wahl, Form1);
    Form1.show();
    std::printf("Items: %d %d %d %d\n", Form1.Zahlen->ItemIndex(), Form1.Rechenarten->ItemIndex(),
                Form1.Form->ItemIndex(), Form1.Hintergrund->ItemIndex());
    return 0;
}
