// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Einstellungen.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalumbo {

// A start that begins elsewhere than the defaults: a teacher names items
// of the four groups on the settings page, on the desktop as options of
// the program ("--form A"), in the browser after the page's "#"
// ("form=A"). Both editions read the values, and word their refusals,
// here; nothing of it is ever stored.

struct TStartoption {
    std::string_view Name;   // "form": "--form" on the desktop, "form=" in a link
    TGruppe Gruppe;           // the group it chooses in
    // One entry per item of the group, in item order: its spellings,
    // separated by "|", the one listed to the user first ("plus-minus|beide").
    std::span<const std::string_view> Werte;
};

// The four options, in the order of the settings page.
std::span<const TStartoption> Startoptionen();

// The option of that name, read as values are (so case does not matter);
// nullptr when there is none.
const TStartoption* FindeStartoption(std::string_view Name);

// The item a value names, counted from 0, or nothing. Case does not
// matter, nor "-", "_" or blanks between words ("Mal-Durch", "maldurch"),
// and German letters may be written either way ("außen", "aussen").
std::optional<int> ItemFuerWert(const TStartoption& Option, std::string_view Wert);

// The values to list: "innen, A, aussen, S".
std::string ErlaubteWerte(const TStartoption& Option);

// The option names to list, each behind Vorsatz: "--zahlen, --rechenarten, ...".
std::string ErlaubteOptionen(std::string_view Vorsatz);

// The German refusal of a value, naming the option as the user wrote it
// ("--form" or "form"): "„quer“ ist kein erlaubter Wert für --form.
// Erlaubt sind: innen, A, aussen, S."
std::string WertAbgelehnt(std::string_view Genannt, std::string_view Wert, const TStartoption& Option);

// What a start chooses: an item index per group, -1 where the group keeps
// its default; and the refusals of whatever could not be read.
struct TStartwahl {
    std::array<int, AnzahlGruppen> Items{-1, -1, -1, -1};
    std::vector<std::string> Meldungen;

    int Item(TGruppe Gruppe) const { return Items[static_cast<std::size_t>(Gruppe)]; }
};

// Reads a class link: the part of the page's address after "#", as the
// browser hands it over, percent-encoded ("zahlen=30&form=au%C3%9Fen").
// Parts are separated by "&"; an empty part counts for nothing, the last
// part for a name wins. A part that cannot be read is refused, and its
// group keeps its default.
TStartwahl LiesKlassenlink(std::string_view Fragment);

// The refusals of a class link as one text for the game's message box;
// empty when there are none.
std::string Klassenlinkbericht(const TStartwahl& Wahl);

} // namespace kalumbo
