// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace kalumbo {

// A picture box: shows its picture unscaled at its top-left corner and
// reports every mouse press on it, with any button, by its pixel.
class TBildFeld : public QWidget {
    Q_OBJECT

public:
    explicit TBildFeld(QWidget* Eltern);

    const QImage& Bild() const { return Inhalt; }
    bool HatBild() const { return !Inhalt.isNull(); }
    void SetzeBild(QImage Neu);

    // The picture to draw into, of the given size in logical pixels and at
    // the screen's resolution: a white one when nothing was drawn before.
    // Call update() when the drawing is done.
    QImage& Leinwand(QSize Groesse);

    // A fresh picture to draw into, filled with one colour.
    QImage& NeueLeinwand(QSize Groesse, const QColor& Farbe);

signals:
    void MausGedrueckt(Qt::MouseButton Knopf, Qt::KeyboardModifiers Tasten, int X, int Y);

protected:
    void paintEvent(QPaintEvent* Ereignis) override;
    // A double click arrives here as its second press, too.
    void mousePressEvent(QMouseEvent* Ereignis) override;

private:
    void Uebernimm();

    QImage Inhalt;
};

} // namespace kalumbo
