// The yardstick for the game's start-up: the smallest Qt Widgets program
// that shows a window, one empty widget of the game window's size with a
// title, built with the same compiler and flags as the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication Anwendung(argc, argv);
    QWidget Fenster;
    Fenster.setWindowTitle(QStringLiteral("Leeres Fenster"));
    Fenster.resize(553, 417);
    Fenster.show();
    return Anwendung.exec();
}
