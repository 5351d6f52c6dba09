// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Zellzugang.h"

#include "ui/Spielbrett.h"

#include <QWidget>
#include <QWindow>

namespace kalumbo {

TBrettteilzugang::TBrettteilzugang(TSpielbrett* Brett, TZelle Zelle) : Brett(Brett), Ort(Zelle)
{
}

bool TBrettteilzugang::isValid() const
{
    return !Brett.isNull();
}

QObject* TBrettteilzugang::object() const
{
    return nullptr;
}

QWindow* TBrettteilzugang::window() const
{
    return Brett ? Brett->window()->windowHandle() : nullptr;
}

QAccessibleInterface* TBrettteilzugang::childAt(int, int) const
{
    return nullptr;
}

void TBrettteilzugang::setText(QAccessible::Text, const QString&)
{
}

QAccessible::State TBrettteilzugang::Grundzustand() const
{
    QAccessible::State Zustand;
    if (!Brett)
        Zustand.invalid = true;
    else
        Zustand.invisible = !Brett->isVisible();
    return Zustand;
}

TZellzugang::~TZellzugang()
{
    if (Inhalt != 0)
        QAccessible::deleteAccessibleInterface(Inhalt);
}

QAccessibleInterface* TZellzugang::parent() const
{
    return Brett ? QAccessible::queryAccessibleInterface(Brett.data()) : nullptr;
}

QAccessibleInterface* TZellzugang::child(int Index) const
{
    if (Index != 0 || !Brett)
        return nullptr;
    if (Inhalt == 0)
        Inhalt = QAccessible::registerAccessibleInterface(new TZellinhaltzugang(Brett, Ort));
    return QAccessible::accessibleInterface(Inhalt);
}

int TZellzugang::childCount() const
{
    return 1;
}

int TZellzugang::indexOfChild(const QAccessibleInterface* Kind) const
{
    return Kind != nullptr && Kind == child(0) ? 0 : -1;
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
    QAccessible::State Zustand = Grundzustand();
    if (Brett) {
        const TZellbeschreibung Beschreibung = Brett->Beschreibung(Ort);
        Zustand.selectable = Beschreibung.Stein;
        Zustand.selected = Beschreibung.Ausgewaehlt;
    }
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

QAccessibleInterface* TZellinhaltzugang::parent() const
{
    if (!Brett)
        return nullptr;
    QAccessibleInterface* Tafel = QAccessible::queryAccessibleInterface(Brett.data());
    return Tafel ? Tafel->child((Ort.Zeile - 1) * Spalten + Ort.Spalte - 1) : nullptr;
}

QAccessibleInterface* TZellinhaltzugang::child(int) const
{
    return nullptr;
}

int TZellinhaltzugang::childCount() const
{
    return 0;
}

int TZellinhaltzugang::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QString TZellinhaltzugang::text(QAccessible::Text Art) const
{
    QAccessibleInterface* Zelle = parent();
    return Zelle ? Zelle->text(Art) : QString();
}

QRect TZellinhaltzugang::rect() const
{
    QAccessibleInterface* Zelle = parent();
    return Zelle ? Zelle->rect() : QRect();
}

// A plain filler: a reader names the cell's row and column as it enters
// them and then says what the cell shows, with no word for a role.
QAccessible::Role TZellinhaltzugang::role() const
{
    return QAccessible::Client;
}

QAccessible::State TZellinhaltzugang::state() const
{
    QAccessible::State Zustand = Grundzustand();
    if (Brett) {
        Zustand.focusable = true;
        Zustand.focused = Brett->hasFocus() && Brett->Zeigerzelle() == Ort;
    }
    return Zustand;
}

} // namespace kalumbo
