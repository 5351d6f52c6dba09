#include "ui/Anwendung.h"

#include "ui/Farbwahl.h"
#include "ui/Fehlerbericht.h"

namespace kalumbo {

TAnwendung::TAnwendung(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    setApplicationName(QStringLiteral("Rechen-Kalumbo"));
    setApplicationDisplayName(QStringLiteral("Rechen-Kalumbo"));
    HalteEigeneFarbenImSpeicher();
}

bool TAnwendung::notify(QObject* Empfaenger, QEvent* Ereignis)
{
    bool Behandelt = false;
    FuehreAus([&] { Behandelt = QApplication::notify(Empfaenger, Ereignis); });
    return Behandelt;
}

} // namespace kalumbo
