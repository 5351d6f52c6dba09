// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's half of the comparison of both editions: plays a seeded
// game by the steps given, with the real input events a player makes,
// and at each "foto:NAME" writes NAME.png (the window's client area) and
// NAME.json (every control the player sees: its name, its rectangle in
// the window and its caption as shown).
//
//   paritaet_fenster SAAT ORDNER SCHRITT...
//
// Steps: klicke:NAME (the control of that name), seite:NAME (the tab of
// the page "Spiel" or "Einstellungen"), zelle:S,Z (the middle of a cell of
// the board), taste:NAME (Tab, Space, Left, Right, Up, Down, Home, End,
// Enter), foto:NAME or controls:NAME (the same files; the second is
// compared for its controls only).
#include "ui/Anwendung.h"
#include "ui/RadioGruppe.h"
#include "ui/TForm1.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

using namespace kalumbo;

// What kind of control it is, and the caption it shows, if any.
std::pair<QString, QString> ArtUndBeschriftung(const QWidget* Control)
{
    if (const auto* Knopf = qobject_cast<const QAbstractButton*>(Control))
        return {QStringLiteral("knopf"), Knopf->text().remove(QLatin1Char('&'))};
    if (const auto* Text = qobject_cast<const QLabel*>(Control))
        return {QStringLiteral("beschriftung"), Text->text()};
    if (const auto* Gruppe = qobject_cast<const QGroupBox*>(Control))
        return {QStringLiteral("gruppe"), Gruppe->title()};
    return {QStringLiteral("flaeche"), QString()};
}

// Every control the player sees that has a name, with the captions of the
// items of a group after its own.
QJsonArray Controls(const TForm1& Form1)
{
    QJsonArray Alle;
    for (const QWidget* Control : Form1.findChildren<QWidget*>()) {
        if (Control->objectName().isEmpty() || !Control->isVisibleTo(&Form1))
            continue;
        const QRect Lage(Control->mapTo(&Form1, QPoint(0, 0)), Control->size());
        QJsonArray Eintraege;
        if (const auto* Gruppe = qobject_cast<const TRadioGruppe*>(Control))
            for (int Index = 0; Index < Gruppe->Items().size(); ++Index)
                Eintraege.append(Gruppe->Knopf(Index)->text());
        const auto [Art, Text] = ArtUndBeschriftung(Control);
        Alle.append(QJsonObject{{"name", Control->objectName()},
                                {"art", Art},
                                {"lage", QJsonArray{Lage.x(), Lage.y(), Lage.width(), Lage.height()}},
                                {"text", Text},
                                {"eintraege", Eintraege}});
    }
    return Alle;
}

Qt::Key Taste(const QString& Name)
{
    static const std::map<QString, Qt::Key> Tasten{
        {"Tab", Qt::Key_Tab},   {"Space", Qt::Key_Space}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
        {"Up", Qt::Key_Up},     {"Down", Qt::Key_Down},   {"Home", Qt::Key_Home}, {"End", Qt::Key_End},
        {"Enter", Qt::Key_Return}};
    return Tasten.at(Name);
}

void Schritt(TForm1& Form1, const QDir& Ordner, const QString& Text)
{
    const QString Art = Text.section(QLatin1Char(':'), 0, 0);
    const QString Wert = Text.section(QLatin1Char(':'), 1);
    if (Art == QLatin1String("klicke")) {
        auto* Control = Form1.findChild<QWidget*>(Wert);
        QTest::mouseClick(Form1.windowHandle(), Qt::LeftButton, {}, Control->mapTo(&Form1, Control->rect().center()));
    } else if (Art == QLatin1String("seite")) {
        QTabBar* Reiter = Form1.Seiten->tabBar();
        const int Index = Form1.Seiten->indexOf(Wert == QLatin1String("Spiel") ? Form1.Spiel : Form1.Einstellungen);
        QTest::mouseClick(Form1.windowHandle(), Qt::LeftButton, {}, Reiter->mapTo(&Form1, Reiter->tabRect(Index).center()));
    } else if (Art == QLatin1String("zelle")) {
        const int Spalte = Wert.section(QLatin1Char(','), 0, 0).toInt();
        const int Zeile = Wert.section(QLatin1Char(','), 1, 1).toInt();
        const QPoint Mitte = Form1.Spielbrett->mapTo(&Form1, QPoint(50 * Spalte - 25, 50 * Zeile - 25));
        QTest::mouseClick(Form1.windowHandle(), Qt::LeftButton, {}, Mitte);
    } else if (Art == QLatin1String("taste")) {
        QTest::keyClick(Form1.windowHandle(), Taste(Wert));
    } else if (Art == QLatin1String("foto") || Art == QLatin1String("controls")) {
        QApplication::processEvents();
        Form1.grab().toImage().save(Ordner.filePath(Wert + QStringLiteral(".png")));
        QFile Datei(Ordner.filePath(Wert + QStringLiteral(".json")));
        if (!Datei.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write " + Datei.fileName().toStdString());
        Datei.write(QJsonDocument(Controls(Form1)).toJson());
    } else {
        throw std::runtime_error("unknown step " + Text.toStdString());
    }
}

} // namespace

int main(int argc, char** argv)
{
    TAnwendung Anwendung(argc, argv);
    const QStringList Argumente = QApplication::arguments();
    if (Argumente.size() < 3) {
        std::fprintf(stderr, "usage: paritaet_fenster SAAT ORDNER SCHRITT...\n");
        return 2;
    }
    TForm1 Form1(std::make_unique<TSaatZufall>(Argumente[1].toULongLong()));
    Form1.show();
    if (!QTest::qWaitForWindowExposed(&Form1))
        return 1;
    Form1.activateWindow();
    const QDir Ordner(Argumente[2]);
    for (const QString& Text : Argumente.mid(3))
        Schritt(Form1, Ordner, Text);
    return 0;
}
