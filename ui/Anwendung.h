// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTranslator>

namespace kalumbo {

// The application object. An error that escapes an event handler is
// caught where the event is delivered, reported, and the event loop goes
// on with the next event. Qt's own texts are German from the start.
class TAnwendung : public QApplication {
    Q_OBJECT

public:
    TAnwendung(int& Argc, char** Argv);

    bool notify(QObject* Empfaenger, QEvent* Ereignis) override;

private:
    QTranslator QtsDeutsch;
};

} // namespace kalumbo
