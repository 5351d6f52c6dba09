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
    QFrame* const Shape1;   // the example problem tile
    QLabel* const Label2;   // "1+1" on it
    QFrame* const Shape2;   // the example result tile
    QLabel* const Label3;   // "2" on it
    QLabel* const Label9;   // the version
    QPlainTextEdit* const Memo1;  // the main text, read-only
    QPushButton* const BitBtn6;   // "Fertig"
    QPlainTextEdit* const Memo2;  // the introduction; the player may write in it
};

} // namespace kalumbo
