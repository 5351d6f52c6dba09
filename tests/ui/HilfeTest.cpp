// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel: its controls and texts, what the player may do with them,
// and that the texts fit their boxes.
#include "ui/Hilfe.h"

#include "Fensterhilfen.h"
#include "ui/Schriften.h"
#include "ui/Textquelle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <cstdlib>

namespace kalumbo::test {
namespace {

// The help texts as the game's one text source holds them, a paragraph a line.
QStringList Zeilen(const char* Text)
{
    return QText(Text).split(u'\n');
}

const QStringList EinleitungZeilen = Zeilen(Texte::Einleitung);
const QStringList ErklaerungZeilen = Zeilen(Texte::Erklaerung);

QStringList Absaetze(const QPlainTextEdit* Feld)
{
    QStringList Ergebnis;
    for (QTextBlock Block = Feld->document()->begin(); Block.isValid(); Block = Block.next())
        Ergebnis.append(Block.text());
    return Ergebnis;
}

QPoint Mitte(const QRect& Lage)
{
    return Lage.topLeft() + QPoint(Lage.width() / 2, Lage.height() / 2);
}

bool IstDunkel(QRgb Farbe)
{
    return qGray(Farbe) < 128;
}

// The panel at its place on a window of its own, with a button on either
// side of it in the creation order, as the window's buttons are.
class HilfeTest : public testing::Test {
protected:
    HilfeTest()
    {
        Fenster.resize(560, 420);
        Vorher->setGeometry(424, 8, 57, 25);
        Hilfe->setGeometry(8, 8, 400, 400);
        Nachher->setGeometry(488, 8, 57, 25);
    }

    void Zeige()
    {
        Fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }

    void ZeigeAktiv()
    {
        Zeige();
        Fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Fenster));
    }

    QColor Flaechenfarbe() const { return Hilfe->palette().color(QPalette::Window); }

    QWidget Fenster;
    QPushButton* Vorher = new QPushButton(QStringLiteral("Vorher"), &Fenster);
    THilfe* Hilfe = new THilfe(&Fenster);
    QPushButton* Nachher = new QPushButton(QStringLiteral("Nachher"), &Fenster);
};

using HilfeAufbau = HilfeTest;

TEST_F(HilfeAufbau, ControlsLiegenInIhrerReihenfolgeUebereinander)
{
    QStringList Namen;
    for (QObject* Kind : Hilfe->children())
        if (Kind->isWidgetType())
            Namen.append(Kind->objectName());
    EXPECT_EQ(Namen, (QStringList{"BeispielRechnungStein", "BeispielRechnung", "BeispielErgebnisStein", "BeispielErgebnis", "Version", "Erklaerung", "FertigKnopf", "Einleitung"}));

    // The labels lie on their tiles, not under them.
    EXPECT_EQ(Hilfe->childAt(Mitte(Hilfe->BeispielRechnung->geometry())), Hilfe->BeispielRechnung);
    EXPECT_EQ(Hilfe->childAt(Mitte(Hilfe->BeispielErgebnis->geometry())), Hilfe->BeispielErgebnis);
}

TEST_F(HilfeAufbau, BeschriftungenSindSoGrossWieIhrText)
{
    for (QLabel* Label : {Hilfe->BeispielRechnung, Hilfe->BeispielErgebnis, Hilfe->Version}) {
        const QFontMetrics Mass(Label->font());
        const int Textbreite = Mass.horizontalAdvance(Label->text());
        EXPECT_GE(Label->width(), Textbreite) << Label->objectName().toStdString();
        EXPECT_LE(Label->width(), Textbreite + 2) << Label->objectName().toStdString();
    }
    for (QLabel* Label : {Hilfe->BeispielRechnung, Hilfe->BeispielErgebnis}) {
        const QFontMetrics Mass(Label->font());
        EXPECT_GE(Label->height(), Mass.height()) << Label->objectName().toStdString();
        EXPECT_LE(Label->height(), Mass.height() + 2) << Label->objectName().toStdString();
    }
}

TEST_F(HilfeAufbau, BeispielpaarSitztMittigAufSeinenSteinen)
{
    const auto Pruefe = [](const QLabel* Label, const QFrame* Stein) {
        EXPECT_TRUE(Stein->geometry().contains(Label->geometry())) << Label->objectName().toStdString();
        const QPoint Abstand = Mitte(Label->geometry()) - Mitte(Stein->geometry());
        EXPECT_LE(std::abs(Abstand.x()), 2) << Label->objectName().toStdString();
        EXPECT_LE(std::abs(Abstand.y()), 2) << Label->objectName().toStdString();
    };
    Pruefe(Hilfe->BeispielRechnung, Hilfe->BeispielRechnungStein);
    Pruefe(Hilfe->BeispielErgebnis, Hilfe->BeispielErgebnisStein);
}

TEST_F(HilfeAufbau, SteineSindWeissMitSchwarzemRand)
{
    for (QFrame* Stein : {Hilfe->BeispielRechnungStein, Hilfe->BeispielErgebnisStein}) {
        const QImage Bild = Stein->grab().toImage();
        ASSERT_EQ(Bild.size(), Stein->size());
        int Falsch = 0;
        for (int Y = 0; Y < Bild.height(); ++Y)
            for (int X = 0; X < Bild.width(); ++X) {
                const bool Rand = X == 0 || Y == 0 || X == Bild.width() - 1 || Y == Bild.height() - 1;
                if (Bild.pixel(X, Y) != (Rand ? qRgb(0, 0, 0) : qRgb(255, 255, 255)))
                    ++Falsch;
            }
        EXPECT_EQ(Falsch, 0) << Stein->objectName().toStdString();
    }
}

TEST_F(HilfeAufbau, BeispieltexteFettUndDurchsichtig)
{
    EXPECT_EQ(Hilfe->BeispielRechnung->text(), "1+1");
    EXPECT_EQ(Hilfe->BeispielErgebnis->text(), "2");
    Zeige();
    const QImage Tafel = Hilfe->grab().toImage();
    for (QLabel* Label : {Hilfe->BeispielRechnung, Hilfe->BeispielErgebnis}) {
        const std::string Name = Label->objectName().toStdString();
        EXPECT_EQ(Label->font().pixelSize(), 13) << Name;
        EXPECT_TRUE(Label->font().bold()) << Name;
        EXPECT_EQ(Label->font().family(), Schriftfamilie()) << Name;
        // White tile around the letters, dark letters on it.
        const QRect Lage = Label->geometry();
        EXPECT_EQ(Tafel.pixel(Lage.topLeft()), qRgb(255, 255, 255)) << Name;
        EXPECT_EQ(Tafel.pixel(Lage.bottomRight()), qRgb(255, 255, 255)) << Name;
        int Dunkel = 0;
        for (int Y = Lage.top(); Y <= Lage.bottom(); ++Y)
            for (int X = Lage.left(); X <= Lage.right(); ++X)
                Dunkel += IstDunkel(Tafel.pixel(X, Y));
        EXPECT_GT(Dunkel, 10) << Name;
    }
}

TEST_F(HilfeAufbau, VersionInMarineblauAufDerFlaeche)
{
    QLabel* Version = Hilfe->Version;
    EXPECT_EQ(Version->text(), QText(Texte::Version));
    EXPECT_EQ(Version->font().pixelSize(), 11);
    EXPECT_FALSE(Version->font().bold());
    EXPECT_EQ(Version->font().family(), Schriftfamilie());

    Zeige();
    const QImage Bild = Version->grab().toImage();
    EXPECT_EQ(QColor(Bild.pixel(0, 0)), Flaechenfarbe());
    EXPECT_EQ(QColor(Bild.pixel(0, Bild.height() - 1)), Flaechenfarbe());
    // The letters are smoothed: every pixel lies between the face colour
    // and navy, and the darkest ones are navy.
    QColor Dunkelste = Flaechenfarbe();
    int Abseits = 0;
    for (int Y = 0; Y < Bild.height(); ++Y)
        for (int X = 0; X < Bild.width(); ++X) {
            const QColor Farbe(Bild.pixel(X, Y));
            if (Farbe.red() != Farbe.green() || Farbe.blue() < Farbe.red())
                ++Abseits;
            if (Farbe.red() < Dunkelste.red())
                Dunkelste = Farbe;
        }
    EXPECT_EQ(Abseits, 0);
    EXPECT_LE(Dunkelste.red(), 16);
    EXPECT_GE(Dunkelste.blue(), 112);
}

TEST_F(HilfeAufbau, FertigKnopfMitOkGlypheUndHinweis)
{
    const QPushButton* Knopf = Hilfe->FertigKnopf;
    EXPECT_EQ(Knopf->text(), QText(Texte::Fertig));
    EXPECT_EQ(Knopf->toolTip(), QText(Texte::FertigHinweis));
    EXPECT_EQ(Knopf->iconSize(), QSize(16, 16));
    // A green tick: green like the new game's arrow, but enclosing nothing.
    const QImage Glyphe = GlypheVon(Knopf);
    EXPECT_EQ(Grundfarbe(Glyphe), TGrundfarbe::Gruen);
    EXPECT_FALSE(GehtRundum(Glyphe));
}

using HilfeTexte = HilfeTest;

TEST_F(HilfeTexte, KastenOhneRahmenUndLeisten)
{
    Zeige();
    for (QPlainTextEdit* Feld : {Hilfe->Erklaerung, Hilfe->Einleitung}) {
        const std::string Name = Feld->objectName().toStdString();
        EXPECT_EQ(Feld->viewport()->size(), Feld->size()) << Name;
        EXPECT_FALSE(Feld->verticalScrollBar()->isVisible()) << Name;
        EXPECT_FALSE(Feld->horizontalScrollBar()->isVisible()) << Name;
        EXPECT_EQ(Feld->font().pixelSize(), 11) << Name;
        EXPECT_FALSE(Feld->font().bold()) << Name;
        EXPECT_EQ(Feld->font().family(), Schriftfamilie()) << Name;
    }
    // The boxes show the panel's face colour: the empty fourth line of the
    // main text, and the room below the introduction.
    EXPECT_EQ(QColor(Hilfe->Erklaerung->grab().toImage().pixel(200, 3 * 13 + 6)), Flaechenfarbe());
    EXPECT_EQ(QColor(Hilfe->Einleitung->grab().toImage().pixel(380, 86)), Flaechenfarbe());
}

// Where the cursor stands at the end of the text: the last line, in the
// box's own pixels.
QRect LetzteZeile(const QPlainTextEdit* Feld)
{
    QTextCursor Ende(Feld->document());
    Ende.movePosition(QTextCursor::End);
    return Feld->cursorRect(Ende);
}

QRect ErsteZeile(const QPlainTextEdit* Feld)
{
    return Feld->cursorRect(QTextCursor(Feld->document()));
}

TEST_F(HilfeTexte, JedeZeileIstImKastenZuSehen)
{
    Zeige();
    for (QPlainTextEdit* Feld : {Hilfe->Erklaerung, Hilfe->Einleitung}) {
        const std::string Name = Feld->objectName().toStdString();
        const int Hoehe = Feld->viewport()->height();
        const QRect Erste = ErsteZeile(Feld);
        const QRect Letzte = LetzteZeile(Feld);
        RecordProperty(Name + "_letzte_zeile_unten", Letzte.bottom() + 1);
        EXPECT_GE(Erste.top(), 0) << Name;
        EXPECT_GT(Letzte.height(), 10) << Name;
        EXPECT_LE(Letzte.bottom() + 1, Hoehe) << Name << ": letzte Zeile endet bei " << Letzte.bottom() + 1
                                              << ", der Kasten ist " << Hoehe << " hoch";
    }
}

using HilfeBedienung = HilfeTest;

TEST_F(HilfeBedienung, EinleitungLaesstSichBeschreiben)
{
    ZeigeAktiv();
    QPlainTextEdit* Einleitung = Hilfe->Einleitung;
    QTest::mouseClick(Einleitung->viewport(), Qt::LeftButton, {}, LetzteZeile(Einleitung).center() + QPoint(2, 0));
    ASSERT_TRUE(Einleitung->hasFocus());

    QTest::keyClicks(Einleitung, QStringLiteral("Hallo"));
    EXPECT_EQ(Einleitung->document()->lastBlock().text(), EinleitungZeilen.last() + QStringLiteral("Hallo"));

    // Enter starts a new line; more lines than the box holds bring up no scroll bar.
    for (int Zeile = 0; Zeile < 10; ++Zeile)
        QTest::keyClick(Einleitung, Qt::Key_Return);
    EXPECT_EQ(Einleitung->blockCount(), 6 + 10);
    EXPECT_FALSE(Einleitung->verticalScrollBar()->isVisible());

    // Hiding and showing the panel keeps what was written.
    const QString Geschrieben = Einleitung->toPlainText();
    Hilfe->hide();
    Hilfe->show();
    EXPECT_EQ(Einleitung->toPlainText(), Geschrieben);
}

TEST_F(HilfeBedienung, ErklaerungBleibtUnveraendert)
{
    ZeigeAktiv();
    QPlainTextEdit* Erklaerung = Hilfe->Erklaerung;
    QTest::mouseClick(Erklaerung->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(Erklaerung->hasFocus());

    QTest::keyClicks(Erklaerung, QStringLiteral("Hallo"));
    QTest::keyClick(Erklaerung, Qt::Key_Return);
    QTest::keyClick(Erklaerung, Qt::Key_Delete);
    QTest::keyClick(Erklaerung, Qt::Key_Backspace);
    EXPECT_EQ(Absaetze(Erklaerung), ErklaerungZeilen);
}

TEST_F(HilfeBedienung, TabUebergehtDieTafel)
{
    ZeigeAktiv();
    Vorher->setFocus();
    ASSERT_TRUE(Vorher->hasFocus());
    for (int Schritt = 0; Schritt < 6; ++Schritt) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* Fokus = QApplication::focusWidget();
        ASSERT_NE(Fokus, nullptr);
        EXPECT_FALSE(Hilfe->isAncestorOf(Fokus)) << "Tab " << Schritt + 1 << " landet auf "
                                                  << Fokus->objectName().toStdString();
        EXPECT_EQ(Fokus, Schritt % 2 == 0 ? Nachher : Vorher) << "Tab " << Schritt + 1;
    }
    for (int Schritt = 0; Schritt < 4; ++Schritt) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_FALSE(Hilfe->isAncestorOf(QApplication::focusWidget())) << "Shift+Tab " << Schritt + 1;
    }
}

TEST_F(HilfeBedienung, KaestenUndKnopfNehmenDenFokusNurPerKlick)
{
    ZeigeAktiv();
    for (QWidget* Control : {static_cast<QWidget*>(Hilfe->Erklaerung), static_cast<QWidget*>(Hilfe->FertigKnopf),
                             static_cast<QWidget*>(Hilfe->Einleitung)}) {
        const std::string Name = Control->objectName().toStdString();
        EXPECT_EQ(Control->focusPolicy(), Qt::ClickFocus) << Name;
        Vorher->setFocus();
        auto* Feld = qobject_cast<QPlainTextEdit*>(Control);
        QTest::mouseClick(Feld ? Feld->viewport() : Control, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_TRUE(Control->hasFocus()) << Name;
    }
    for (QWidget* Control : {static_cast<QWidget*>(Hilfe), static_cast<QWidget*>(Hilfe->BeispielRechnungStein),
                             static_cast<QWidget*>(Hilfe->BeispielRechnung), static_cast<QWidget*>(Hilfe->Version)})
        EXPECT_EQ(Control->focusPolicy(), Qt::NoFocus) << Control->objectName().toStdString();
}

} // namespace
} // namespace kalumbo::test
