// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace kalumbo {

// A framed group of radio buttons with a caption, laid out in columns
// that fill the left column from top to bottom first. The chosen item is
// an index from 0, or -1 when none is chosen. Changing the choice does
// nothing by itself; whoever needs it asks for ItemIndex().
class TRadioGruppe : public QGroupBox {
    Q_OBJECT

public:
    TRadioGruppe(const QString& Titel, const QStringList& Eintraege, int Spalten, QWidget* Eltern);

    int ItemIndex() const;
    void SetzeItemIndex(int Index);

    const QStringList& Items() const { return Eintraege; }
    QRadioButton* Knopf(int Index) const;

    // The hint shows over the frame and over each of its buttons.
    void SetzeHinweis(const QString& Hinweis);

protected:
    void resizeEvent(QResizeEvent* Ereignis) override;

private:
    void OrdneKnoepfeAn();
    void SetzeTabStopp();

    QStringList Eintraege;
    int Spalten;
    QButtonGroup* Gruppe;
    std::vector<QRadioButton*> Knoepfe;
};

} // namespace kalumbo
