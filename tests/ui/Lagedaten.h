// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's layout and texts as the files texte/lage.json and
// texte/texte.json hold them, read by the tests themselves: a slip in what
// the build makes of the files shows as a window unlike the files.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <vector>

namespace kalumbo::test {

inline QJsonObject LiesJson(const char* Pfad)
{
    QFile Datei(QString::fromUtf8(Pfad));
    if (!Datei.open(QIODevice::ReadOnly))
        qFatal("%s cannot be read", Pfad);
    return QJsonDocument::fromJson(Datei.readAll()).object();
}

// A text of texte.json in the desktop's wording: its lines joined, the
// texts it names in braces put in.
inline QString Text(const QString& Name)
{
    static const QJsonObject Texte = LiesJson(KALUMBO_TEXTE_DATEI);
    const QJsonValue Wert = Texte.value(Name);
    QString Ergebnis = Wert.isArray() ? Wert.toVariant().toStringList().join(u'\n') : Wert.toString();
    static const QRegularExpression Verweis(QStringLiteral("\\{([A-Za-z0-9]+)\\}"));
    for (QRegularExpressionMatch Treffer = Verweis.match(Ergebnis); Treffer.hasMatch();
         Treffer = Verweis.match(Ergebnis))
        Ergebnis.replace(Treffer.capturedStart(), Treffer.capturedLength(), Text(Treffer.captured(1)));
    return Ergebnis;
}

// The items of a list of texte.json.
inline QStringList Liste(const QString& Name)
{
    static const QJsonObject Texte = LiesJson(KALUMBO_TEXTE_DATEI);
    return Texte[Name][QStringLiteral("Eintraege")].toVariant().toStringList();
}

// A place as the layout writes it, [left, top, width, height] or [left,
// top]; a check compares the numbers and prints them when they differ.
using TRechteck = std::array<int, 4>;
using TPunkt = std::array<int, 2>;

inline TRechteck Rechteck(const QJsonValue& Werte)
{
    return {Werte[0].toInt(), Werte[1].toInt(), Werte[2].toInt(), Werte[3].toInt()};
}

inline TRechteck Rechteck(const QRect& Lage)
{
    return {Lage.x(), Lage.y(), Lage.width(), Lage.height()};
}

inline TPunkt Punkt(const QJsonValue& Werte)
{
    return {Werte[0].toInt(), Werte[1].toInt()};
}

inline TPunkt Punkt(const QPoint& Ort)
{
    return {Ort.x(), Ort.y()};
}

// A control of the layout with the name of its parent: the window, the
// help panel or a page of the tab control.
struct TLageControl {
    QJsonObject Control;
    QString Eltern;

    QString Name() const { return Control[QStringLiteral("Name")].toString(); }
};

class TLagedaten {
public:
    TLagedaten() : Quelle(LiesJson(KALUMBO_LAGE_DATEI))
    {
        Sammle(Fenster()[QStringLiteral("Controls")].toArray(), Fenster()[QStringLiteral("Name")].toString());
    }

    QJsonObject Fenster() const { return Quelle[QStringLiteral("Fenster")].toObject(); }
    const std::vector<TLageControl>& Controls() const { return Alle; }
    const TLageControl& Control(const QString& Name) const
    {
        for (const TLageControl& Eintrag : Alle)
            if (Eintrag.Name() == Name)
                return Eintrag;
        qFatal("lage.json has no control %s", qPrintable(Name));
    }
    QJsonArray Seiten() const { return Control(QStringLiteral("Seiten")).Control[QStringLiteral("Seiten")].toArray(); }

    // The stops of the Tab key on the desktop, in their order.
    QStringList Tabfolge() const
    {
        QStringList Ergebnis;
        for (const QJsonValue& Stopp : Quelle[QStringLiteral("Tabfolge")].toArray())
            if (!Stopp.toString().endsWith(QStringLiteral("ImBrowser")))
                Ergebnis.append(Stopp.toString());
        return Ergebnis;
    }

private:
    void Sammle(const QJsonArray& Controls, const QString& Eltern)
    {
        for (const QJsonValue& Wert : Controls) {
            const QJsonObject Control = Wert.toObject();
            Alle.push_back({Control, Eltern});
            Sammle(Control[QStringLiteral("Controls")].toArray(), Control[QStringLiteral("Name")].toString());
            for (const QJsonValue& Seite : Control[QStringLiteral("Seiten")].toArray())
                Sammle(Seite[QStringLiteral("Controls")].toArray(), Seite[QStringLiteral("Name")].toString());
        }
    }

    QJsonObject Quelle;
    std::vector<TLageControl> Alle;
};

} // namespace kalumbo::test
