// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SpielbrettZugang.h"

#include "ui/Spielbrett.h"
#include "ui/Zellzugang.h"

namespace kalumbo {

TSpielbrettZugang::TSpielbrettZugang(TSpielbrett* Brett) : QAccessibleWidget(Brett, QAccessible::Table)
{
}

TSpielbrettZugang::~TSpielbrettZugang()
{
    for (QAccessible::Id Id : Zellen)
        if (Id != 0)
            QAccessible::deleteAccessibleInterface(Id);
}

TSpielbrett* TSpielbrettZugang::Brett() const
{
    return static_cast<TSpielbrett*>(widget());
}

int TSpielbrettZugang::childCount() const
{
    return Spalten * Zeilen;
}

QAccessibleInterface* TSpielbrettZugang::child(int Index) const
{
    if (Index < 0 || Index >= childCount())
        return nullptr;
    QAccessible::Id& Id = Zellen[static_cast<std::size_t>(Index)];
    if (Id == 0)
        Id = QAccessible::registerAccessibleInterface(
            new TZellzugang(Brett(), {Index % Spalten + 1, Index / Spalten + 1}));
    return QAccessible::accessibleInterface(Id);
}

int TSpielbrettZugang::indexOfChild(const QAccessibleInterface* Kind) const
{
    const auto* Zelle = dynamic_cast<const TZellzugang*>(Kind);
    if (Zelle == nullptr || Zelle->parent() != this)
        return -1;
    return (Zelle->Zelle().Zeile - 1) * Spalten + Zelle->Zelle().Spalte - 1;
}

QAccessibleInterface* TSpielbrettZugang::childAt(int X, int Y) const
{
    const QPoint Stelle = Brett()->mapFromGlobal(QPoint(X, Y));
    const auto Zelle = ZelleAnPixel(Stelle.x(), Stelle.y());
    return Zelle ? cellAt(Zelle->Zeile - 1, Zelle->Spalte - 1) : nullptr;
}

QAccessibleInterface* TSpielbrettZugang::focusChild() const
{
    if (!Brett()->hasFocus())
        return nullptr;
    const TZelle Zelle = Brett()->Zeigerzelle();
    QAccessibleInterface* Zellzugang = cellAt(Zelle.Zeile - 1, Zelle.Spalte - 1);
    return Zellzugang ? Zellzugang->child(0) : nullptr;
}

void* TSpielbrettZugang::interface_cast(QAccessible::InterfaceType Art)
{
    if (Art == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(Art);
}

QAccessibleInterface* TSpielbrettZugang::caption() const
{
    return nullptr;
}

QAccessibleInterface* TSpielbrettZugang::summary() const
{
    return nullptr;
}

QAccessibleInterface* TSpielbrettZugang::cellAt(int Zeile, int Spalte) const
{
    if (Zeile < 0 || Zeile >= Zeilen || Spalte < 0 || Spalte >= Spalten)
        return nullptr;
    return child(Zeile * Spalten + Spalte);
}

int TSpielbrettZugang::selectedCellCount() const
{
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> TSpielbrettZugang::selectedCells() const
{
    QList<QAccessibleInterface*> Ausgewaehlt;
    for (int Index = 0; Index < childCount(); ++Index)
        if (Brett()->Beschreibung({Index % Spalten + 1, Index / Spalten + 1}).Ausgewaehlt)
            Ausgewaehlt.append(child(Index));
    return Ausgewaehlt;
}

// Rows and columns carry no words of their own and are never selected as
// a whole; only a tile is, by a press.
QString TSpielbrettZugang::columnDescription(int) const
{
    return {};
}

QString TSpielbrettZugang::rowDescription(int) const
{
    return {};
}

int TSpielbrettZugang::selectedColumnCount() const
{
    return 0;
}

int TSpielbrettZugang::selectedRowCount() const
{
    return 0;
}

int TSpielbrettZugang::columnCount() const
{
    return Spalten;
}

int TSpielbrettZugang::rowCount() const
{
    return Zeilen;
}

QList<int> TSpielbrettZugang::selectedColumns() const
{
    return {};
}

QList<int> TSpielbrettZugang::selectedRows() const
{
    return {};
}

bool TSpielbrettZugang::isColumnSelected(int) const
{
    return false;
}

bool TSpielbrettZugang::isRowSelected(int) const
{
    return false;
}

bool TSpielbrettZugang::selectRow(int)
{
    return false;
}

bool TSpielbrettZugang::selectColumn(int)
{
    return false;
}

bool TSpielbrettZugang::unselectRow(int)
{
    return false;
}

bool TSpielbrettZugang::unselectColumn(int)
{
    return false;
}

void TSpielbrettZugang::modelChange(QAccessibleTableModelChangeEvent*)
{
}

QAccessibleInterface* SpielbrettZugang(const QString&, QObject* Objekt)
{
    if (auto* Brett = qobject_cast<TSpielbrett*>(Objekt))
        return new TSpielbrettZugang(Brett);
    return nullptr;
}

} // namespace kalumbo
