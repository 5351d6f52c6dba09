// SPDX-License-Identifier: GPL-3.0-or-later
// The window as texte/lage.json lays it out: every control of the file
// where the file puts it, with its captions, hint, font, colour and glyph,
// the groups with their items and default, the pages and the Tab order.
// The expectations come from the file itself: a changed layout is checked
// as it is, and a window that differs from the file fails, however it came
// to differ.
#include "Fensterhilfen.h"
#include "Lagedaten.h"

#include "ui/RadioGruppe.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace kalumbo::test {
namespace {

std::vector<int> Rechteck(const QRect& Lage)
{
    return {Lage.x(), Lage.y(), Lage.width(), Lage.height()};
}

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

// Where a control lies in its parent: a rectangle, an example tile of the
// help's size at its corner, or a label's corner and height.
void PruefeOrt(const QWidget* Control, const TLageControl& Vorlage, const TLagedaten& Daten)
{
    const QRect Lage = Control->geometry();
    if (Vorlage["Art"] == QStringLiteral("Beispielstein")) {
        const int Seite = Daten.Control(Vorlage.Eltern)["Beispielsteingroesse"].toInt();
        std::vector<int> Erwartet = Zahlen(Vorlage["Ecke"]);
        Erwartet.insert(Erwartet.end(), {Seite, Seite});
        EXPECT_EQ(Rechteck(Lage), Erwartet);
    } else if (Vorlage["Lage"].isArray()) {
        EXPECT_EQ(Rechteck(Lage), Zahlen(Vorlage["Lage"]));
    } else if (Vorlage["Ecke"].isArray()) {
        EXPECT_EQ((std::vector{Lage.x(), Lage.y()}), Zahlen(Vorlage["Ecke"]));
    } else {
        EXPECT_EQ((std::vector{Lage.right() + 1, Lage.y()}), Zahlen(Vorlage["EckeRechts"]));
    }
    if (Vorlage["Hoehe"].isDouble()) {
        EXPECT_EQ(Lage.height(), Vorlage["Hoehe"].toInt());
    }
}

// The glyph's opaque pixels are those of the named picture's left square.
void PruefeGlyphe(const QPushButton* Knopf, const QString& Glyphe)
{
    const QImage Bild(QStringLiteral(KALUMBO_ASSETS "/") + Glyphe + QStringLiteral(".xpm"));
    const QImage Gezeigt = GlypheVon(Knopf);
    ASSERT_EQ(Gezeigt.size(), QSize(Bild.height(), Bild.height())) << Glyphe.toStdString();
    int Anders = 0;
    for (int Y = 0; Y < Gezeigt.height(); ++Y)
        for (int X = 0; X < Gezeigt.width(); ++X)
            Anders += qAlpha(Gezeigt.pixel(X, Y)) == 255 && Gezeigt.pixel(X, Y) != Bild.pixel(X, Y);
    EXPECT_EQ(Anders, 0) << Glyphe.toStdString();
}

void PruefeGruppe(const TRadioGruppe* Gruppe, const TLageControl& Vorlage)
{
    EXPECT_EQ(Gruppe->Items(), Liste(Vorlage["Eintraege"].toString()));
    EXPECT_EQ(Gruppe->ItemIndex(), Vorlage["Vorgabe"].toInt());
    // The items fill as many columns as the layout asks for, the left one first.
    const int Spalten = Vorlage["Spalten"].toInt();
    const int ProSpalte = (Gruppe->Items().size() + Spalten - 1) / Spalten;
    QSet<int> Links;
    for (int Index = 0; Index < Gruppe->Items().size(); ++Index)
        Links.insert(Gruppe->Knopf(Index)->x());
    EXPECT_EQ(Links.size(), Spalten);
    EXPECT_EQ(Gruppe->Knopf(ProSpalte - 1)->x(), Gruppe->Knopf(0)->x());
}

using Lage = FensterTest;

TEST_F(Lage, FensterUndSeitenWieInDerLage)
{
    const TLagedaten Daten;
    EXPECT_EQ(Form1->objectName(), Daten.Fenster[QStringLiteral("Name")].toString());
    EXPECT_EQ(Form1->windowTitle(), Text(Daten.Fenster[QStringLiteral("Titel")].toString()));
    EXPECT_EQ((std::vector{Form1->width(), Form1->height()}), Zahlen(Daten.Fenster[QStringLiteral("Groesse")]));
    EXPECT_EQ(Form1->font().pixelSize(), Daten.Fenster[QStringLiteral("Schrift")][QStringLiteral("Pixel")].toInt());

    const QJsonArray Seiten = Daten.Control(QStringLiteral("Seiten"))["Seiten"].toArray();
    ASSERT_EQ(Form1->Seiten->count(), Seiten.size());
    for (int Index = 0; Index < Seiten.size(); ++Index) {
        EXPECT_EQ(Form1->Seiten->tabText(Index), Text(Seiten[Index][QStringLiteral("Titel")].toString()));
        EXPECT_EQ(Form1->Seiten->widget(Index)->objectName(), Seiten[Index][QStringLiteral("Name")].toString());
    }
    EXPECT_EQ(Form1->Seiten->currentWidget()->objectName(),
              Daten.Control(QStringLiteral("Seiten"))["Vorn"].toString());
}

TEST_F(Lage, JedesControlWieInDerLage)
{
    const TLagedaten Daten;
    for (const TLageControl& Vorlage : Daten.Controls) {
        SCOPED_TRACE(Vorlage.Name().toStdString());
        const auto* Control = Form1->findChild<QWidget*>(Vorlage.Name());
        ASSERT_NE(Control, nullptr);
        EXPECT_EQ(Control->parentWidget()->objectName(), Vorlage.Eltern);
        EXPECT_EQ(Control->isHidden(), Vorlage["Verborgen"].toBool());
        PruefeOrt(Control, Vorlage, Daten);
        if (Vorlage["Schrift"].isObject()) {
            EXPECT_EQ(Control->font().pixelSize(), Vorlage["Schrift"][QStringLiteral("Pixel")].toInt());
            EXPECT_EQ(Control->font().bold(), Vorlage["Schrift"][QStringLiteral("Fett")].toBool());
        }
        if (Vorlage["Farbe"].isString()) {
            EXPECT_EQ(Control->palette().color(QPalette::WindowText), QColor(Vorlage["Farbe"].toString()));
        }
        for (const char* Beschriftet : {"Text", "Titel"}) {
            if (Vorlage[Beschriftet].isString()) {
                EXPECT_EQ(Beschriftung(Control), Text(Vorlage[Beschriftet].toString()));
            }
        }
        if (Vorlage["Hinweis"].isString()) {
            EXPECT_EQ(Control->toolTip(), Text(Vorlage["Hinweis"].toString()));
        }
        if (Vorlage["NurLesen"].isBool()) {
            EXPECT_EQ(qobject_cast<const QPlainTextEdit*>(Control)->isReadOnly(), Vorlage["NurLesen"].toBool());
        }
        if (Vorlage["Glyphe"].isString())
            PruefeGlyphe(qobject_cast<const QPushButton*>(Control), Vorlage["Glyphe"].toString());
        if (const auto* Gruppe = qobject_cast<const TRadioGruppe*>(Control))
            PruefeGruppe(Gruppe, Vorlage);
    }
}

// Follows the focus from the first stop through one round of the Tab key.
QStringList Tabrunde(QWidget* Erster)
{
    QApplication::setActiveWindow(Erster->window());
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

// The layout's stops on the page in front, a group at its chosen item.
QStringList ErwarteteRunde(const TForm1& Form1)
{
    QStringList Erwartet;
    for (const QString& Name : TLagedaten().Tabfolge()) {
        const auto* Control = Form1.findChild<QWidget*>(Name);
        const auto* Gruppe = qobject_cast<const TRadioGruppe*>(Control);
        if (Control->isVisible())
            Erwartet.append(Gruppe ? Name + u':' + Gruppe->Items()[Gruppe->ItemIndex()] : Name);
    }
    return Erwartet;
}

TEST_F(Lage, TabfolgeWieInDerLage)
{
    QWidget* Erster = Form1->findChild<QWidget*>(TLagedaten().Tabfolge().constFirst());
    const QStringList Einstellungen = ErwarteteRunde(*Form1);
    EXPECT_EQ(Tabrunde(Erster), Einstellungen);

    // A group is visited at its chosen button, whichever it is.
    Form1->Form->SetzeItemIndex(3);
    EXPECT_EQ(Tabrunde(Erster), ErwarteteRunde(*Form1));

    // The controls of the page behind are no stops.
    Form1->Seiten->setCurrentWidget(Form1->Spiel);
    const QStringList Spiel = ErwarteteRunde(*Form1);
    EXPECT_LT(Spiel.size(), Einstellungen.size());
    EXPECT_EQ(Tabrunde(Erster), Spiel);
}

} // namespace
} // namespace kalumbo::test
