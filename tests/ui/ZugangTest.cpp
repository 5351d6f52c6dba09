// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given, read inside the process through Qt's
// accessibility interfaces: the board as a table of named cells, their
// state after presses by key, and the names of the controls. The events
// that tell a screen reader of each change need the accessibility bus;
// the test through it checks those.
#include "Fensterhilfen.h"

#include "ui/Hilfe.h"
#include "ui/Spielbrett.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>

namespace kalumbo::test {
namespace {

class Zugang : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1.get()));
    }

    QAccessibleInterface* Brett() const { return QAccessible::queryAccessibleInterface(Form1->Spielbrett); }
    QAccessibleInterface* Zelle(TZelle Z) const
    {
        return Brett()->tableInterface()->cellAt(Z.Zeile - 1, Z.Spalte - 1);
    }
};

TEST_F(Zugang, BrettIstTabelleMitBenanntenZellen)
{
    // Away from the screen's corner, where a cell's place within the
    // window and on the screen differ.
    Form1->move(123, 45);
    NeuesSpielMitPaaren();
    QAccessibleInterface* Tabelle = Brett();
    ASSERT_NE(Tabelle, nullptr);
    EXPECT_EQ(Tabelle->role(), QAccessible::Table);
    EXPECT_EQ(Tabelle->text(QAccessible::Name), "Spielbrett");
    ASSERT_NE(Tabelle->tableInterface(), nullptr);
    EXPECT_EQ(Tabelle->tableInterface()->rowCount(), Zeilen);
    EXPECT_EQ(Tabelle->tableInterface()->columnCount(), Spalten);
    ASSERT_EQ(Tabelle->childCount(), Spalten * Zeilen);

    int Leer = 0, Eingesperrt = 0;
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
            QAccessibleInterface* Z = Zelle({Spalte, Zeile});
            ASSERT_NE(Z, nullptr);
            EXPECT_EQ(Tabelle->indexOfChild(Z), (Zeile - 1) * Spalten + Spalte - 1);
            EXPECT_EQ(Z->parent(), Tabelle);
            EXPECT_EQ(Z->role(), QAccessible::Cell);
            const std::string Text = Stand().Steintext(Spalte, Zeile);
            EXPECT_EQ(Z->text(QAccessible::Name).toStdString(), Text.empty() ? "leer" : Text);
            const bool Frei = IstFreierStein(Spalte, Zeile);
            EXPECT_EQ(Z->text(QAccessible::Description), HatStein(Spalte, Zeile) && !Frei ? "eingesperrt" : "");
            EXPECT_EQ(Tabelle->childAt(Z->rect().center().x(), Z->rect().center().y()), Z);
            EXPECT_EQ(Z->child(0)->rect(), Z->rect());
            EXPECT_EQ(Z->child(0)->text(QAccessible::Description), Z->text(QAccessible::Description));
            Leer += Text.empty();
            Eingesperrt += !Z->text(QAccessible::Description).isEmpty();
        }
    EXPECT_EQ(Leer, Spalten * Zeilen - 2 * AnzahlPaare);
    EXPECT_GT(Eingesperrt, 0);

    // A reader asking for a row and a column gets the cell that says it
    // stands there, and nothing beyond the board's edges.
    for (int Zeile = -1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = -1; Spalte <= Spalten; ++Spalte) {
            QAccessibleInterface* Z = Tabelle->tableInterface()->cellAt(Zeile, Spalte);
            const bool AufDemBrett = Zeile >= 0 && Zeile < Zeilen && Spalte >= 0 && Spalte < Spalten;
            ASSERT_EQ(Z != nullptr, AufDemBrett) << "row " << Zeile << ", column " << Spalte;
            if (AufDemBrett) {
                EXPECT_EQ(std::pair(Z->tableCellInterface()->rowIndex(), Z->tableCellInterface()->columnIndex()),
                          std::pair(Zeile, Spalte));
            }
        }
}

// Only while the board has the focus does a cell hold it, the one under
// the cursor, in what it shows.
TEST_F(Zugang, NurDasBrettGibtEinerZelleDenFokus)
{
    NeuesSpielMitPaaren();
    const auto ImFokus = [this] {
        QList<TZelle> Zellen;
        for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
            for (int Spalte = 1; Spalte <= Spalten; ++Spalte) {
                EXPECT_FALSE(Zelle({Spalte, Zeile})->state().focused) << "the cell itself " << Spalte << "," << Zeile;
                if (Zelle({Spalte, Zeile})->child(0)->state().focused)
                    Zellen.append({Spalte, Zeile});
            }
        return Zellen;
    };
    Form1->NeuesSpielKnopf->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Brett()->focusChild(), nullptr);
    EXPECT_EQ(ImFokus(), QList<TZelle>{});
    QTest::keyClick(Form1->NeuesSpielKnopf, Qt::Key_Tab);
    EXPECT_EQ(ImFokus(), QList{Form1->Spielbrett->Zeigerzelle()});
    QTest::keyClick(Form1->Spielbrett, Qt::Key_Right);
    EXPECT_EQ(ImFokus(), QList{Form1->Spielbrett->Zeigerzelle()});
    EXPECT_EQ(Brett()->focusChild(), Zelle(Form1->Spielbrett->Zeigerzelle())->child(0));
    QTest::keyClick(Form1->Spielbrett, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(Form1->NeuesSpielKnopf->hasFocus());
    EXPECT_EQ(Brett()->focusChild(), nullptr);
    EXPECT_EQ(ImFokus(), QList<TZelle>{});
}

// Tab onto the board, a pair taken by keys: the focus follows the cursor,
// the cells and the progress text change.
TEST_F(Zugang, PaarMitTastenAendertZellen)
{
    NeuesSpielMitPaaren();
    const auto Paar = FreiesPaar();
    ASSERT_TRUE(Paar);
    const QString Erster = QString::fromStdString(Stand().Steintext(Paar->first.Spalte, Paar->first.Zeile));
    const QString Zweiter = QString::fromStdString(Stand().Steintext(Paar->second.Spalte, Paar->second.Zeile));

    Form1->NeuesSpielKnopf->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form1->NeuesSpielKnopf, Qt::Key_Tab);
    ASSERT_TRUE(Form1->Spielbrett->hasFocus());
    const TZelle Start = Form1->Spielbrett->Zeigerzelle();
    // The focus is on what the cell shows, the cell's one child.
    ASSERT_EQ(Zelle(Start)->childCount(), 1);
    EXPECT_EQ(Brett()->focusChild(), Zelle(Start)->child(0));
    EXPECT_TRUE(Zelle(Start)->child(0)->state().focused);
    EXPECT_EQ(Zelle(Start)->child(0)->text(QAccessible::Name), Zelle(Start)->text(QAccessible::Name));

    const auto Gehe = [&](TZelle Ziel) {
        for (int Schritt = 0; Schritt < 16 && !(Form1->Spielbrett->Zeigerzelle() == Ziel); ++Schritt) {
            const TZelle Jetzt = Form1->Spielbrett->Zeigerzelle();
            QTest::keyClick(Form1->Spielbrett, Jetzt.Zeile < Ziel.Zeile     ? Qt::Key_Down
                                               : Jetzt.Zeile > Ziel.Zeile   ? Qt::Key_Up
                                               : Jetzt.Spalte < Ziel.Spalte ? Qt::Key_Right
                                                                            : Qt::Key_Left);
        }
        ASSERT_EQ(Form1->Spielbrett->Zeigerzelle(), Ziel);
    };
    Gehe(Paar->first);
    QTest::keyClick(Form1->Spielbrett, Qt::Key_Space);
    EXPECT_TRUE(Zelle(Paar->first)->state().selected);
    EXPECT_EQ(Brett()->tableInterface()->selectedCells(), QList{Zelle(Paar->first)});

    Gehe(Paar->second);
    QTest::keyClick(Form1->Spielbrett, Qt::Key_Enter, Qt::KeypadModifier);
    for (const TZelle Z : {Paar->first, Paar->second}) {
        EXPECT_EQ(Zelle(Z)->text(QAccessible::Name), "leer");
        EXPECT_FALSE(Zelle(Z)->state().selected);
    }
    const QString Fortschritt = test::Fortschritt(1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->Geloest)->text(QAccessible::Name), Fortschritt);
}

// Every control a player reaches has a name, and the boxes of text say
// what they hold.
TEST_F(Zugang, JedesBedienelementHatEinenNamen)
{
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Form1->History)->text(QAccessible::Name),
              QString::fromUtf8("Gelöste Rechnungen"));
    Form1->Hilfe->show();
    QStringList Namenlos;
    std::function<void(QAccessibleInterface*)> Besuche = [&](QAccessibleInterface* Knoten) {
        const QAccessible::Role Rolle = Knoten->role();
        const bool Bedienbar = Rolle == QAccessible::PushButton || Rolle == QAccessible::RadioButton ||
                               Rolle == QAccessible::EditableText || Rolle == QAccessible::Table ||
                               Rolle == QAccessible::PageTab || Rolle == QAccessible::StaticText;
        if (Bedienbar && !Knoten->state().invisible && Knoten->text(QAccessible::Name).trimmed().isEmpty())
            Namenlos.append(Knoten->object() ? Knoten->object()->objectName() : QString::number(Rolle));
        for (int Index = 0; Index < Knoten->childCount() && Rolle != QAccessible::Table; ++Index)
            if (QAccessibleInterface* Kind = Knoten->child(Index))
                Besuche(Kind);
    };
    Besuche(QAccessible::queryAccessibleInterface(Form1.get()));
    EXPECT_TRUE(Namenlos.isEmpty()) << Namenlos.join(", ").toStdString();
}

} // namespace
} // namespace kalumbo::test
