// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Spielbrett.h"

#include "ui/Textquelle.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <optional>

namespace kalumbo {

namespace {

// The child index of a cell, and so of its accessible interface: row by row.
int Zellnummer(TZelle Zelle)
{
    return (Zelle.Zeile - 1) * Spalten + (Zelle.Spalte - 1);
}

std::optional<TBretttaste> Bretttaste(int Taste)
{
    switch (Taste) {
    case Qt::Key_Left:
        return TBretttaste::Links;
    case Qt::Key_Right:
        return TBretttaste::Rechts;
    case Qt::Key_Up:
        return TBretttaste::Hoch;
    case Qt::Key_Down:
        return TBretttaste::Runter;
    case Qt::Key_Home:
        return TBretttaste::Zeilenanfang;
    case Qt::Key_End:
        return TBretttaste::Zeilenende;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TBretttaste::Druck;
    default:
        return std::nullopt;
    }
}

TFokusweg Fokusweg(Qt::FocusReason Grund)
{
    switch (Grund) {
    case Qt::MouseFocusReason:
        return TFokusweg::Maus;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return TFokusweg::Fenster;
    default:
        return TFokusweg::Tastatur;
    }
}

QAccessibleInterface* Zellzugang(const TSpielbrett* Brett, TZelle Zelle)
{
    if (!QAccessible::isActive())
        return nullptr;
    QAccessibleInterface* Ganzes = QAccessible::queryAccessibleInterface(const_cast<TSpielbrett*>(Brett));
    return Ganzes ? Ganzes->child(Zellnummer(Zelle)) : nullptr;
}

} // namespace

TSpielbrett::TSpielbrett(QWidget* Eltern) : TBildFeld(Eltern)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QText(Texte::SpielbrettName));
}

void TSpielbrett::Steuere(TSpielsteuerung* Neu)
{
    Steuerung = Neu;
}

QImage& TSpielbrett::Zeigerebene()
{
    const qreal Verhaeltnis = devicePixelRatioF();
    if (Ebene.isNull() || Ebene.devicePixelRatio() != Verhaeltnis) {
        Ebene = QImage(QSize(Brettgroesse, Brettgroesse) * Verhaeltnis, QImage::Format_ARGB32_Premultiplied);
        Ebene.setDevicePixelRatio(Verhaeltnis);
        Ebene.fill(Qt::transparent);
    }
    return Ebene;
}

TZelle TSpielbrett::Zeigerzelle() const
{
    return Steuerung ? Steuerung->Zeigerzelle() : TZelle{1, 1};
}

bool TSpielbrett::ZeigtZeiger() const
{
    return Steuerung && Steuerung->ZeigtRahmen();
}

TZellbeschreibung TSpielbrett::Beschreibung(TZelle Zelle) const
{
    if (Steuerung)
        return Steuerung->Beschreibung(Zelle);
    TZellbeschreibung Leer;
    Leer.Name = QText(Texte::ZelleLeer).toStdString();
    return Leer;
}

QRect TSpielbrett::Zellrechteck(TZelle Zelle)
{
    // The tile with its outline; the cell's last column and row are the gap.
    return {Zellgroesse * (Zelle.Spalte - 1), Zellgroesse * (Zelle.Zeile - 1), Zellgroesse - 1, Zellgroesse - 1};
}

void TSpielbrett::paintEvent(QPaintEvent* Ereignis)
{
    TBildFeld::paintEvent(Ereignis);
    if (Ebene.isNull() || !HatBild())
        return;
    QPainter Maler(this);
    Maler.setClipRegion(Ereignis->region());
    Maler.drawImage(QPoint(0, 0), Ebene);
}

void TSpielbrett::keyPressEvent(QKeyEvent* Ereignis)
{
    const auto Taste = Bretttaste(Ereignis->key());
    const bool Genommen = Taste && !(Ereignis->modifiers() & ~Qt::KeypadModifier) && Steuerung &&
                          Steuerung->Taste(*Taste, Ereignis->isAutoRepeat());
    // What the board does not take goes on to the window: Enter while the
    // help covers the board presses "Fertig" there.
    if (!Genommen)
        TBildFeld::keyPressEvent(Ereignis);
}

void TSpielbrett::mousePressEvent(QMouseEvent* Ereignis)
{
    const QPointF Stelle = Ereignis->position();
    if (Steuerung)
        Steuerung->Maus(static_cast<int>(std::floor(Stelle.x())), static_cast<int>(std::floor(Stelle.y())));
}

void TSpielbrett::focusInEvent(QFocusEvent* Ereignis)
{
    TBildFeld::focusInEvent(Ereignis);
    ImFokuseingang = true;
    if (Steuerung)
        Steuerung->FokusKommt(Fokusweg(Ereignis->reason()));
    ImFokuseingang = false;
}

void TSpielbrett::focusOutEvent(QFocusEvent* Ereignis)
{
    TBildFeld::focusOutEvent(Ereignis);
    if (Steuerung)
        Steuerung->FokusGeht();
}

// A new game hides the board while it is dealt; a player who had the
// board in focus keeps it.
void TSpielbrett::hideEvent(QHideEvent* Ereignis)
{
    TBildFeld::hideEvent(Ereignis);
    if (!Ereignis->spontaneous())
        FokusVorDemVerbergen = hasFocus();
}

void TSpielbrett::showEvent(QShowEvent* Ereignis)
{
    TBildFeld::showEvent(Ereignis);
    if (!Ereignis->spontaneous() && FokusVorDemVerbergen) {
        FokusVorDemVerbergen = false;
        setFocus(Qt::OtherFocusReason);
    }
}

void TSpielbrett::MeldeZeiger()
{
    // Qt tells of the board's own focus after focusInEvent: the cell's is
    // told later, so that a reader ends on the cell.
    if (ImFokuseingang) {
        QMetaObject::invokeMethod(this, &TSpielbrett::MeldeFokus, Qt::QueuedConnection);
        return;
    }
    MeldeFokus();
}

// The focus is on what the cell under the cursor shows.
void TSpielbrett::MeldeFokus() const
{
    if (!hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleInterface* Brett = QAccessible::queryAccessibleInterface(const_cast<TSpielbrett*>(this));
    if (QAccessibleInterface* Inhalt = Brett ? Brett->focusChild() : nullptr) {
        QAccessibleEvent Fokus(Inhalt, QAccessible::Focus);
        QAccessible::updateAccessibility(&Fokus);
    }
}

void TSpielbrett::MeldeZelle(TZelle Zelle, const TZellbeschreibung& Neu, const TZellbeschreibung& Alt) const
{
    QAccessibleInterface* Zugang = Zellzugang(this, Zelle);
    if (!Zugang)
        return;
    if (Neu.Name != Alt.Name) {
        QAccessibleEvent Name(Zugang, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&Name);
    }
    if (Neu.Ausgewaehlt != Alt.Ausgewaehlt || Neu.Stein != Alt.Stein) {
        QAccessible::State Geaendert;
        Geaendert.selected = Neu.Ausgewaehlt != Alt.Ausgewaehlt;
        Geaendert.selectable = Neu.Stein != Alt.Stein;
        QAccessibleStateChangeEvent Zustand(Zugang, Geaendert);
        QAccessible::updateAccessibility(&Zustand);
    }
    if (Neu.Eingesperrt != Alt.Eingesperrt) {
        QAccessibleEvent Beschreibung(Zugang, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&Beschreibung);
    }
}

} // namespace kalumbo
