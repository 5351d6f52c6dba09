// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Hilfe.h"

#include "ui/Glyphen.h"
#include "ui/Schriften.h"
#include "ui/Textquelle.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace kalumbo {

namespace {

// In Liberation Sans the widest line of the main text is 393 pixels wide,
// more than the box's 385. With the letters 0.15 pixels closer every line
// fits on one line, and the sixteen lines of 13 pixels fill the box's 209
// pixels, so the texts go right to the edges of their boxes. The page sets
// its help the same way.
constexpr qreal Zeichenabstand = -0.15;
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
QLabel* Steintext(QWidget* Eltern, const char* Name, QPoint Ecke, const char* Inhalt)
{
    return Beschriftung(Eltern, Name, Ecke, QText(Inhalt), Schrift(13, true));
}

QLabel* Versionstext(QWidget* Eltern)
{
    auto* Ergebnis = Beschriftung(Eltern, "Version", {8, 377}, QText(Texte::Version), Schrift(11));
    Ergebnis->resize(Ergebnis->width(), Versionshoehe);
    QPalette Farben = Ergebnis->palette();
    Farben.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Ergebnis->setPalette(Farben);
    Ergebnis->setAutoFillBackground(true);
    return Ergebnis;
}

// A text box without frame or scroll bars, in the panel's colour, that
// breaks its lines at word boundaries.
QPlainTextEdit* Textfeld(QWidget* Eltern, const char* Name, QRect Lage, const char* Inhalt, bool NurLesen)
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
    Schmaler.setLetterSpacing(QFont::AbsoluteSpacing, Zeichenabstand);
    Feld->setFont(Schmaler);
    Feld->document()->setDocumentMargin(Textrand);

    QPalette Farben = Feld->palette();
    Farben.setColor(QPalette::Base, Farben.color(QPalette::Window));
    Feld->setPalette(Farben);

    Feld->setPlainText(QText(Inhalt));
    Feld->setReadOnly(NurLesen);
    Feld->setFocusPolicy(Qt::ClickFocus);
    // Tab leaves the box as it leaves any control of the window; it types
    // no tab character into the text.
    Feld->setTabChangesFocus(true);
    return Feld;
}

QPushButton* Fertigknopf(QWidget* Eltern)
{
    auto* Knopf = new QPushButton(QText(Texte::Fertig), Eltern);
    Knopf->setObjectName(QStringLiteral("FertigKnopf"));
    Knopf->setGeometry(314, 370, 75, 24);
    Knopf->setIcon(Standardglyphe(Eltern, QStyle::SP_DialogOkButton));
    Knopf->setIconSize(QSize(16, 16));
    Knopf->setToolTip(QText(Texte::FertigHinweis));
    Knopf->setFocusPolicy(Qt::ClickFocus);
    return Knopf;
}

} // namespace

THilfe::THilfe(QWidget* Eltern)
    : QFrame(Eltern),
      BeispielRechnungStein(Quadrat(this, "BeispielRechnungStein", {136, 103})),
      BeispielRechnung(Steintext(this, "BeispielRechnung", {149, 120}, Texte::BeispielRechnung)),
      BeispielErgebnisStein(Quadrat(this, "BeispielErgebnisStein", {208, 103})),
      BeispielErgebnis(Steintext(this, "BeispielErgebnis", {229, 120}, Texte::BeispielErgebnis)),
      Version(Versionstext(this)),
      Erklaerung(Textfeld(this, "Erklaerung", {8, 160, 385, 209}, Texte::Erklaerung, true)),
      FertigKnopf(Fertigknopf(this)),
      Einleitung(Textfeld(this, "Einleitung", {8, 8, 385, 89}, Texte::Einleitung, false))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFont(Fensterschrift());
    // The names a screen reader gives the two boxes of text.
    setAccessibleName(QText(Texte::HilfeName));
    Einleitung->setAccessibleName(QText(Texte::EinleitungName));
    Erklaerung->setAccessibleName(QText(Texte::ErklaerungName));
}

} // namespace kalumbo
