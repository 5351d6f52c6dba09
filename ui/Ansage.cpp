// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Ansage.h"

#include <QAccessibleWidget>

namespace kalumbo {

namespace {

// The notification inside the status bar.
class TAnsagemeldung final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

} // namespace

TAnsage::TAnsage(QWidget* Fenster) : QWidget(Fenster), Meldung(new TAnsagemeldung(this))
{
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    Meldung->setGeometry(0, 0, 1, 1);
    Meldung->hide();
    show();
}

// Shown once what came before is handled: Qt tells of a widget's focus
// after its focus event, and a cell's focus after that, so the words come
// after the cell the focus came to.
void TAnsage::Sage(const QString& Worte)
{
    QMetaObject::invokeMethod(
        this,
        [this, Worte] {
            Meldung->hide();
            Meldung->setAccessibleName(Worte);
            Meldung->show();
        },
        Qt::QueuedConnection);
}

QAccessibleInterface* AnsageZugang(const QString&, QObject* Objekt)
{
    if (auto* Meldung = qobject_cast<TAnsagemeldung*>(Objekt))
        return new QAccessibleWidget(Meldung, QAccessible::Notification);
    if (auto* Leiste = qobject_cast<TAnsage*>(Objekt))
        return new QAccessibleWidget(Leiste, QAccessible::StatusBar);
    return nullptr;
}

} // namespace kalumbo

#include "Ansage.moc"
