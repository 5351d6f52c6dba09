// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace kalumbo {

// The text of an error report: the message, with a full stop added when it
// does not already end in one (or in a character below it).
QString Meldungstext(const QString& Meldung);

// Shows the report: a modal message box titled "Rechen-Kalumbo" with the
// error icon and an OK button.
void MeldeFehler(const QString& Meldung);

// Where reports go instead of the message box, for tests; an empty
// function restores the message box. Returns the one in place before.
using TFehleranzeige = std::function<void(const QString& Text)>;
TFehleranzeige SetzeFehleranzeige(TFehleranzeige Anzeige);

// Runs an event handler. An error that escapes it ends the handler there
// and is reported; the program goes on with the next event.
template <typename THandler>
void FuehreAus(THandler&& Handler) noexcept
{
    try {
        Handler();
    } catch (const std::exception& Fehler) {
        MeldeFehler(QString::fromUtf8(Fehler.what()));
    } catch (...) {
        MeldeFehler(QString());
    }
}

} // namespace kalumbo
