// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QWidget>

namespace kalumbo {

// Words for a screen reader, said once, after what it says of the focus
// and without cutting that off. Qt 6.4 has no announcement event, but
// Orca 43 speaks an object of the role "notification" as it shows, and
// names no role for one that sits in a status bar. So the window holds
// such a status bar, a pixel in size and drawn with nothing, with a
// notification in it that is shown afresh for every announcement.
class TAnsage final : public QWidget {
    Q_OBJECT

public:
    explicit TAnsage(QWidget* Fenster);

    void Sage(const QString& Worte);

private:
    QWidget* const Meldung;
};

// The factory that gives the status bar and its notification their roles.
// Installed once the application object exists.
QAccessibleInterface* AnsageZugang(const QString& Klasse, QObject* Objekt);

} // namespace kalumbo
