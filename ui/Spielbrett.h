// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Tastaturzeiger.h"
#include "game/Zellbeschreibung.h"
#include "ui/BildFeld.h"

#include <array>
#include <functional>

namespace kalumbo {

// The board: the picture box that shows the tiles, played with the mouse
// or with the keyboard. While it has the focus a frame marks the cell
// under the keyboard cursor; the arrow keys, Home and End move it, Space
// and Enter press the cell, as a mouse press at its middle would. A
// mouse press hides the frame until the next key, so a player with the
// mouse sees the board as it is drawn. The frame is painted over the
// board's picture, never into it.
class TSpielbrett : public TBildFeld {
    Q_OBJECT

public:
    // What the board learns about a cell from the game.
    using TBeschreiber = std::function<TZellbeschreibung(TZelle)>;

    explicit TSpielbrett(QWidget* Eltern);

    // Set once by the window; before that every cell reads "leer".
    void SetzeBeschreiber(TBeschreiber Neu);
    TZellbeschreibung Beschreibung(TZelle Zelle) const;

    // A new game lies on the board: the cursor goes to its first free tile.
    void BeginneSpiel(const TFelder& Felder, int Form);

    TZelle Zeigerzelle() const { return Zeiger.Zelle(); }
    // Whether the frame is on screen: the board has the focus, and no
    // mouse press has hidden the cursor since the last key.
    bool ZeigtZeiger() const;

    // The cell's square, in the board's pixels.
    static QRect Zellrechteck(TZelle Zelle);

    // Tells assistive technology about every cell whose words changed
    // since it was last told: after each press and each new game.
    void MeldeAenderungen();

protected:
    void paintEvent(QPaintEvent* Ereignis) override;
    void keyPressEvent(QKeyEvent* Ereignis) override;
    void mousePressEvent(QMouseEvent* Ereignis) override;
    void focusInEvent(QFocusEvent* Ereignis) override;
    void focusOutEvent(QFocusEvent* Ereignis) override;
    void hideEvent(QHideEvent* Ereignis) override;
    void showEvent(QShowEvent* Ereignis) override;

private:
    void SetzeZeiger(TZelle Zelle);
    void ZeichneZeigerNeu();
    void MaleZeiger(QPainter& Maler) const;
    void DrueckeZeigerzelle(Qt::KeyboardModifiers Tasten);
    bool IstVerdeckt(QPoint Stelle) const;
    void MeldeFokus() const;

    TTastaturzeiger Zeiger;
    bool ZeigerVerborgen = false;
    bool FokusVorDemVerbergen = false;
    TBeschreiber Beschreiber;
    std::array<TZellbeschreibung, Spalten * Zeilen> Gemeldet{};
};

} // namespace kalumbo
