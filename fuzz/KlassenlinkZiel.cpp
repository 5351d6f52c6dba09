// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzZiel.h"

#include "game/Startwahl.h"
#include "texte/Fuellen.h"
#include "texte/Texte.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Any text reaches the reader of the class link as the part of the page's
// address after "#". It reads settings made only of allowed items and, for
// each part it cannot use, a message that quotes what is wrong in it: the
// name when there is no such setting, else the value; nothing else ever.
// A part is what lies between two "&", read with its "%XX" written out as
// browsers write them; the last part for a setting decides it.
//
// And a link the reader takes without a message, written with some or all
// of the characters of its names and values percent-encoded, in upper- or
// lower-case hex as browsers and mail programs do, reads the same.

namespace kalumbo {
namespace {

[[noreturn]] void Verstoss(const std::string& Was, std::string_view Link)
{
    std::fprintf(stderr, "Klassenlink \"%.*s\": %s\n", int(Link.size()), Link.data(), Was.c_str());
    std::fflush(stderr);
    std::abort();
}

int Hexwert(char Zeichen)
{
    const std::string_view Ziffern = "0123456789abcdef";
    const char Klein = Zeichen >= 'A' && Zeichen <= 'F' ? char(Zeichen - 'A' + 'a') : Zeichen;
    const std::size_t Stelle = Ziffern.find(Klein);
    return Stelle == std::string_view::npos ? -1 : int(Stelle);
}

// Percent-decoding as browsers do it: "%" and two hex digits stand for
// that byte; any other "%" stays.
std::string Ausgeschrieben(std::string_view Text)
{
    std::string Bytes;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] != '%' || Text.size() - I < 3 || Hexwert(Text[I + 1]) < 0 || Hexwert(Text[I + 2]) < 0) {
            Bytes += Text[I];
            continue;
        }
        Bytes += char(Hexwert(Text[I + 1]) * 16 + Hexwert(Text[I + 2]));
        I += 2;
    }
    return Bytes;
}

std::string Angefuehrt(std::string_view Text)
{
    return Texte::Fuelle(Texte::Angefuehrt, {Text});
}

// What the reader must make of the link, part by part.
void PruefeJedenTeil(std::string_view Link)
{
    const TStartwahl Wahl = LiesKlassenlink(Link);
    std::string_view Rest = Link.starts_with('#') ? Link.substr(1) : Link;
    TStartwahl Soll;
    std::vector<std::string> Falsch; // what each message quotes
    while (!Rest.empty()) {
        const std::size_t Ende = std::min(Rest.find('&'), Rest.size());
        const std::string Teil = Ausgeschrieben(Rest.substr(0, Ende));
        Rest.remove_prefix(std::min(Ende + 1, Rest.size()));
        if (Teil.empty())
            continue;
        const std::size_t Gleich = std::min(Teil.find('='), Teil.size());
        const std::string Name = Teil.substr(0, Gleich);
        const std::string Wert = Teil.substr(std::min(Gleich + 1, Teil.size()));
        const TStartoption* Option = FindeStartoption(Name);
        if (Option == nullptr) {
            Falsch.push_back(Angefuehrt(Name));
            continue;
        }
        const std::optional<int> Item = ItemFuerWert(*Option, Wert);
        Soll.Items[std::size_t(Option->Gruppe)] = Item.value_or(-1);
        if (!Item)
            Falsch.push_back(Angefuehrt(Wert));
    }

    for (const TStartoption& Option : Startoptionen()) {
        const int Item = Wahl.Item(Option.Gruppe);
        if (Item < -1 || Item >= int(Option.Werte.size()))
            Verstoss(std::string(Option.Name) + " wählt Item " + std::to_string(Item), Link);
        if (Item != Soll.Item(Option.Gruppe))
            Verstoss(std::string(Option.Name) + " wählt " + std::to_string(Item) + " statt " +
                         std::to_string(Soll.Item(Option.Gruppe)),
                     Link);
    }
    if (Wahl.Meldungen.size() != Falsch.size())
        Verstoss(std::to_string(Wahl.Meldungen.size()) + " Meldungen für " + std::to_string(Falsch.size()) +
                     " falsche Teile",
                 Link);
    for (std::size_t I = 0; I < Falsch.size(); ++I)
        if (!Wahl.Meldungen[I].starts_with(Falsch[I]))
            Verstoss("\"" + Wahl.Meldungen[I] + "\" nennt nicht " + Falsch[I], Link);

    // The page shows all the messages in one, and nothing without any.
    const std::string Bericht = Klassenlinkbericht(Wahl);
    if (Bericht.empty() != Falsch.empty())
        Verstoss("Bericht \"" + Bericht + "\" für " + std::to_string(Falsch.size()) + " falsche Teile", Link);
    for (const std::string& Meldung : Wahl.Meldungen)
        if (Bericht.find(Meldung) == std::string::npos)
            Verstoss("Bericht ohne \"" + Meldung + "\"", Link);
}

// The link with the characters of its names and values percent-encoded
// where Kodiert says so for their place, each hex digit in upper or lower
// case as Gross says.
template <typename TWahl, typename TGross>
std::string Prozentkodiert(std::string_view Link, TWahl Kodiert, TGross Gross)
{
    std::string Ergebnis;
    for (std::size_t I = 0; I < Link.size(); ++I) {
        const auto Byte = static_cast<unsigned char>(Link[I]);
        if (Byte == '&' || Byte == '=' || !Kodiert(I)) {
            Ergebnis += Link[I];
            continue;
        }
        const char* Ziffern[] = {"0123456789abcdef", "0123456789ABCDEF"};
        Ergebnis += '%';
        Ergebnis += Ziffern[Gross(I, 0)][Byte >> 4];
        Ergebnis += Ziffern[Gross(I, 1)][Byte & 15];
    }
    return Ergebnis;
}

void PruefeKodierungen(std::string_view Link)
{
    const TStartwahl Klar = LiesKlassenlink(Link);
    const std::string Raute = Link.starts_with('#') ? "#" : "";
    const std::string_view Teile = Link.substr(Raute.size());
    if (!Klar.Meldungen.empty() || Teile.find('%') != std::string_view::npos)
        return;
    const auto Immer = [](std::size_t) { return true; };
    const auto Jedes2 = [](std::size_t I) { return I % 2 == 1; };
    const auto Letztes = [&](std::size_t I) { return I + 1 == Teile.size(); };
    const auto Gross = [](std::size_t, int) { return 1; };
    const auto Klein = [](std::size_t, int) { return 0; };
    const auto Gemischt = [](std::size_t I, int Ziffer) { return int((I + std::size_t(Ziffer)) % 2); };
    for (const std::string& Kodiert :
         {Prozentkodiert(Teile, Immer, Gross), Prozentkodiert(Teile, Immer, Klein),
          Prozentkodiert(Teile, Immer, Gemischt), Prozentkodiert(Teile, Jedes2, Klein),
          Prozentkodiert(Teile, Letztes, Klein)}) {
        const TStartwahl Wahl = LiesKlassenlink(Raute + Kodiert);
        if (Wahl.Items != Klar.Items || !Wahl.Meldungen.empty())
            Verstoss("liest sich anders als " + std::string(Link) +
                         (Wahl.Meldungen.empty() ? "" : ": " + Wahl.Meldungen.front()),
                     Raute + Kodiert);
    }
}

} // namespace
} // namespace kalumbo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Laenge)
{
    const std::string_view Link(reinterpret_cast<const char*>(Daten), Laenge);
    kalumbo::PruefeJedenTeil(Link);
    kalumbo::PruefeKodierungen(Link);
    return 0;
}
