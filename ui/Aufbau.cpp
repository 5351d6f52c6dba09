// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Aufbau.h"

#include "ui/Glyphen.h"
#include "ui/RadioGruppe.h"
#include "ui/Schriften.h"
#include "ui/Textquelle.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <cstring>

namespace kalumbo {

namespace {

bool IstTabstopp(const char* Name)
{
    return std::any_of(Lage::Tabfolge.begin(), Lage::Tabfolge.end(),
                       [Name](const char* Stopp) { return std::strcmp(Stopp, Name) == 0; });
}

} // namespace

QPushButton* Knopf(QWidget* Eltern, const Lage::TKnopf& Vorlage)
{
    auto* Ergebnis = new QPushButton(QText(Vorlage.Text), Eltern);
    Ergebnis->setObjectName(QString::fromLatin1(Vorlage.Name));
    Ergebnis->setGeometry(Vorlage.Lage);
    const QIcon Bild = Glyphe(Vorlage.Glyphe);
    Ergebnis->setIcon(Bild);
    Ergebnis->setIconSize(Bild.availableSizes().constFirst());
    Ergebnis->setToolTip(QText(Vorlage.Hinweis));
    if (!IstTabstopp(Vorlage.Name))
        Ergebnis->setFocusPolicy(Qt::ClickFocus);
    return Ergebnis;
}

QLabel* Beschriftung(QWidget* Eltern, const Lage::TBeschriftung& Vorlage)
{
    auto* Ergebnis = new QLabel(QText(Vorlage.Text), Eltern);
    Ergebnis->setObjectName(QString::fromLatin1(Vorlage.Name));
    Ergebnis->setFont(Schrift(Vorlage.Schrift));
    if (Vorlage.Farbe) {
        QPalette Farben = Ergebnis->palette();
        Farben.setColor(QPalette::WindowText, QColor::fromRgb(*Vorlage.Farbe));
        Ergebnis->setPalette(Farben);
    }
    Ergebnis->move(Vorlage.Ecke);
    if (Vorlage.Verborgen) {
        Ergebnis->hide();
        return Ergebnis;
    }
    Ergebnis->adjustSize();
    const int Hoehe = Vorlage.Hoehe > 0 ? Vorlage.Hoehe : Ergebnis->height();
    if (Vorlage.Rechtsbuendig) {
        // Grows to the left: its right edge stays where the layout puts it.
        Ergebnis->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int Breite = Ergebnis->fontMetrics().horizontalAdvance(Ergebnis->text());
        Ergebnis->setGeometry(Vorlage.Ecke.x() - Breite, Vorlage.Ecke.y(), Breite, Hoehe);
    } else {
        Ergebnis->resize(Ergebnis->width(), Hoehe);
    }
    return Ergebnis;
}

TRadioGruppe* Radiogruppe(QWidget* Eltern, const Lage::TRadiogruppe& Vorlage)
{
    QStringList Eintraege;
    for (const char* Eintrag : Vorlage.Eintraege)
        Eintraege.append(QText(Eintrag));
    auto* Gruppe = new TRadioGruppe(QText(Vorlage.Titel), Eintraege, Vorlage.Spalten, Eltern);
    Gruppe->setObjectName(QString::fromLatin1(Vorlage.Name));
    Gruppe->setGeometry(Vorlage.Lage);
    Gruppe->SetzeItemIndex(Vorlage.Vorgabe);
    Gruppe->SetzeHinweis(QText(Vorlage.Hinweis));
    return Gruppe;
}

QWidget* Seite(QTabWidget* Seiten, const Lage::TSeite& Vorlage)
{
    auto* Ergebnis = new QWidget(Seiten);
    Ergebnis->setObjectName(QString::fromLatin1(Vorlage.Name));
    return Ergebnis;
}

void OrdneSeitenEin(QTabWidget* Seiten)
{
    for (const Lage::TSeite& Vorlage : Lage::Seitenfolge)
        Seiten->addTab(Seiten->findChild<QWidget*>(QString::fromLatin1(Vorlage.Name), Qt::FindDirectChildrenOnly),
                       QText(Vorlage.Titel));
    Seiten->setCurrentWidget(Seiten->findChild<QWidget*>(QString::fromLatin1(Lage::VordereSeite)));
}

} // namespace kalumbo
