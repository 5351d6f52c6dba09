// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: the smallest Qt Widgets program
// that shows a window with text, a window of the game window's size with a
// title and one push button with a caption, built with the same compiler
// and flags as the game. The button is sized to its caption, as a layout
// would size it: measuring the first text sets up the fonts, which any
// window that lays out text pays for before it is shown.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication Anwendung(argc, argv);
    QWidget Fenster;
    Fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    Fenster.resize(553, 417);
    QPushButton Knopf(QStringLiteral("Neues Spiel"), &Fenster);
    Knopf.move(424, 40);
    Knopf.adjustSize();
    Fenster.show();
    return Anwendung.exec();
}
