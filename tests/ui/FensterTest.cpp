// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fensterhilfen.h"

#include "ui/Hilfe.h"
#include "ui/RadioGruppe.h"
#include "ui/Schriften.h"
#include "ui/Textquelle.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

namespace kalumbo::test {
namespace {

// Whether the caption of a radio button has room beside its circle.
bool BeschriftungPasst(const QRadioButton* Knopf)
{
    QStyleOptionButton Option;
    Option.initFrom(Knopf);
    Option.text = Knopf->text();
    const QRect Raum = Knopf->style()->subElementRect(QStyle::SE_RadioButtonContents, &Option, Knopf);
    return Raum.width() >= Knopf->fontMetrics().horizontalAdvance(Knopf->text());
}

using Fenster = FensterTest;

TEST_F(Fenster, TitelRahmenUndSchrift)
{
    EXPECT_EQ(Form1->windowTitle(), QText(Texte::Titel));
    EXPECT_EQ(QApplication::applicationDisplayName(), QText(Texte::Titel));
    EXPECT_FALSE(Form1->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(Form1->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(Form1->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Form1->font().family(), Schriftfamilie());
    EXPECT_TRUE(Schriftfamilie() == "MS Sans Serif" || Schriftfamilie() == "Liberation Sans");
    const QList<QSize> Groessen = Form1->windowIcon().availableSizes();
    EXPECT_TRUE(Groessen.contains(QSize(16, 16)));
    EXPECT_TRUE(Groessen.contains(QSize(32, 32)));
}

TEST_F(Fenster, BravoUndVerlaufBeimStart)
{
    EXPECT_FALSE(Form1->Bravo->isVisible());
    EXPECT_FALSE(Form1->Bravo->autoFillBackground());
    EXPECT_TRUE(Form1->History->isReadOnly());
    EXPECT_EQ(Form1->History->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Form1->History->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Form1->History->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(Form1->History->toPlainText().isEmpty());
}

TEST_F(Fenster, ReiterZeigenIhreTitelGanz)
{
    for (int Index = 0; Index < Form1->Seiten->count(); ++Index) {
        const QRect Reiter = Form1->Seiten->tabBar()->tabRect(Index);
        EXPECT_GE(Reiter.width(), Form1->fontMetrics().horizontalAdvance(Form1->Seiten->tabText(Index)));
        EXPECT_LE(Reiter.right(), Form1->Seiten->width());
    }
}

TEST_F(Fenster, RadioGruppenFuellenErstDieLinkeSpalte)
{
    const TRadioGruppe* Gruppe = Form1->Rechenarten;
    for (int Index = 0; Index < 7; ++Index) {
        const QRadioButton* Knopf = Gruppe->Knopf(Index);
        const bool Links = Index < 4;
        EXPECT_EQ(Knopf->x() < Gruppe->width() / 2, Links) << Index;
        EXPECT_EQ(Knopf->toolTip(), Gruppe->toolTip()) << Index;
        // Every caption is readable in full.
        EXPECT_LE(Knopf->geometry().right(), Gruppe->contentsRect().right()) << Index;
        EXPECT_TRUE(BeschriftungPasst(Knopf)) << Knopf->text().toStdString();
    }
    EXPECT_EQ(Gruppe->Knopf(1)->x(), Gruppe->Knopf(0)->x());
    EXPECT_GT(Gruppe->Knopf(1)->y(), Gruppe->Knopf(0)->y());
    EXPECT_EQ(Gruppe->Knopf(4)->y(), Gruppe->Knopf(0)->y());
    EXPECT_EQ(Gruppe->Knopf(7), nullptr);
    for (const TRadioGruppe* Andere : {Form1->Zahlen, Form1->Form, Form1->Hintergrund})
        for (int Index = 0; Index < Andere->Items().size(); ++Index)
            EXPECT_TRUE(BeschriftungPasst(Andere->Knopf(Index))) << Andere->Knopf(Index)->text().toStdString();
}

TEST_F(Fenster, StapelfolgeWieAngelegt)
{
    const QStringList Folge = {"Brettrahmen", "Bild", "Spielbrett", "Bravo", "EingebautesBild1", "EingebautesBild2", "EingebautesBild3",
                               "EingebautesBild4", "Hilfe", "Seiten", "NeuesSpielKnopf", "EndeKnopf", "HilfeKnopf"};
    QStringList Kinder;
    for (const QObject* Kind : Form1->children())
        if (Kind->isWidgetType() && Folge.contains(Kind->objectName()))
            Kinder.append(Kind->objectName());
    EXPECT_EQ(Kinder, Folge);
    // The help panel takes presses on the board area while it is shown.
    for (const QPoint Stelle : {QPoint(12, 12), QPoint(200, 200), QPoint(400, 400)}) {
        const QWidget* Oben = Form1->childAt(Stelle);
        EXPECT_TRUE(Oben == Form1->Hilfe || Form1->Hilfe->isAncestorOf(Oben)) << Stelle.x();
    }
}

TEST_F(Fenster, VerlaufBehaeltDieTabtasteWennErDenFokusHat)
{
    Form1->Seiten->setCurrentWidget(Form1->Spiel);
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1.get()));
    QTest::mouseClick(Form1->History->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), Form1->History);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Form1->History);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Form1->History);
    EXPECT_TRUE(Form1->History->toPlainText().isEmpty());
}

TEST_F(Fenster, PfeiltastenWechselnInDerGruppe)
{
    QApplication::setActiveWindow(Form1.get());
    Form1->Zahlen->SetzeItemIndex(1);
    QRadioButton* Fuenfzig = Form1->Zahlen->Knopf(1);
    Fuenfzig->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Fuenfzig, Qt::Key_Up);
    EXPECT_EQ(Form1->Zahlen->ItemIndex(), 0);
    QTest::keyClick(Form1->Zahlen->Knopf(0), Qt::Key_Right);
    EXPECT_EQ(Form1->Zahlen->ItemIndex(), 2);
}

TEST_F(Fenster, FarbknoepfeTragenDiePalette)
{
    const QIcon Glyphe = Form1->FarbeNormalKnopf->icon();
    const QImage Normal = Glyphe.pixmap(16, 16, QIcon::Normal).toImage();
    const QImage Grau = Glyphe.pixmap(16, 16, QIcon::Disabled).toImage();
    ASSERT_EQ(Normal.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(Normal.pixel(0, 15)), 0) << "olive is transparent";
    bool Bunt = false, NurGrau = true;
    for (int Y = 0; Y < 16; ++Y)
        for (int X = 0; X < 16; ++X) {
            const QColor N = Normal.pixelColor(X, Y), G = Grau.pixelColor(X, Y);
            Bunt = Bunt || (N.alpha() > 0 && N.saturation() > 100);
            NurGrau = NurGrau && (G.alpha() == 0 || G.saturation() < 30);
        }
    EXPECT_TRUE(Bunt);
    EXPECT_TRUE(NurGrau);
    EXPECT_FALSE(Form1->FarbeAusgewaehltKnopf->icon().isNull());
}

TEST_F(Fenster, KnoepfeZeigenIhreGlyphen)
{
    // "Neues Spiel" a green arrow going round, "Ende" a red cross, "Hilfe"
    // a blue sign; "Fertig" shows a green tick with nothing enclosed.
    const QImage Neu = GlypheVon(Form1->NeuesSpielKnopf);
    EXPECT_EQ(Grundfarbe(Neu), TGrundfarbe::Gruen);
    EXPECT_TRUE(GehtRundum(Neu));
    EXPECT_EQ(Grundfarbe(GlypheVon(Form1->EndeKnopf)), TGrundfarbe::Rot);
    EXPECT_EQ(Grundfarbe(GlypheVon(Form1->HilfeKnopf)), TGrundfarbe::Blau);
}

TEST_F(Fenster, DruckVorDemErstenSpielAendertNichts)
{
    Klicke(Form1->HilfeKnopf); // the help panel goes, the empty board area shows
    ASSERT_FALSE(Form1->Hilfe->isVisible());
    for (int Y = 0; Y < 400; Y += 50)
        for (int X = 0; X < 400; X += 50)
            KlickeBrett(X + 10, Y + 10);
    EXPECT_FALSE(Form1->Spielbrett->HatBild());
    EXPECT_EQ(Form1->Geloest->text(), QText(Texte::GeloestAmStart));
    EXPECT_TRUE(Form1->History->toPlainText().isEmpty());
    EXPECT_EQ(Stand().KlickSpalte, 8);
    EXPECT_FALSE(Stand().HatAuswahl());
}

TEST_F(Fenster, GeloestBleibtRechtsBuendig)
{
    const int Rechts = Form1->Geloest->geometry().right();
    NeuesSpiel();
    EXPECT_EQ(Form1->Geloest->text(), QText(Texte::Fortschritt).arg(0).arg(18));
    EXPECT_EQ(Form1->Geloest->geometry().right(), Rechts);
    const int Breite = Form1->Geloest->width();
    EXPECT_GE(Breite, Form1->Geloest->fontMetrics().horizontalAdvance(Form1->Geloest->text()));
}

TEST_F(Fenster, RahmenLaesstSichZiehenUndDieControlsBleibenStehen)
{
    // The frame can be dragged larger and smaller; the controls keep their
    // places, a larger window shows its face colour beyond them and a
    // smaller one cuts them off.
    const QRect Brett = Form1->Spielbrett->geometry(), Reiter = Form1->Seiten->geometry();
    Form1->resize(900, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form1->size() == QSize(900, 700); })) << "the window keeps its size";
    EXPECT_EQ(Form1->Spielbrett->geometry(), Brett);
    EXPECT_EQ(Form1->Seiten->geometry(), Reiter);
    const QImage Bild = Form1->grab().toImage();
    EXPECT_EQ(Bild.pixelColor(Bild.width() - 10, Bild.height() - 10), Form1->palette().color(QPalette::Window));

    Form1->resize(300, 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Form1->size() == QSize(300, 200); })) << "the window keeps its size";
    EXPECT_EQ(Form1->Seiten->geometry(), Reiter);
    EXPECT_TRUE(Form1->Seiten->visibleRegion().isEmpty()) << "the tab control lies beyond the edge";
}

} // namespace
} // namespace kalumbo::test
