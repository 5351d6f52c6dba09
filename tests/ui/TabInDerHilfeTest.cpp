// SPDX-License-Identifier: GPL-3.0-or-later
// Tab in the help panel's text boxes moves the focus on, as anywhere in
// the window; it types no tab character.
#include "Fensterhilfen.h"

#include "ui/Hilfe.h"

#include <QApplication>
#include <QPlainTextEdit>

namespace kalumbo::test {
namespace {

using TabInDerHilfe = FensterTest;

TEST_F(TabInDerHilfe, VerlaesstDieTextkaesten)
{
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1.get()));
    for (QPlainTextEdit* Feld : {Form1->Hilfe->Einleitung, Form1->Hilfe->Erklaerung}) {
        const std::string Name = Feld->objectName().toStdString();
        QTest::mouseClick(Feld->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        ASSERT_TRUE(Feld->hasFocus()) << Name;
        const QString Vorher = Feld->toPlainText();

        QTest::keyClick(Feld, Qt::Key_Tab);
        EXPECT_EQ(Feld->toPlainText(), Vorher) << Name;
        QWidget* Fokus = QApplication::focusWidget();
        ASSERT_NE(Fokus, nullptr) << Name;
        EXPECT_NE(Fokus, Feld) << Name;
        EXPECT_TRUE(Fokus->focusPolicy() & Qt::TabFocus) << Name << " -> " << Fokus->objectName().toStdString();
    }
}

} // namespace
} // namespace kalumbo::test
