// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Spielsteuerung.h"
#include "ui/BildFeld.h"

namespace kalumbo {

// The board: the picture box that shows the board picture, and above it
// the picture with the keyboard's frame. It passes the mouse, the keys
// and the focus on to the game's steering, which decides and draws; and
// it tells assistive technology what the steering reports.
class TSpielbrett : public TBildFeld {
    Q_OBJECT

public:
    explicit TSpielbrett(QWidget* Eltern);

    // Set once by the window, before the board is shown.
    // Null lets go of the steering, as the window does before its members die.
    void Steuere(TSpielsteuerung* Neu);

    // The picture above the board, of the board's size, transparent where
    // the frame is not.
    QImage& Zeigerebene();

    TZelle Zeigerzelle() const;
    // Whether the keyboard's frame is on screen.
    bool ZeigtZeiger() const;
    TZellbeschreibung Beschreibung(TZelle Zelle) const;

    // The cell's square, in the board's pixels: the tile with its outline.
    static QRect Zellrechteck(TZelle Zelle);

    // What the steering reports, for assistive technology: the cursor is
    // on a cell, or shows itself there again; a cell's words have changed.
    void MeldeZeiger();
    void MeldeZelle(TZelle Zelle, const TZellbeschreibung& Neu, const TZellbeschreibung& Alt) const;

protected:
    void paintEvent(QPaintEvent* Ereignis) override;
    void keyPressEvent(QKeyEvent* Ereignis) override;
    void mousePressEvent(QMouseEvent* Ereignis) override;
    void focusInEvent(QFocusEvent* Ereignis) override;
    void focusOutEvent(QFocusEvent* Ereignis) override;
    void hideEvent(QHideEvent* Ereignis) override;
    void showEvent(QShowEvent* Ereignis) override;

private:
    void MeldeFokus() const;

    TSpielsteuerung* Steuerung = nullptr;
    bool ImFokuseingang = false;
    QImage Ebene;
    bool FokusVorDemVerbergen = false;
};

} // namespace kalumbo
