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

constexpr int Randbreite = 2; // each of the frame's two rings

// The child index of a cell, and so of its accessible interface: row by row.
int Zellnummer(TZelle Zelle)
{
    return (Zelle.Zeile - 1) * Spalten + (Zelle.Spalte - 1);
}

std::optional<TBretttaste> Zeigertaste(int Taste)
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
    default:
        return std::nullopt;
    }
}

bool IstDrucktaste(int Taste)
{
    return Taste == Qt::Key_Space || Taste == Qt::Key_Return || Taste == Qt::Key_Enter;
}

// The frame's outer ring lies on the tile's outline and the gap around
// it, never on the tile's face.
QRect Rahmenrechteck(TZelle Zelle)
{
    return TSpielbrett::Zellrechteck(Zelle).adjusted(-1, -1, 1, 1);
}

} // namespace

TSpielbrett::TSpielbrett(QWidget* Eltern) : TBildFeld(Eltern)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QText(Texte::SpielbrettName));
}

void TSpielbrett::SetzeBeschreiber(TBeschreiber Neu)
{
    Beschreiber = std::move(Neu);
}

TZellbeschreibung TSpielbrett::Beschreibung(TZelle Zelle) const
{
    if (Beschreiber)
        return Beschreiber(Zelle);
    TZellbeschreibung Leer;
    Leer.Name = "leer";
    return Leer;
}

QRect TSpielbrett::Zellrechteck(TZelle Zelle)
{
    // The tile with its outline; the cell's last column and row are the gap.
    return {Zellgroesse * (Zelle.Spalte - 1), Zellgroesse * (Zelle.Zeile - 1), Zellgroesse - 1, Zellgroesse - 1};
}

void TSpielbrett::BeginneSpiel(const TFelder& Felder, int Form)
{
    ZeichneZeigerNeu();
    Zeiger.Beginne(Felder, Form);
    ZeichneZeigerNeu();
    MeldeAenderungen();
    MeldeFokus();
}

bool TSpielbrett::ZeigtZeiger() const
{
    return hasFocus() && !ZeigerVerborgen && HatBild();
}

void TSpielbrett::SetzeZeiger(TZelle Zelle)
{
    if (Zelle == Zeiger.Zelle())
        return;
    ZeichneZeigerNeu();
    Zeiger.Setze(Zelle);
    ZeichneZeigerNeu();
    MeldeFokus();
}

void TSpielbrett::ZeichneZeigerNeu()
{
    update(Rahmenrechteck(Zeiger.Zelle()));
}

void TSpielbrett::paintEvent(QPaintEvent* Ereignis)
{
    TBildFeld::paintEvent(Ereignis);
    if (ZeigtZeiger() && Ereignis->region().intersects(Rahmenrechteck(Zeiger.Zelle()))) {
        QPainter Maler(this);
        MaleZeiger(Maler);
    }
}

// Two rings of two pixels: a white one on the outline and the gap, and a
// black one inside it on the tile's face. Between them the contrast is
// 21 : 1, and against any colour beside the frame one of the two has at
// least 4.5 : 1. The inner ring takes only pixels of the tile's own
// colour, so it never covers a pixel of the text, however wide.
void TSpielbrett::MaleZeiger(QPainter& Maler) const
{
    const QRect Stein = Zellrechteck(Zeiger.Zelle());
    const QRect Flaeche = Stein.adjusted(1, 1, -1, -1);
    const QRect Aussen = Rahmenrechteck(Zeiger.Zelle());

    Maler.save();
    Maler.setClipRegion(QRegion(Aussen).subtracted(QRegion(Flaeche)));
    Maler.fillRect(Aussen, Qt::white);
    Maler.restore();

    const qreal Verhaeltnis = Bild().devicePixelRatio();
    const QRect Geraetepixel(QPointF(Flaeche.topLeft() * Verhaeltnis).toPoint(),
                             QSizeF(QSizeF(Flaeche.size()) * Verhaeltnis).toSize());
    QImage Ring = Bild().copy(Geraetepixel).convertToFormat(QImage::Format_RGB32);
    const int Breite = static_cast<int>(std::lround(Randbreite * Verhaeltnis));
    const bool MitStein = Beschreibung(Zeiger.Zelle()).Stein;
    const QRgb Steinfarbe = Ring.pixel(0, 0);
    for (int Y = 0; Y < Ring.height(); ++Y)
        for (int X = 0; X < Ring.width(); ++X) {
            const bool AmRand = X < Breite || Y < Breite || X >= Ring.width() - Breite || Y >= Ring.height() - Breite;
            if (AmRand && (!MitStein || Ring.pixel(X, Y) == Steinfarbe))
                Ring.setPixel(X, Y, qRgb(0, 0, 0));
        }
    Ring.setDevicePixelRatio(Verhaeltnis);
    Maler.drawImage(Flaeche.topLeft(), Ring);
}

void TSpielbrett::keyPressEvent(QKeyEvent* Ereignis)
{
    const auto Taste = Zeigertaste(Ereignis->key());
    const bool Druck = IstDrucktaste(Ereignis->key());
    if ((!Taste && !Druck) || (Ereignis->modifiers() & ~Qt::KeypadModifier)) {
        TBildFeld::keyPressEvent(Ereignis);
        return;
    }
    const QRect Quadrat = Zellrechteck(Zeiger.Zelle());
    const int X = Quadrat.center().x() + 1;
    const int Y = Quadrat.center().y() + 1;
    // A press on a cell that something covers, such as the help, is no
    // press on the board: Enter goes on to the window.
    if (Druck && IstVerdeckt({X, Y})) {
        Ereignis->ignore();
        return;
    }
    // The first key after a mouse press shows the cursor where it stands.
    if (ZeigerVerborgen) {
        ZeigerVerborgen = false;
        ZeichneZeigerNeu();
        MeldeFokus();
        return;
    }
    if (Taste) {
        TTastaturzeiger Neu = Zeiger;
        Neu.Bewege(*Taste);
        SetzeZeiger(Neu.Zelle());
        return;
    }
    // Holding the key down presses once.
    if (Ereignis->isAutoRepeat())
        return;
    emit MausGedrueckt(Qt::NoButton, Ereignis->modifiers(), X, Y);
    MeldeAenderungen();
}

bool TSpielbrett::IstVerdeckt(QPoint Stelle) const
{
    const QWidget* Oben = window()->childAt(mapTo(window(), Stelle));
    return Oben != this;
}

void TSpielbrett::mousePressEvent(QMouseEvent* Ereignis)
{
    ZeigerVerborgen = true;
    ZeichneZeigerNeu();
    const QPointF Stelle = Ereignis->position();
    if (const auto Zelle = ZelleAnPixel(static_cast<int>(std::floor(Stelle.x())), static_cast<int>(std::floor(Stelle.y()))))
        SetzeZeiger(*Zelle);
    TBildFeld::mousePressEvent(Ereignis);
    MeldeAenderungen();
}

void TSpielbrett::focusInEvent(QFocusEvent* Ereignis)
{
    TBildFeld::focusInEvent(Ereignis);
    switch (Ereignis->reason()) {
    case Qt::MouseFocusReason:
        ZeigerVerborgen = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        break;
    default:
        ZeigerVerborgen = false;
        break;
    }
    ZeichneZeigerNeu();
    MeldeFokus();
}

void TSpielbrett::focusOutEvent(QFocusEvent* Ereignis)
{
    TBildFeld::focusOutEvent(Ereignis);
    ZeichneZeigerNeu();
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

void TSpielbrett::MeldeFokus() const
{
    if (!hasFocus() || !QAccessible::isActive())
        return;
    if (QAccessibleInterface* Brett = QAccessible::queryAccessibleInterface(const_cast<TSpielbrett*>(this)))
        if (QAccessibleInterface* Zelle = Brett->child(Zellnummer(Zeiger.Zelle()))) {
            QAccessibleEvent Fokus(Zelle, QAccessible::Focus);
            QAccessible::updateAccessibility(&Fokus);
        }
}

void TSpielbrett::MeldeAenderungen()
{
    QAccessibleInterface* Brett =
        QAccessible::isActive() ? QAccessible::queryAccessibleInterface(this) : nullptr;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            const int Nummer = Zellnummer({Spalte, Zeile});
            TZellbeschreibung Neu = Beschreibung({Spalte, Zeile});
            TZellbeschreibung& Alt = Gemeldet[static_cast<std::size_t>(Nummer)];
            if (Neu == Alt)
                continue;
            QAccessibleInterface* Zelle = Brett ? Brett->child(Nummer) : nullptr;
            if (Zelle && Neu.Name != Alt.Name) {
                QAccessibleEvent Name(Zelle, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&Name);
            }
            if (Zelle && (Neu.Ausgewaehlt != Alt.Ausgewaehlt || Neu.Stein != Alt.Stein)) {
                QAccessible::State Geaendert;
                Geaendert.selected = Neu.Ausgewaehlt != Alt.Ausgewaehlt;
                Geaendert.selectable = Neu.Stein != Alt.Stein;
                QAccessibleStateChangeEvent Zustand(Zelle, Geaendert);
                QAccessible::updateAccessibility(&Zustand);
            }
            if (Zelle && Neu.Eingesperrt != Alt.Eingesperrt) {
                QAccessibleEvent Beschreibung(Zelle, QAccessible::DescriptionChanged);
                QAccessible::updateAccessibility(&Beschreibung);
            }
            Alt = std::move(Neu);
        }
}

} // namespace kalumbo
