// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts are German whatever language the system speaks. The game
// runs as a process of its own under an English system language, and
// under the bare C locale, and reports what its colour chooser and the
// context menu of the introduction box show.
#include "Laeufe.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <utility>

namespace kalumbo::test {
namespace {

// The texts a run printed after "Quelle: ".
QStringList Texte(const QStringList& Zeilen, const QString& Quelle)
{
    const QString Anfang = Quelle + QStringLiteral(": ");
    QStringList Ergebnis;
    for (const QString& Zeile : Zeilen)
        if (Zeile.startsWith(Anfang))
            Ergebnis.append(Zeile.mid(Anfang.size()));
    return Ergebnis;
}

TEST(QtAufDeutsch, FarbwahlUndKontextmenueUnterFremderSystemsprache)
{
    const std::pair<const char*, const char*> Sprachen[] = {{"en_US.UTF-8", "en_US:en"}, {"C.UTF-8", nullptr}};
    for (const auto& [Lang, Language] : Sprachen) {
        SCOPED_TRACE(Lang);
        QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
        for (const char* Name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            Umgebung.remove(QString::fromLatin1(Name));
        Umgebung.insert("LANG", Lang);
        if (Language != nullptr)
            Umgebung.insert("LANGUAGE", Language);
        Umgebung.insert("QT_QPA_PLATFORM", "offscreen");

        QProcess Spiel;
        Spiel.setProcessEnvironment(Umgebung);
        Spiel.start(QCoreApplication::applicationFilePath(), {LaufSchalter, "deutsch"});
        ASSERT_TRUE(Spiel.waitForFinished(60000)) << "the run did not end";
        ASSERT_EQ(Spiel.exitCode(), 0) << Spiel.readAllStandardError().toStdString();

        const QStringList Zeilen = QString::fromUtf8(Spiel.readAllStandardOutput()).split(QLatin1Char('\n'));
        const QStringList Farbwahl = Texte(Zeilen, QStringLiteral("Farbwahl"));
        const QStringList Menue = Texte(Zeilen, QString::fromUtf8("Menü"));
        const std::string Gezeigt = Zeilen.join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(Farbwahl.contains(QStringLiteral("Grundfarben"))) << Gezeigt;
        EXPECT_TRUE(Farbwahl.contains(QStringLiteral("Abbrechen"))) << Gezeigt;
        EXPECT_FALSE(Farbwahl.contains(QStringLiteral("Cancel"))) << Gezeigt;
        EXPECT_TRUE(Menue.contains(QString::fromUtf8("Alles auswählen\tStrg+A"))) << Gezeigt;
        EXPECT_TRUE(Menue.contains(QString::fromUtf8("Rückgängig\tStrg+Z"))) << Gezeigt;
    }
}

} // namespace
} // namespace kalumbo::test
