// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogbediener.h"
#include "ui/Fehlerbericht.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <stdexcept>

namespace kalumbo {
namespace {

TEST(Fehlerbericht, PunktNurWennDerTextNichtSchonEndet)
{
    EXPECT_EQ(Meldungstext("JPEG-Fehlernr. 53"), "JPEG-Fehlernr. 53.");
    EXPECT_EQ(Meldungstext(QString::fromUtf8("Datei Bild1.jpg kann nicht geöffnet werden")),
              QString::fromUtf8("Datei Bild1.jpg kann nicht geöffnet werden."));
    EXPECT_EQ(Meldungstext("Schon zu Ende."), "Schon zu Ende.");
    EXPECT_EQ(Meldungstext(""), "");
    // Characters up to the full stop get none: '!' ')' '-' ' '.
    EXPECT_EQ(Meldungstext("Halt!"), "Halt!");
    EXPECT_EQ(Meldungstext("(so)"), "(so)");
    EXPECT_EQ(Meldungstext("a-"), "a-");
    EXPECT_EQ(Meldungstext("a "), "a ");
    // Those above it do: '/' and letters beyond ASCII.
    EXPECT_EQ(Meldungstext("a/"), "a/.");
    EXPECT_EQ(Meldungstext(QString::fromUtf8("groß")), QString::fromUtf8("groß."));
}

TEST(Fehlerbericht, FehlerImHandlerWirdGemeldetUndEsGehtWeiter)
{
    QStringList Gemeldet;
    const TFehleranzeige Vorher = SetzeFehleranzeige([&](const QString& Text) { Gemeldet.append(Text); });
    bool Danach = false;
    FuehreAus([&] {
        throw std::runtime_error("Etwas ging schief");
        Danach = true;
    });
    FuehreAus([] { throw 42; });
    FuehreAus([&] { Danach = true; });
    SetzeFehleranzeige(Vorher);
    EXPECT_EQ(Gemeldet, (QStringList{"Etwas ging schief.", ""}));
    EXPECT_TRUE(Danach);
}

// An object whose event handler fails, the way no handler should.
class TWerfer : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("Ereignis misslungen"); }
};

TEST(Fehlerbericht, DieEreignisschleifeFaengtWasEntkommt)
{
    QStringList Gemeldet;
    const TFehleranzeige Vorher = SetzeFehleranzeige([&](const QString& Text) { Gemeldet.append(Text); });
    TWerfer Werfer;
    QEvent Ereignis(QEvent::User);
    QApplication::sendEvent(&Werfer, &Ereignis);
    QCoreApplication::postEvent(&Werfer, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    SetzeFehleranzeige(Vorher);
    EXPECT_EQ(Gemeldet, (QStringList{"Ereignis misslungen.", "Ereignis misslungen."}));
}

TEST(Fehlerbericht, MeldungsfensterMitTitelSymbolUndOk)
{
    QString Titel, Text;
    QMessageBox::Icon Symbol = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Knoepfe;
    bool Modal = false;
    const test::TDialogbediener<QMessageBox> Bediener([&](QMessageBox& Fenster) {
        Titel = Fenster.windowTitle();
        Text = Fenster.text();
        Symbol = Fenster.icon();
        Knoepfe = Fenster.standardButtons();
        Modal = Fenster.isModal();
        Fenster.button(QMessageBox::Ok)->click();
    });
    MeldeFehler("JPEG-Fehlernr. 53");
    ASSERT_TRUE(Bediener.Gefunden()) << "no message box";
    EXPECT_EQ(Titel, "Rechen-Kalumbo");
    EXPECT_EQ(Text, "JPEG-Fehlernr. 53.");
    EXPECT_EQ(Symbol, QMessageBox::Critical);
    EXPECT_EQ(Knoepfe, QMessageBox::Ok);
    EXPECT_TRUE(Modal);
}

} // namespace
} // namespace kalumbo
