// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Brett.h"

#include <QAccessibleInterface>
#include <QPointer>

namespace kalumbo {

class TSpielbrett;

// What the two parts of a cell below have in common: they belong to a cell
// of the board, are no objects of their own (events about them name their
// interfaces), and hold nothing a reader could point at inside them.
class TBrettteilzugang : public QAccessibleInterface {
public:
    TBrettteilzugang(TSpielbrett* Brett, TZelle Zelle);

    TZelle Zelle() const { return Ort; }

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int X, int Y) const override;
    void setText(QAccessible::Text Art, const QString& Text) override;

protected:
    // Invalid once the board is gone, invisible while it is hidden.
    QAccessible::State Grundzustand() const;

    QPointer<TSpielbrett> Brett;
    TZelle Ort;
};

// One cell of the board as assistive technology sees it: a table cell
// named by what it shows ("12 + 7", "19", "leer"), selected when its tile
// is, and described as "eingesperrt" when its tile may not be taken now.
// Its one child, what it shows, takes the focus when the keyboard cursor
// stands on the cell: a reader then says the row or column entered and
// that cell alone, where a focused cell would have it read the whole row.
class TZellzugang : public TBrettteilzugang, public QAccessibleTableCellInterface {
public:
    using TBrettteilzugang::TBrettteilzugang;
    ~TZellzugang() override;

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int Index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* Kind) const override;
    QString text(QAccessible::Text Art) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType Art) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface* table() const override;

private:
    mutable QAccessible::Id Inhalt = 0;
};

// What a cell shows: named, described and placed as its cell, focused
// when the keyboard cursor stands on the cell.
class TZellinhaltzugang : public TBrettteilzugang {
public:
    using TBrettteilzugang::TBrettteilzugang;

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int Index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* Kind) const override;
    QString text(QAccessible::Text Art) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
};

} // namespace kalumbo
