// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fensterhilfen.h"

#include "ui/Hilfe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>

namespace kalumbo::test {
namespace {

class HilfeImFenster : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1.get()));
    }

    void Taste(QWidget* Fokus, Qt::Key Welche)
    {
        Fokus->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), Fokus);
        DrueckeTaste(Welche);
    }

    // Enter presses a button as a real press does: down at once, and the
    // click comes when the button is released a moment later. So the
    // outcome of a key is known once no button of the window is down.
    void DrueckeTaste(Qt::Key Welche)
    {
        QTest::keyClick(Form1->windowHandle(), Welche);
        const auto Knoepfe = Form1->findChildren<QAbstractButton*>();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return std::none_of(Knoepfe.begin(), Knoepfe.end(), [](const QAbstractButton* Knopf) { return Knopf->isDown(); });
        })) << "a button stayed down";
    }
};

TEST_F(HilfeImFenster, FertigVerbirgtDieHilfe)
{
    EXPECT_TRUE(Form1->Hilfe->isVisible());
    Klicke(Form1->Hilfe->FertigKnopf);
    EXPECT_FALSE(Form1->Hilfe->isVisible());
    // The empty board area: no game yet.
    EXPECT_FALSE(Form1->Spielbrett->HatBild());
    Klicke(Form1->HilfeKnopf);
    EXPECT_TRUE(Form1->Hilfe->isVisible());
}

TEST_F(HilfeImFenster, EingabeAufEinemRadioknopfDruecktFertig)
{
    Taste(Form1->Form->Knopf(0), Qt::Key_Return);
    EXPECT_FALSE(Form1->Hilfe->isVisible());
    // With the help hidden, Enter does nothing more.
    Taste(Form1->Form->Knopf(0), Qt::Key_Enter);
    EXPECT_FALSE(Form1->Hilfe->isVisible());
    EXPECT_EQ(Form1->Form->ItemIndex(), 0);
}

TEST_F(HilfeImFenster, FokussierterKnopfNimmtEingabeSelbst)
{
    Taste(Form1->NeuesSpielKnopf, Qt::Key_Return);
    EXPECT_TRUE(Form1->Spielbrett->isVisible());
    EXPECT_EQ(Form1->Geloest->text(), test::Fortschritt(0));
    EXPECT_FALSE(Form1->Hilfe->isVisible()); // the new game hid it

    Taste(Form1->HilfeKnopf, Qt::Key_Return);
    EXPECT_TRUE(Form1->Hilfe->isVisible()); // "Hilfe" itself, not "Fertig"
}

TEST_F(HilfeImFenster, TextkastenNimmtEingabeSelbst)
{
    QTest::mouseClick(Form1->Hilfe->Einleitung->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), Form1->Hilfe->Einleitung);
    const int Zeilen = Form1->Hilfe->Einleitung->document()->blockCount();
    DrueckeTaste(Qt::Key_Return);
    EXPECT_TRUE(Form1->Hilfe->isVisible());
    EXPECT_EQ(Form1->Hilfe->Einleitung->document()->blockCount(), Zeilen + 1);

    QTest::mouseClick(Form1->Hilfe->Erklaerung->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(QApplication::focusWidget(), Form1->Hilfe->Erklaerung);
    DrueckeTaste(Qt::Key_Return);
    EXPECT_TRUE(Form1->Hilfe->isVisible());
}

TEST_F(HilfeImFenster, EscapeTutNichts)
{
    Taste(Form1->Form->Knopf(0), Qt::Key_Escape);
    EXPECT_TRUE(Form1->Hilfe->isVisible());
    EXPECT_TRUE(Form1->isVisible());
}

TEST_F(HilfeImFenster, EingetippterTextBleibtBisZumEnde)
{
    QTest::mouseClick(Form1->Hilfe->Einleitung->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClicks(Form1->Hilfe->Einleitung, "Hallo");
    const QString Text = Form1->Hilfe->Einleitung->toPlainText();
    ASSERT_TRUE(Text.contains("Hallo"));
    NeuesSpiel();
    Klicke(Form1->HilfeKnopf);
    EXPECT_EQ(Form1->Hilfe->Einleitung->toPlainText(), Text);
}

TEST_F(HilfeImFenster, BravoWirdVerdecktUndKommtWieder)
{
    ASSERT_TRUE(GewinneEinSpiel());
    ASSERT_TRUE(Form1->Bravo->isVisible());
    const QPoint Mitte = Form1->Bravo->geometry().center();
    EXPECT_EQ(Form1->childAt(Mitte), Form1->Bravo);
    Klicke(Form1->HilfeKnopf);
    const QWidget* Oben = Form1->childAt(Mitte);
    EXPECT_TRUE(Oben == Form1->Hilfe || Form1->Hilfe->isAncestorOf(Oben));
    Klicke(Form1->HilfeKnopf);
    EXPECT_EQ(Form1->childAt(Mitte), Form1->Bravo);
    EXPECT_TRUE(Form1->Bravo->isVisible());
}

} // namespace
} // namespace kalumbo::test
