// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Hilfe.h"

#include "ui/Glyphen.h"
#include "ui/Schriften.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace kalumbo {

namespace {

// The introduction above the example pair. Some lines keep a blank at
// their end; it belongs to the text.
const char Einleitung[] =
    "Dieses Spiel wurde für Kinder geschrieben, die auf unterhaltsame Weise \n"
    "Rechnen üben wollen. (Aber natürlich kann auch Erwachsenen etwas \n"
    "Gehirntraining zwischendurch nicht schaden. :-) )\n"
    "Das Spielprinzip ist ähnlich dem bekannten Kalumbo: Spielsteine, die nicht \n"
    "seitlich 'eingesperrt' sind, können paarweise entfernt werden, wenn die \n"
    "Rechnung und das Ergebnis zusammenpassen, also zum Beispiel:";

// The main text below the example pair.
const char Erklaerung[] =
    "Dieses Spiel ist einerseits leichter als Kalumbo, weil die Spielsteine in einer\n"
    "einzigen Ebene liegen; es geht ja vor allem um's Rechnen. Andererseits gibt es\n"
    "von jeder Rechnung nur zwei passende Steine, nicht - wie bei Kalumbo - vier.\n"
    "\n"
    "Alle gelösten Rechnungen werden während des Spiels in die rechts unter 'Spiel'\n"
    "sichtbare Liste eingetragen.\n"
    "\n"
    "Die 'Einstellungen' betreffen vor allem den Zahlenraum der Rechnungen, die\n"
    "verwendeten Rechenarten (in verschiedenen Kombinationen) und die Anordnung\n"
    "der Spielsteine.\n"
    "Außerdem stehen vier Hintergrundbilder zur Auswahl. Eines oder mehrere davon\n"
    "können auch durch eigene JPEG-Bilder im selben Verzeichnis wie das Spiel\n"
    "ersetzt werden (Dateinamen Bild1.jpg bis Bild4.jpg sind möglich; es werden \n"
    "400x400 Pixel verwendet).\n"
    "Auch die Farben der Spielsteine können angepasst werden. Dabei werden die\n"
    "gewählten Farben an die Farbpalette des Hintergrundbilds angeglichen.";

// In Liberation Sans the widest line of the main text is 393 pixels wide,
// more than the box's 385. Drawn at 97 per cent of its width every line
// fits on one line, and the sixteen lines of 13 pixels fill the box's 209
// pixels, so the texts go right to the edges of their boxes.
constexpr int Textbreite = 97;
constexpr int Textrand = 0;

constexpr QSize Steingroesse(50, 50);
constexpr int Versionshoehe = 13;

// A tile of the example pair: white with a thin black outline.
QFrame* Quadrat(QWidget* Eltern, const char* Name, QPoint Ecke)
{
    auto* Stein = new QFrame(Eltern);
    Stein->setObjectName(QString::fromLatin1(Name));
    Stein->setGeometry(QRect(Ecke, Steingroesse));
    Stein->setFrameStyle(QFrame::Box | QFrame::Plain);
    Stein->setLineWidth(1);
    QPalette Farben = Stein->palette();
    Farben.setColor(QPalette::Window, Qt::white);
    Farben.setColor(QPalette::WindowText, Qt::black);
    Stein->setPalette(Farben);
    Stein->setAutoFillBackground(true);
    return Stein;
}

// A label sized to its text, with its top-left corner where given.
QLabel* Beschriftung(QWidget* Eltern, const char* Name, QPoint Ecke, const QString& Text, const QFont& Schrift)
{
    auto* Ergebnis = new QLabel(Text, Eltern);
    Ergebnis->setObjectName(QString::fromLatin1(Name));
    Ergebnis->setFont(Schrift);
    Ergebnis->move(Ecke);
    Ergebnis->adjustSize();
    return Ergebnis;
}

// The text on a tile of the example pair. The label has no background of
// its own, so the white tile shows around the letters.
QLabel* Steintext(QWidget* Eltern, const char* Name, QPoint Ecke, const char* Text)
{
    return Beschriftung(Eltern, Name, Ecke, QString::fromLatin1(Text), Schrift(13, true));
}

QLabel* Versionstext(QWidget* Eltern)
{
    auto* Ergebnis = Beschriftung(Eltern, "Label9", {8, 377}, QStringLiteral("Version 1.0"), Schrift(11));
    Ergebnis->resize(Ergebnis->width(), Versionshoehe);
    QPalette Farben = Ergebnis->palette();
    Farben.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Ergebnis->setPalette(Farben);
    Ergebnis->setAutoFillBackground(true);
    return Ergebnis;
}

// A text box without frame or scroll bars, in the panel's colour, that
// breaks its lines at word boundaries.
QPlainTextEdit* Textfeld(QWidget* Eltern, const char* Name, QRect Lage, const char* Text, bool NurLesen)
{
    auto* Feld = new QPlainTextEdit(Eltern);
    Feld->setObjectName(QString::fromLatin1(Name));
    Feld->setGeometry(Lage);
    Feld->setFrameStyle(QFrame::NoFrame);
    Feld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Feld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Feld->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Feld->setWordWrapMode(QTextOption::WordWrap);

    QFont Schmaler = Fensterschrift();
    Schmaler.setStretch(Textbreite);
    Feld->setFont(Schmaler);
    Feld->document()->setDocumentMargin(Textrand);

    QPalette Farben = Feld->palette();
    Farben.setColor(QPalette::Base, Farben.color(QPalette::Window));
    Feld->setPalette(Farben);

    Feld->setPlainText(QString::fromUtf8(Text));
    Feld->setReadOnly(NurLesen);
    Feld->setFocusPolicy(Qt::ClickFocus);
    // Tab leaves the box as it leaves any control of the window; it types
    // no tab character into the text.
    Feld->setTabChangesFocus(true);
    return Feld;
}

QPushButton* Fertigknopf(QWidget* Eltern)
{
    auto* Knopf = new QPushButton(QStringLiteral("Fertig"), Eltern);
    Knopf->setObjectName(QStringLiteral("BitBtn6"));
    Knopf->setGeometry(314, 370, 75, 24);
    Knopf->setIcon(Standardglyphe(Eltern, QStyle::SP_DialogOkButton));
    Knopf->setIconSize(QSize(16, 16));
    Knopf->setToolTip(QStringLiteral("Hilfetext ausblenden"));
    Knopf->setFocusPolicy(Qt::ClickFocus);
    return Knopf;
}

} // namespace

THilfe::THilfe(QWidget* Eltern)
    : QFrame(Eltern),
      Shape1(Quadrat(this, "Shape1", {136, 103})),
      Label2(Steintext(this, "Label2", {149, 120}, "1+1")),
      Shape2(Quadrat(this, "Shape2", {208, 103})),
      Label3(Steintext(this, "Label3", {229, 120}, "2")),
      Label9(Versionstext(this)),
      Memo1(Textfeld(this, "Memo1", {8, 160, 385, 209}, Erklaerung, true)),
      BitBtn6(Fertigknopf(this)),
      Memo2(Textfeld(this, "Memo2", {8, 8, 385, 89}, Einleitung, false))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFont(Fensterschrift());
    // The names a screen reader gives the two boxes of text.
    setAccessibleName(QStringLiteral("Hilfe"));
    Memo2->setAccessibleName(QStringLiteral("Spielidee"));
    Memo1->setAccessibleName(QString::fromUtf8("Erklärung"));
}

} // namespace kalumbo
