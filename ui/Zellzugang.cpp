// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Zellzugang.h"

#include "ui/Spielbrett.h"

#include <QWidget>
#include <QWindow>

namespace kalumbo {

TZellzugang::TZellzugang(TSpielbrett* Brett, TZelle Zelle) : Brett(Brett), Ort(Zelle)
{
}

bool TZellzugang::isValid() const
{
    return !Brett.isNull();
}

// A cell is no object of its own; events about it name this interface.
QObject* TZellzugang::object() const
{
    return nullptr;
}

QWindow* TZellzugang::window() const
{
    return Brett ? Brett->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TZellzugang::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface* TZellzugang::parent() const
{
    return Brett ? QAccessible::queryAccessibleInterface(Brett.data()) : nullptr;
}

QAccessibleInterface* TZellzugang::child(int) const
{
    return nullptr;
}

int TZellzugang::childCount() const
{
    return 0;
}

int TZellzugang::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString TZellzugang::text(QAccessible::Text Art) const
{
    if (!Brett)
        return {};
    switch (Art) {
    case QAccessible::Name:
        return QString::fromStdString(Brett->Beschreibung(Ort).Name);
    case QAccessible::Description:
        return QString::fromStdString(Brett->Beschreibung(Ort).Beschreibung());
    default:
        return {};
    }
}

void TZellzugang::setText(QAccessible::Text, const QString&)
{
}

QRect TZellzugang::rect() const
{
    if (!Brett)
        return {};
    const QRect Zelle = TSpielbrett::Zellrechteck(Ort);
    return {Brett->mapToGlobal(Zelle.topLeft()), Zelle.size()};
}

QAccessible::Role TZellzugang::role() const
{
    return QAccessible::Cell;
}

QAccessible::State TZellzugang::state() const
{
    QAccessible::State Zustand;
    if (!Brett) {
        Zustand.invalid = true;
        return Zustand;
    }
    const TZellbeschreibung Beschreibung = Brett->Beschreibung(Ort);
    Zustand.focusable = true;
    Zustand.focused = Brett->hasFocus() && Brett->Zeigerzelle() == Ort;
    Zustand.selectable = Beschreibung.Stein;
    Zustand.selected = Beschreibung.Ausgewaehlt;
    Zustand.invisible = !Brett->isVisible();
    return Zustand;
}

void* TZellzugang::interface_cast(QAccessible::InterfaceType Art)
{
    if (Art == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool TZellzugang::isSelected() const
{
    return Brett && Brett->Beschreibung(Ort).Ausgewaehlt;
}

QList<QAccessibleInterface*> TZellzugang::columnHeaderCells() const
{
    return {};
}

QList<QAccessibleInterface*> TZellzugang::rowHeaderCells() const
{
    return {};
}

int TZellzugang::columnIndex() const
{
    return Ort.Spalte - 1;
}

int TZellzugang::rowIndex() const
{
    return Ort.Zeile - 1;
}

int TZellzugang::columnExtent() const
{
    return 1;
}

int TZellzugang::rowExtent() const
{
    return 1;
}

QAccessibleInterface* TZellzugang::table() const
{
    return parent();
}

} // namespace kalumbo
