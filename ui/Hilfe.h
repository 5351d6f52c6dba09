// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kalumbo {

// The help panel over the board: how the game goes, with an example pair.
// The window shows and hides it; "Fertig" is wired by the window, too.
// Nothing on it is visited by the Tab key: the text boxes and the button
// take the focus only when clicked.
class THilfe : public QFrame {
    Q_OBJECT

public:
    explicit THilfe(QWidget* Eltern);

    // The controls, in the order they are made: each lies above the ones
    // before it.
    QFrame* const BeispielRechnungStein;   // the example problem tile
    QLabel* const BeispielRechnung;   // "1+1" on it
    QFrame* const BeispielErgebnisStein;   // the example result tile
    QLabel* const BeispielErgebnis;   // "2" on it
    QLabel* const Version;   // the version
    QPlainTextEdit* const Erklaerung;  // the main text, read-only
    QPushButton* const FertigKnopf;   // "Fertig"
    QPlainTextEdit* const Einleitung;  // the introduction; the player may write in it
};

} // namespace kalumbo
