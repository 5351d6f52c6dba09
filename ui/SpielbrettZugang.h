// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Brett.h"

#include <QAccessibleWidget>

#include <array>

namespace kalumbo {

class TSpielbrett;

// The board as assistive technology sees it: an 8 x 8 table named
// "Spielbrett", its cells row by row; while the board has the focus, what
// the cell under the keyboard cursor shows holds it.
class TSpielbrettZugang : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TSpielbrettZugang(TSpielbrett* Brett);
    ~TSpielbrettZugang() override;

    int childCount() const override;
    QAccessibleInterface* child(int Index) const override;
    int indexOfChild(const QAccessibleInterface* Kind) const override;
    QAccessibleInterface* childAt(int X, int Y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType Art) override;

    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QAccessibleInterface* cellAt(int Zeile, int Spalte) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int Spalte) const override;
    QString rowDescription(int Zeile) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int Spalte) const override;
    bool isRowSelected(int Zeile) const override;
    bool selectRow(int Zeile) override;
    bool selectColumn(int Spalte) override;
    bool unselectRow(int Zeile) override;
    bool unselectColumn(int Spalte) override;
    void modelChange(QAccessibleTableModelChangeEvent* Ereignis) override;

private:
    TSpielbrett* Brett() const;

    // The cells' interfaces, made when first asked for and registered
    // with Qt, which hands them out by these ids.
    mutable std::array<QAccessible::Id, Spalten * Zeilen> Zellen{};
};

// The factory that gives the board its interface. Installed once the
// application object exists.
QAccessibleInterface* SpielbrettZugang(const QString& Klasse, QObject* Objekt);

} // namespace kalumbo
