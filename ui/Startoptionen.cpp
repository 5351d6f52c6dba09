// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Startoptionen.h"

#include "ui/Fehlerbericht.h"
#include "ui/RadioGruppe.h"
#include "ui/TForm1.h"
#include "ui/Textquelle.h"

#include <QCommandLineParser>

#include <cstdio>

namespace kalumbo {

namespace {

QString Utf8(std::string_view Text)
{
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

// What each option chooses, as the help names it, in the order of the groups.
constexpr const char* Bedeutungen[AnzahlGruppen] = {Texte::OptionZahlen, Texte::OptionRechenarten,
                                                          Texte::OptionForm, Texte::OptionHintergrund};

// An entry of the option list: the option, and beside it its explanation,
// each further line of it indented as far.
QString Eintrag(const QString& Option, const QString& Erklaerung)
{
    constexpr int Spalte = 22;
    const QString Einzug(Spalte, QLatin1Char(' '));
    QString Zeilen = Erklaerung;
    Zeilen.replace(QLatin1Char('\n'), QLatin1Char('\n') + Einzug);
    return QStringLiteral("  ") + Option.leftJustified(Spalte - 3) + QLatin1Char(' ') + Zeilen + QLatin1Char('\n');
}

QString Hilfetext(const QString& Programm)
{
    QString Text = QText(Texte::Aufruf).arg(Programm) + QStringLiteral("\n\n") + QText(Texte::AufrufZweck) +
                   QStringLiteral("\n\n") + QText(Texte::AufrufOptionen) + QLatin1Char('\n');
    for (const TStartoption& Option : Startoptionen())
        Text += Eintrag(QStringLiteral("--%1 ").arg(Utf8(Option.Name)) + QText(Texte::AufrufWert),
                        QText(Bedeutungen[static_cast<std::size_t>(Option.Gruppe)]) + QLatin1Char('\n') +
                            QText(Texte::AufrufWerte).arg(Utf8(ErlaubteWerte(Option))));
    Text += Eintrag(QStringLiteral("-h, --help"), QText(Texte::OptionHilfe));
    Text += Eintrag(QStringLiteral("-v, --version"), QText(Texte::OptionVersion));
    return Text + QLatin1Char('\n') + QText(Texte::AufrufBeispiele).arg(Programm) + QLatin1Char('\n');
}

void Schreibe(std::FILE* Ziel, const QString& Text)
{
    std::fputs(Text.toUtf8().constData(), Ziel);
    std::fflush(Ziel);
}

// Ends the start with a refusal where a teacher sees it: on the terminal,
// and in the message box when the game was started from a menu entry.
TStartoptionen Abgelehnt(const QString& Meldung)
{
    Schreibe(stderr, QStringLiteral("rechen-kalumbo: %1\n").arg(Meldung));
    MeldeFehler(Meldung);
    return {.Wahl = {}, .Ende = 2};
}

QString Optionsname(const QString& Name)
{
    return (Name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + Name;
}

QString KeineOption(const QString& Genannt)
{
    return QText(Texte::KeineOption).arg(Genannt, Utf8(ErlaubteOptionen("--")));
}

// Why the parser stopped: an unknown option, or one without its value at
// the end of the line.
QString Syntaxfehler(const QCommandLineParser& Parser, const QStringList& Argumente)
{
    if (!Parser.unknownOptionNames().isEmpty())
        return KeineOption(Optionsname(Parser.unknownOptionNames().constFirst()));
    QString Letztes = Argumente.constLast();
    while (Letztes.startsWith(QLatin1Char('-')))
        Letztes.remove(0, 1);
    for (const TStartoption& Option : Startoptionen())
        if (Letztes == Utf8(Option.Name))
            return QText(Texte::WertFehlt).arg(Letztes, Utf8(ErlaubteWerte(Option)));
    return Parser.errorText();
}

} // namespace

TStartoptionen LiesStartoptionen(const QStringList& Argumente)
{
    QCommandLineParser Parser;
    // "-zahlen 30" reads as "--zahlen 30", as Qt's own "-platform" does.
    Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const TStartoption& Option : Startoptionen())
        Parser.addOption(QCommandLineOption(Utf8(Option.Name), QString(), QStringLiteral("WERT")));
    const QCommandLineOption Hilfe({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}, QString());
    const QCommandLineOption Version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    Parser.addOption(Hilfe);
    Parser.addOption(Version);

    if (!Parser.parse(Argumente))
        return Abgelehnt(Syntaxfehler(Parser, Argumente));
    if (!Parser.positionalArguments().isEmpty())
        return Abgelehnt(KeineOption(QText(Texte::Angefuehrt).arg(Parser.positionalArguments().constFirst())));
    if (Parser.isSet(Hilfe)) {
        Schreibe(stdout, Hilfetext(QStringLiteral("rechen-kalumbo")));
        return {.Wahl = {}, .Ende = 0};
    }
    if (Parser.isSet(Version)) {
        Schreibe(stdout, QText(Texte::ProgrammVersion).arg(QStringLiteral(KALUMBO_VERSION)) + QLatin1Char('\n'));
        return {.Wahl = {}, .Ende = 0};
    }

    // Every wrong value is named at once, so one correction is enough.
    TStartoptionen Start;
    for (const TStartoption& Option : Startoptionen()) {
        const QString Name = Utf8(Option.Name);
        if (!Parser.isSet(Name))
            continue;
        const QString Wert = Parser.value(Name);
        if (const std::optional<int> Item = ItemFuerWert(Option, Wert.toStdString()))
            Start.Wahl.Items[static_cast<std::size_t>(Option.Gruppe)] = *Item;
        else
            Start.Wahl.Meldungen.push_back(WertAbgelehnt("--" + std::string(Option.Name), Wert.toStdString(), Option));
    }
    if (!Start.Wahl.Meldungen.empty()) {
        QStringList Meldungen;
        for (const std::string& Meldung : Start.Wahl.Meldungen)
            Meldungen.append(QString::fromStdString(Meldung));
        return Abgelehnt(Meldungen.join(QLatin1Char('\n')));
    }
    return Start;
}

void WaehleStartitems(const TStartwahl& Wahl, TForm1& Form1)
{
    TRadioGruppe* const Gruppen[AnzahlGruppen] = {Form1.Zahlen, Form1.Rechenarten, Form1.Form,
                                                       Form1.Hintergrund};
    for (const TStartoption& Option : Startoptionen())
        if (const int Item = Wahl.Item(Option.Gruppe); Item >= 0)
            Gruppen[static_cast<std::size_t>(Option.Gruppe)]->SetzeItemIndex(Item);
}

} // namespace kalumbo
