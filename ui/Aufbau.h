// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texte/Lage.h"

#include <QString>
#include <QWidget>

#include <utility>

class QLabel;
class QPushButton;
class QTabWidget;

namespace kalumbo {

class TRadioGruppe;

// Makes the window's controls as texte/lage.json lays them out: each one
// named as it is named there, at its place within its parent.

template <typename TWidget, typename... TArgumente>
TWidget* Erzeuge(QWidget* Eltern, const Lage::TControl& Vorlage, TArgumente&&... Argumente)
{
    auto* Control = new TWidget(std::forward<TArgumente>(Argumente)..., Eltern);
    Control->setObjectName(QString::fromLatin1(Vorlage.Name));
    Control->setGeometry(Vorlage.Lage);
    if (Vorlage.Verborgen)
        Control->hide();
    return Control;
}

// A push button with its caption, its hint and its glyph. A button the
// Tab key does not visit takes the focus only when it is clicked.
QPushButton* Knopf(QWidget* Eltern, const Lage::TKnopf& Vorlage);

// A label sized to its text, in its font and colour. A hidden one is only
// placed: whoever shows it sizes it then, so that its font need not be
// loaded before.
QLabel* Beschriftung(QWidget* Eltern, const Lage::TBeschriftung& Vorlage);

// A radio-button group with its items, the default chosen.
TRadioGruppe* Radiogruppe(QWidget* Eltern, const Lage::TRadiogruppe& Vorlage);

// A page of the tab control, made before its controls; OrdneSeitenEin
// adds the pages to it in their order, once they are all made.
QWidget* Seite(QTabWidget* Seiten, const Lage::TSeite& Vorlage);
void OrdneSeitenEin(QTabWidget* Seiten);

} // namespace kalumbo
