// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Anwendung.h"

#include "ui/Ansage.h"
#include "ui/Farbwahl.h"
#include "ui/Textquelle.h"
#include "ui/Fehlerbericht.h"
#include "ui/SpielbrettZugang.h"
#include "ui/Uebersetzung.h"

namespace kalumbo {

TAnwendung::TAnwendung(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    setApplicationName(QText(Texte::Titel));
    setApplicationDisplayName(QText(Texte::Titel));
    // Ties the window to its menu entry and icon on desktops that ask.
    setDesktopFileName(QStringLiteral("io.github.rechenkalumbo.RechenKalumbo"));
    HalteEigeneFarbenImSpeicher();
    if (LadeQtsDeutsch(QtsDeutsch))
        installTranslator(&QtsDeutsch);
    // Only now that the application exists does Qt ask the factories.
    QAccessible::installFactory(SpielbrettZugang);
    QAccessible::installFactory(AnsageZugang);
}

bool TAnwendung::notify(QObject* Empfaenger, QEvent* Ereignis)
{
    bool Behandelt = false;
    FuehreAus([&] { Behandelt = QApplication::notify(Empfaenger, Ereignis); });
    return Behandelt;
}

} // namespace kalumbo
