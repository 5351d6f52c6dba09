// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's layout and texts as the files texte/lage.json and
// texte/texte.json hold them, read by the tests themselves: a slip in what
// the build makes of the files shows as a window unlike the files.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace kalumbo::test {

inline QJsonObject LiesJson(const char* Pfad)
{
    QFile Datei(QString::fromUtf8(Pfad));
    if (!Datei.open(QIODevice::ReadOnly))
        qFatal("%s cannot be read", Pfad);
    return QJsonDocument::fromJson(Datei.readAll()).object();
}

// A text of texte.json in the desktop's wording, its lines joined and the
// texts it names in braces put in; the items of a list.
inline QString Text(const QString& Name)
{
    static const QJsonObject Texte = LiesJson(KALUMBO_TEXTE_DATEI);
    QString Ergebnis =
        Texte[Name].isArray() ? Texte[Name].toVariant().toStringList().join(u'\n') : Texte[Name].toString();
    static const QRegularExpression Verweis(QStringLiteral("\\{([A-Za-z0-9]+)\\}"));
    for (auto Treffer = Verweis.match(Ergebnis); Treffer.hasMatch(); Treffer = Verweis.match(Ergebnis))
        Ergebnis.replace(Treffer.capturedStart(), Treffer.capturedLength(), Text(Treffer.captured(1)));
    return Ergebnis;
}

inline QStringList Liste(const QString& Name)
{
    return LiesJson(KALUMBO_TEXTE_DATEI)[Name][QStringLiteral("Eintraege")].toVariant().toStringList();
}

// A place as the layout writes it, [left, top, width, height] or [left,
// top]: checks compare these numbers and print them when they differ.
inline std::vector<int> Zahlen(const QJsonValue& Werte)
{
    std::vector<int> Ergebnis;
    for (const QJsonValue& Wert : Werte.toArray())
        Ergebnis.push_back(Wert.toInt());
    return Ergebnis;
}

// A control of the layout with the name of its parent: the window, the
// help panel or a page of the tab control.
struct TLageControl {
    QJsonObject Daten;
    QString Eltern;

    QString Name() const { return Daten[QStringLiteral("Name")].toString(); }
    QJsonValue operator[](const char* Schluessel) const { return Daten[QLatin1String(Schluessel)]; }
};

struct TLagedaten {
    QJsonObject Quelle = LiesJson(KALUMBO_LAGE_DATEI);
    QJsonObject Fenster = Quelle[QStringLiteral("Fenster")].toObject();
    std::vector<TLageControl> Controls =
        Sammle(Fenster[QStringLiteral("Controls")].toArray(), Fenster[QStringLiteral("Name")].toString());

    const TLageControl& Control(const QString& Name) const
    {
        for (const TLageControl& Eintrag : Controls)
            if (Eintrag.Name() == Name)
                return Eintrag;
        qFatal("lage.json has no control %s", qPrintable(Name));
    }

    // The stops of the Tab key on the desktop, in their order.
    QStringList Tabfolge() const
    {
        QStringList Ergebnis = Quelle[QStringLiteral("Tabfolge")].toVariant().toStringList();
        Ergebnis.removeIf([](const QString& Stopp) { return Stopp.endsWith(QStringLiteral("ImBrowser")); });
        return Ergebnis;
    }

    static std::vector<TLageControl> Sammle(const QJsonArray& Liste, const QString& Eltern)
    {
        std::vector<TLageControl> Ergebnis;
        const auto Fuege = [&Ergebnis](const QJsonValue& Eltern) {
            const auto Kinder =
                Sammle(Eltern[QStringLiteral("Controls")].toArray(), Eltern[QStringLiteral("Name")].toString());
            Ergebnis.insert(Ergebnis.end(), Kinder.begin(), Kinder.end());
        };
        for (const QJsonValue& Wert : Liste) {
            Ergebnis.push_back({Wert.toObject(), Eltern});
            Fuege(Wert);
            for (const QJsonValue& Seite : Wert[QStringLiteral("Seiten")].toArray())
                Fuege(Seite);
        }
        return Ergebnis;
    }
};

} // namespace kalumbo::test
