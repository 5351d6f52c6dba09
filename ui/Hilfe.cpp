// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Hilfe.h"

#include "ui/Aufbau.h"
#include "ui/Schriften.h"
#include "ui/Textquelle.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kalumbo {

namespace {

// The texts go right to the edges of their boxes, as on the page.
constexpr int Textrand = 0;

// A tile of the example pair: white with a thin black outline. Its text is
// a label without a background of its own, so the white tile shows around
// the letters.
QFrame* Beispielstein(QWidget* Eltern, const Lage::TControl& Vorlage)
{
    auto* Stein = Erzeuge<QFrame>(Eltern, Vorlage);
    Stein->setFrameStyle(QFrame::Box | QFrame::Plain);
    Stein->setLineWidth(1);
    QPalette Farben = Stein->palette();
    Farben.setColor(QPalette::Window, Qt::white);
    Farben.setColor(QPalette::WindowText, Qt::black);
    Stein->setPalette(Farben);
    Stein->setAutoFillBackground(true);
    return Stein;
}

// The version, on the panel's face colour.
QLabel* Versionstext(QWidget* Eltern)
{
    auto* Ergebnis = Beschriftung(Eltern, Lage::Version);
    Ergebnis->setAutoFillBackground(true);
    return Ergebnis;
}

// A text box without frame or scroll bars, in the panel's colour, that
// breaks its lines at word boundaries. In Liberation Sans the widest line
// of the main text is 393 pixels wide, more than the box's 385; with the
// letters a little closer (Lage::Zeichenabstand) every line fits on one
// line, and the sixteen lines fill the box.
QPlainTextEdit* Textfeld(QWidget* Eltern, const Lage::TTextfeld& Vorlage)
{
    auto* Feld = new QPlainTextEdit(Eltern);
    Feld->setObjectName(QString::fromLatin1(Vorlage.Name));
    Feld->setGeometry(Vorlage.Lage);
    Feld->setFrameStyle(QFrame::NoFrame);
    Feld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Feld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Feld->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Feld->setWordWrapMode(QTextOption::WordWrap);

    QFont Schmaler = Fensterschrift();
    Schmaler.setLetterSpacing(QFont::AbsoluteSpacing, Lage::Zeichenabstand);
    Feld->setFont(Schmaler);
    Feld->document()->setDocumentMargin(Textrand);

    QPalette Farben = Feld->palette();
    Farben.setColor(QPalette::Base, Farben.color(QPalette::Window));
    Feld->setPalette(Farben);

    Feld->setPlainText(QText(Vorlage.Text));
    Feld->setReadOnly(Vorlage.NurLesen);
    Feld->setFocusPolicy(Qt::ClickFocus);
    // Tab leaves the box as it leaves any control of the window; it types
    // no tab character into the text.
    Feld->setTabChangesFocus(true);
    return Feld;
}

} // namespace

THilfe::THilfe(QWidget* Eltern)
    : QFrame(Eltern),
      BeispielRechnungStein(Beispielstein(this, Lage::BeispielRechnungStein)),
      BeispielRechnung(Beschriftung(this, Lage::BeispielRechnung)),
      BeispielErgebnisStein(Beispielstein(this, Lage::BeispielErgebnisStein)),
      BeispielErgebnis(Beschriftung(this, Lage::BeispielErgebnis)),
      Version(Versionstext(this)),
      Erklaerung(Textfeld(this, Lage::Erklaerung)),
      FertigKnopf(Knopf(this, Lage::FertigKnopf)),
      Einleitung(Textfeld(this, Lage::Einleitung))
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
