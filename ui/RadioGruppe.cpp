// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RadioGruppe.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace kalumbo {

TRadioGruppe::TRadioGruppe(const QString& Titel, const QStringList& Eintraege, int Spalten, QWidget* Eltern)
    : QGroupBox(Titel, Eltern), Eintraege(Eintraege), Spalten(std::max(Spalten, 1)), Gruppe(new QButtonGroup(this))
{
    for (int Index = 0; Index < Eintraege.size(); ++Index) {
        auto* Knopf = new QRadioButton(Eintraege[Index], this);
        Gruppe->addButton(Knopf, Index);
        Knoepfe.push_back(Knopf);
    }
    connect(Gruppe, &QButtonGroup::idToggled, this, [this] { SetzeTabStopp(); });
    SetzeTabStopp();
}

int TRadioGruppe::ItemIndex() const
{
    return Gruppe->checkedId();
}

void TRadioGruppe::SetzeItemIndex(int Index)
{
    if (QRadioButton* Gewaehlt = Knopf(Index))
        Gewaehlt->setChecked(true);
}

QRadioButton* TRadioGruppe::Knopf(int Index) const
{
    if (Index < 0 || Index >= static_cast<int>(Knoepfe.size()))
        return nullptr;
    return Knoepfe[static_cast<std::size_t>(Index)];
}

void TRadioGruppe::SetzeHinweis(const QString& Hinweis)
{
    setToolTip(Hinweis);
    for (QRadioButton* Knopf : Knoepfe)
        Knopf->setToolTip(Hinweis);
}

void TRadioGruppe::resizeEvent(QResizeEvent* Ereignis)
{
    QGroupBox::resizeEvent(Ereignis);
    OrdneKnoepfeAn();
}

// The buttons share the room inside the frame in equal rows.
void TRadioGruppe::OrdneKnoepfeAn()
{
    const int Anzahl = static_cast<int>(Knoepfe.size());
    if (Anzahl == 0)
        return;
    QStyleOptionGroupBox Rahmen;
    initStyleOption(&Rahmen);
    const QRect Innen =
        style()->subControlRect(QStyle::CC_GroupBox, &Rahmen, QStyle::SC_GroupBoxContents, this).adjusted(4, 0, -1, 0);
    const int ProSpalte = (Anzahl + Spalten - 1) / Spalten;
    const int Spaltenbreite = Innen.width() / Spalten;
    const int Knopfhoehe = Innen.height() / ProSpalte;
    const int Oben = Innen.top() + (Innen.height() % ProSpalte) / 2;
    for (int Index = 0; Index < Anzahl; ++Index)
        Knoepfe[static_cast<std::size_t>(Index)]->setGeometry(Innen.left() + (Index / ProSpalte) * Spaltenbreite,
                                                             Oben + (Index % ProSpalte) * Knopfhoehe,
                                                             Spaltenbreite, Knopfhoehe);
}

// The Tab key visits a group once, at its chosen button; the arrow keys
// move between the buttons.
void TRadioGruppe::SetzeTabStopp()
{
    const int TabKnopf = ItemIndex() == -1 ? 0 : ItemIndex();
    for (int Index = 0; Index < static_cast<int>(Knoepfe.size()); ++Index)
        Knoepfe[static_cast<std::size_t>(Index)]->setFocusPolicy(Index == TabKnopf ? Qt::StrongFocus
                                                                                    : Qt::ClickFocus);
}

} // namespace kalumbo
