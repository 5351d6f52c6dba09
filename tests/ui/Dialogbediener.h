// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace kalumbo::test {

// Works a modal dialog that the game opens, from inside the dialog's own
// event loop: made before the call that opens the dialog, it waits for it,
// hands it to Aktion and closes it if Aktion left it open. Whatever else
// is modal, or a dialog still open at the time limit, is closed too, so a
// wrong dialog ends the call instead of hanging the test; afterwards the
// test checks Gefunden().
template <typename TDialog>
class TDialogbediener {
public:
    explicit TDialogbediener(std::function<void(TDialog&)> Aktion, int GrenzeMs = 20'000)
        : Aktion(std::move(Aktion)), Frist(GrenzeMs)
    {
        Takt.setInterval(0);
        QObject::connect(&Takt, &QTimer::timeout, [this] { Schaue(); });
        Takt.start();
    }

    bool Gefunden() const { return Dialog; }

private:
    void Schaue()
    {
        QWidget* Modal = QApplication::activeModalWidget();
        if (auto* Passend = qobject_cast<TDialog*>(Modal)) {
            Dialog = true;
            Takt.stop();
            Aktion(*Passend);
            if (Passend->isVisible())
                Passend->reject();
        } else if (Modal != nullptr || Frist.hasExpired()) {
            Takt.stop();
            if (auto* Fremd = qobject_cast<QDialog*>(Modal))
                Fremd->reject();
            else if (Modal != nullptr)
                Modal->close();
        }
    }

    std::function<void(TDialog&)> Aktion;
    QDeadlineTimer Frist;
    QTimer Takt;
    bool Dialog = false;
};

} // namespace kalumbo::test
