// The yardstick for the game's start-up: the smallest Qt Widgets program
// that shows a window with text, a window of the game window's size with a
// title and one push button with a caption, built with the same compiler
// and flags as the game. The caption matters: the first text on screen
// sets up the fonts, which every window with text pays for.
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
    Knopf.setGeometry(424, 40, 121, 25);
    Fenster.show();
    return Anwendung.exec();
}
