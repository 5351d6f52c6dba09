// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Brett.h"

#include <QAccessibleInterface>
#include <QPointer>

namespace kalumbo {

class TSpielbrett;

// One cell of the board as assistive technology sees it: a table cell
// named by what it shows ("12 + 7", "19", "leer"), selected when its tile
// is, described as "eingesperrt" when its tile may not be taken now, and
// focused when the keyboard cursor stands on it.
class TZellzugang : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TZellzugang(TSpielbrett* Brett, TZelle Zelle);

    TZelle Zelle() const { return Ort; }

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int X, int Y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int Index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* Kind) const override;
    QString text(QAccessible::Text Art) const override;
    void setText(QAccessible::Text Art, const QString& Text) override;
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
    QPointer<TSpielbrett> Brett;
    TZelle Ort;
};

} // namespace kalumbo
