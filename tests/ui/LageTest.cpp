// SPDX-License-Identifier: GPL-3.0-or-later
// The window as texte/lage.json lays it out: every control of the file
// where the file puts it, with its captions, its hint, its font and colour,
// the groups with their items and default, the pages and the Tab order.
// The expectations come from the file itself, so a changed layout is
// checked as it is, and a window that differs from the file fails, however
// it came to differ.
#include "Fensterhilfen.h"
#include "Lagedaten.h"

#include "ui/Hilfe.h"
#include "ui/RadioGruppe.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace kalumbo::test {
namespace {

QString Beschriftung(const QWidget* Control)
{
    if (const auto* Knopf = qobject_cast<const QAbstractButton*>(Control))
        return Knopf->text();
    if (const auto* Label = qobject_cast<const QLabel*>(Control))
        return Label->text();
    if (const auto* Feld = qobject_cast<const QPlainTextEdit*>(Control))
        return Feld->toPlainText();
    return qobject_cast<const QGroupBox*>(Control)->title();
}

// Where a control lies in its parent, as the layout gives it.
void PruefeOrt(const QWidget* Control, const TLageControl& Eintrag, const TLagedaten& Daten)
{
    const QJsonObject& Vorlage = Eintrag.Control;
    if (Vorlage.contains(QStringLiteral("Lage"))) {
        EXPECT_EQ(Rechteck(Control->geometry()), Rechteck(Vorlage[QStringLiteral("Lage")]));
    }
    if (Vorlage[QStringLiteral("Art")] == QStringLiteral("Beispielstein")) {
        const int Seite = Daten.Control(Eintrag.Eltern).Control[QStringLiteral("Beispielsteingroesse")].toInt();
        const TPunkt Ecke = Punkt(Vorlage[QStringLiteral("Ecke")]);
        EXPECT_EQ(Rechteck(Control->geometry()), (TRechteck{Ecke[0], Ecke[1], Seite, Seite}));
    } else if (Vorlage.contains(QStringLiteral("Ecke"))) {
        EXPECT_EQ(Punkt(Control->pos()), Punkt(Vorlage[QStringLiteral("Ecke")]));
    }
    if (Vorlage.contains(QStringLiteral("EckeRechts"))) {
        EXPECT_EQ(Punkt(Control->geometry().topRight() + QPoint(1, 0)), Punkt(Vorlage[QStringLiteral("EckeRechts")]));
    }
    if (Vorlage.contains(QStringLiteral("Hoehe"))) {
        EXPECT_EQ(Control->height(), Vorlage[QStringLiteral("Hoehe")].toInt());
    }
}

void PruefeSchriftUndFarbe(const QWidget* Control, const QJsonObject& Vorlage)
{
    if (Vorlage.contains(QStringLiteral("Schrift"))) {
        const QJsonObject Schrift = Vorlage[QStringLiteral("Schrift")].toObject();
        EXPECT_EQ(Control->font().pixelSize(), Schrift[QStringLiteral("Pixel")].toInt());
        EXPECT_EQ(Control->font().bold(), Schrift[QStringLiteral("Fett")].toBool());
    }
    if (Vorlage.contains(QStringLiteral("Farbe"))) {
        EXPECT_EQ(Control->palette().color(QPalette::WindowText), QColor(Vorlage[QStringLiteral("Farbe")].toString()));
    }
}

// The glyph's opaque pixels are those of the named picture's left square.
void PruefeGlyphe(const QPushButton* Knopf, const QString& Glyphe)
{
    const QImage Bild(QStringLiteral(KALUMBO_ASSETS "/") + Glyphe + QStringLiteral(".xpm"));
    ASSERT_FALSE(Bild.isNull()) << Glyphe.toStdString();
    const QImage Gezeigt = GlypheVon(Knopf);
    ASSERT_EQ(Gezeigt.size(), QSize(Bild.height(), Bild.height()));
    int Anders = 0;
    for (int Y = 0; Y < Gezeigt.height(); ++Y)
        for (int X = 0; X < Gezeigt.width(); ++X)
            if (qAlpha(Gezeigt.pixel(X, Y)) == 255 && Gezeigt.pixel(X, Y) != Bild.pixel(X, Y))
                ++Anders;
    EXPECT_EQ(Anders, 0) << Glyphe.toStdString();
}

using Lage = FensterTest;

TEST_F(Lage, FensterWieInDerLage)
{
    const TLagedaten Daten;
    const QJsonObject Fenster = Daten.Fenster();
    EXPECT_EQ(Form1->objectName(), Fenster[QStringLiteral("Name")].toString());
    EXPECT_EQ(Form1->windowTitle(), Text(Fenster[QStringLiteral("Titel")].toString()));
    EXPECT_EQ(Form1->size(), QSize(Fenster[QStringLiteral("Groesse")][0].toInt(), Fenster[QStringLiteral("Groesse")][1].toInt()));
    EXPECT_EQ(Form1->font().pixelSize(), Fenster[QStringLiteral("Schrift")][QStringLiteral("Pixel")].toInt());

    QStringList Seiten;
    for (const QJsonValue& Seite : Daten.Seiten())
        Seiten.append(Text(Seite[QStringLiteral("Titel")].toString()));
    ASSERT_EQ(Form1->Seiten->count(), Seiten.size());
    for (int Index = 0; Index < Seiten.size(); ++Index) {
        EXPECT_EQ(Form1->Seiten->tabText(Index), Seiten[Index]);
        EXPECT_EQ(Form1->Seiten->widget(Index)->objectName(), Daten.Seiten()[Index][QStringLiteral("Name")].toString());
    }
    EXPECT_EQ(Form1->Seiten->currentWidget()->objectName(),
              Daten.Control(QStringLiteral("Seiten")).Control[QStringLiteral("Vorn")].toString());
}

TEST_F(Lage, JedesControlWieInDerLage)
{
    const TLagedaten Daten;
    for (const TLageControl& Eintrag : Daten.Controls()) {
        SCOPED_TRACE(Eintrag.Name().toStdString());
        const QJsonObject& Vorlage = Eintrag.Control;
        const auto* Control = Form1->findChild<QWidget*>(Eintrag.Name());
        ASSERT_NE(Control, nullptr);
        EXPECT_EQ(Control->parentWidget()->objectName(), Eintrag.Eltern);
        EXPECT_EQ(Control->isHidden(), Vorlage[QStringLiteral("Verborgen")].toBool());
        PruefeOrt(Control, Eintrag, Daten);
        PruefeSchriftUndFarbe(Control, Vorlage);
        for (const QString& Text : {QStringLiteral("Text"), QStringLiteral("Titel")}) {
            if (Vorlage.contains(Text)) {
                EXPECT_EQ(Beschriftung(Control), test::Text(Vorlage[Text].toString()));
            }
        }
        if (Vorlage.contains(QStringLiteral("Hinweis"))) {
            EXPECT_EQ(Control->toolTip(), Text(Vorlage[QStringLiteral("Hinweis")].toString()));
        }
        if (Vorlage.contains(QStringLiteral("NurLesen"))) {
            EXPECT_EQ(qobject_cast<const QPlainTextEdit*>(Control)->isReadOnly(), Vorlage[QStringLiteral("NurLesen")].toBool());
        }
        if (Vorlage.contains(QStringLiteral("Glyphe")))
            PruefeGlyphe(qobject_cast<const QPushButton*>(Control), Vorlage[QStringLiteral("Glyphe")].toString());
        if (const auto* Gruppe = qobject_cast<const TRadioGruppe*>(Control)) {
            EXPECT_EQ(Gruppe->Items(), Liste(Vorlage[QStringLiteral("Eintraege")].toString()));
            EXPECT_EQ(Gruppe->ItemIndex(), Vorlage[QStringLiteral("Vorgabe")].toInt());
            // The items fill the columns the layout asks for, the left one first.
            const int Spalten = Vorlage[QStringLiteral("Spalten")].toInt();
            const int ProSpalte = (Gruppe->Items().size() + Spalten - 1) / Spalten;
            QSet<int> Links;
            for (int Index = 0; Index < Gruppe->Items().size(); ++Index)
                Links.insert(Gruppe->Knopf(Index)->x());
            EXPECT_EQ(Links.size(), Spalten);
            EXPECT_EQ(Gruppe->Knopf(ProSpalte - 1)->x(), Gruppe->Knopf(0)->x());
        }
    }
}

// Follows the focus from the first stop through one round of the Tab key.
QStringList Tabrunde(TForm1& Form1, QWidget* Erster)
{
    QApplication::setActiveWindow(&Form1);
    Erster->setFocus(Qt::OtherFocusReason);
    QStringList Besucht;
    for (int Schritt = 0; Schritt < 20; ++Schritt) {
        QWidget* Fokus = QApplication::focusWidget();
        if (Fokus == nullptr || (Schritt > 0 && Fokus == Erster))
            break;
        const auto* Gruppe = qobject_cast<TRadioGruppe*>(Fokus->parentWidget());
        Besucht.append(Gruppe ? Gruppe->objectName() + u':' + qobject_cast<QAbstractButton*>(Fokus)->text()
                              : Fokus->objectName());
        QTest::keyClick(Fokus, Qt::Key_Tab);
    }
    return Besucht;
}

// The stops of the layout on the page in front, a group at its chosen item.
QStringList ErwarteteRunde(const TForm1& Form1, const TLagedaten& Daten)
{
    QStringList Erwartet;
    for (const QString& Name : Daten.Tabfolge()) {
        const auto* Control = Form1.findChild<QWidget*>(Name);
        if (!Control->isVisible())
            continue;
        const auto* Gruppe = qobject_cast<const TRadioGruppe*>(Control);
        Erwartet.append(Gruppe ? Name + u':' + Gruppe->Items()[Gruppe->ItemIndex()] : Name);
    }
    return Erwartet;
}

TEST_F(Lage, TabfolgeWieInDerLage)
{
    const TLagedaten Daten;
    QWidget* Erster = Form1->findChild<QWidget*>(Daten.Tabfolge().constFirst());
    const QStringList Auf = ErwarteteRunde(*Form1, Daten);
    EXPECT_EQ(Tabrunde(*Form1, Erster), Auf);

    // A group is visited at its chosen button, whichever it is.
    Form1->Form->SetzeItemIndex(3);
    EXPECT_EQ(Tabrunde(*Form1, Erster), ErwarteteRunde(*Form1, Daten));

    // The controls of the page behind are no stops.
    Form1->Seiten->setCurrentWidget(Form1->Spiel);
    const QStringList Spiel = ErwarteteRunde(*Form1, Daten);
    EXPECT_LT(Spiel.size(), Auf.size());
    EXPECT_EQ(Tabrunde(*Form1, Erster), Spiel);
}

} // namespace
} // namespace kalumbo::test
