// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startwahl.h"

#include "texte/Fuellen.h"
#include "texte/Texte.h"

#include <utility>

namespace kalumbo {

namespace {

constexpr std::string_view ZahlenWerte[] = {"30", "50", "100", "1000"};
// Both items captioned "beide" can be named; "beide" alone is the first.
constexpr std::string_view RechenartWerte[] = {"plus", "minus", "plus-minus|beide", "alle",
                                               "mal",  "durch", "mal-durch"};
constexpr std::string_view FormWerte[] = {"innen", "A", "aussen", "S"};
constexpr std::string_view HintergrundWerte[] = {"1|Bild1", "2|Bild2", "3|Bild3", "4|Bild4"};

constexpr TStartoption Optionen[] = {
    {"zahlen", TGruppe::Zahlen, ZahlenWerte},
    {"rechenarten", TGruppe::Rechenarten, RechenartWerte},
    {"form", TGruppe::Form, FormWerte},
    {"hintergrund", TGruppe::Hintergrund, HintergrundWerte},
};

// German letters in UTF-8 and how they are written without them.
constexpr std::pair<std::string_view, std::string_view> Umschrift[] = {
    {"\u00e4", "ae"}, {"\u00c4", "ae"}, {"\u00f6", "oe"}, {"\u00d6", "oe"},  {"\u00fc", "ue"},
    {"\u00dc", "ue"}, {"\u00df", "ss"}, {"\u1e9e", "ss"},
};

// A spelling reduced to what tells it apart: lower case, German letters
// written out, no "-", "_" or blanks.
std::string Vereinheitlicht(std::string_view Text)
{
    std::string Ergebnis;
    while (!Text.empty()) {
        const char Zeichen = Text.front();
        if (Zeichen == '-' || Zeichen == '_' || Zeichen == ' ') {
            Text.remove_prefix(1);
            continue;
        }
        bool Umschrieben = false;
        for (const auto& [Buchstabe, Ersatz] : Umschrift)
            if (Text.starts_with(Buchstabe)) {
                Ergebnis += Ersatz;
                Text.remove_prefix(Buchstabe.size());
                Umschrieben = true;
                break;
            }
        if (Umschrieben)
            continue;
        Ergebnis += Zeichen >= 'A' && Zeichen <= 'Z' ? static_cast<char>(Zeichen - 'A' + 'a') : Zeichen;
        Text.remove_prefix(1);
    }
    return Ergebnis;
}

// The first spelling of an item, the one listed.
std::string_view Erste(std::string_view Schreibweisen)
{
    return Schreibweisen.substr(0, Schreibweisen.find('|'));
}

int Hexziffer(char Zeichen)
{
    if (Zeichen >= '0' && Zeichen <= '9')
        return Zeichen - '0';
    if (Zeichen >= 'a' && Zeichen <= 'f')
        return Zeichen - 'a' + 10;
    if (Zeichen >= 'A' && Zeichen <= 'F')
        return Zeichen - 'A' + 10;
    return -1;
}

// "%C3%9F" becomes the byte sequence it stands for; a "%" not followed by
// two hex digits stays as it is.
std::string Dekodiert(std::string_view Text)
{
    std::string Ergebnis;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '%' && I + 2 < Text.size() && Hexziffer(Text[I + 1]) >= 0 && Hexziffer(Text[I + 2]) >= 0) {
            Ergebnis += static_cast<char>(Hexziffer(Text[I + 1]) * 16 + Hexziffer(Text[I + 2]));
            I += 2;
        } else {
            Ergebnis += Text[I];
        }
    }
    return Ergebnis;
}

std::string InAnfuehrung(std::string_view Text)
{
    return Texte::Fuelle(Texte::Angefuehrt, {Text});
}

} // namespace

std::span<const TStartoption> Startoptionen()
{
    return Optionen;
}

const TStartoption* FindeStartoption(std::string_view Name)
{
    const std::string Gesucht = Vereinheitlicht(Name);
    for (const TStartoption& Option : Optionen)
        if (Option.Name == Gesucht)
            return &Option;
    return nullptr;
}

std::optional<int> ItemFuerWert(const TStartoption& Option, std::string_view Wert)
{
    const std::string Gesucht = Vereinheitlicht(Wert);
    for (std::size_t Item = 0; Item < Option.Werte.size(); ++Item) {
        std::string_view Schreibweisen = Option.Werte[Item];
        while (true) {
            const std::size_t Trenner = Schreibweisen.find('|');
            if (Vereinheitlicht(Schreibweisen.substr(0, Trenner)) == Gesucht)
                return static_cast<int>(Item);
            if (Trenner == std::string_view::npos)
                break;
            Schreibweisen.remove_prefix(Trenner + 1);
        }
    }
    return std::nullopt;
}

std::string ErlaubteWerte(const TStartoption& Option)
{
    std::string Liste;
    for (std::string_view Schreibweisen : Option.Werte)
        Liste += (Liste.empty() ? "" : ", ") + std::string(Erste(Schreibweisen));
    return Liste;
}

std::string ErlaubteOptionen(std::string_view Vorsatz)
{
    std::string Liste;
    for (const TStartoption& Option : Optionen)
        Liste += (Liste.empty() ? "" : ", ") + std::string(Vorsatz) + std::string(Option.Name);
    return Liste;
}

std::string WertAbgelehnt(std::string_view Genannt, std::string_view Wert, const TStartoption& Option)
{
    return Texte::Fuelle(Texte::WertAbgelehnt, {InAnfuehrung(Wert), Genannt, ErlaubteWerte(Option)});
}

TStartwahl LiesKlassenlink(std::string_view Fragment)
{
    if (Fragment.starts_with('#'))
        Fragment.remove_prefix(1);
    TStartwahl Wahl;
    while (!Fragment.empty()) {
        const std::size_t Ende = Fragment.find('&');
        const std::string Teil = Dekodiert(Fragment.substr(0, Ende));
        Fragment.remove_prefix(Ende == std::string_view::npos ? Fragment.size() : Ende + 1);
        if (Teil.empty())
            continue;

        const std::size_t Gleich = Teil.find('=');
        const std::string Name = Teil.substr(0, Gleich);
        const TStartoption* Option = FindeStartoption(Name);
        if (Option == nullptr) {
            Wahl.Meldungen.push_back(
                Texte::Fuelle(Texte::KlassenlinkUnbekannt, {InAnfuehrung(Name), ErlaubteOptionen("")}));
            continue;
        }
        const std::string Wert = Gleich == std::string::npos ? std::string() : Teil.substr(Gleich + 1);
        int& Item = Wahl.Items[static_cast<std::size_t>(Option->Gruppe)];
        if (const std::optional<int> Gefunden = ItemFuerWert(*Option, Wert)) {
            Item = *Gefunden;
        } else {
            Item = -1;
            Wahl.Meldungen.push_back(WertAbgelehnt(Option->Name, Wert, *Option));
        }
    }
    return Wahl;
}

std::string Klassenlinkbericht(const TStartwahl& Wahl)
{
    if (Wahl.Meldungen.empty())
        return {};
    std::string Bericht = std::string(Texte::KlassenlinkPasstNicht) + '\n';
    for (const std::string& Meldung : Wahl.Meldungen)
        Bericht += Meldung + '\n';
    return Bericht + Texte::KlassenlinkVoreinstellung;
}

} // namespace kalumbo
