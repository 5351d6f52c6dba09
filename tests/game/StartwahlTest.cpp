// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's start: the values of the four options in the spellings a
// teacher may type, their refusals, and the class link in the page's
// address. Which value chooses which item of the window is checked by the
// window's own tests against its radio buttons.
#include "game/Startwahl.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <sstream>

namespace kalumbo {
namespace {

const TStartoption& Option(std::string_view Name)
{
    const TStartoption* Gefunden = FindeStartoption(Name);
    if (Gefunden == nullptr)
        throw std::invalid_argument("no option " + std::string(Name));
    return *Gefunden;
}

std::vector<std::string> Liste(const std::string& MitKommas)
{
    std::vector<std::string> Teile;
    std::istringstream Strom(MitKommas);
    for (std::string Teil; std::getline(Strom, Teil, ',');)
        Teile.push_back(Teil.substr(Teil.find_first_not_of(' ')));
    return Teile;
}

TEST(Startwahl, GrossUndKleinUmlauteUndBindestricheZaehlenNicht)
{
    const TStartoption& Form = Option("form");
    const std::optional<int> Aussen = ItemFuerWert(Form, "aussen");
    ASSERT_TRUE(Aussen.has_value());
    for (const char* Schreibweise : {"außen", "Außen", "AUSSEN", "AUßEN", "AUẞEN", "aussen"})
        EXPECT_EQ(ItemFuerWert(Form, Schreibweise), Aussen) << Schreibweise;
    EXPECT_EQ(ItemFuerWert(Form, "a"), ItemFuerWert(Form, "A"));
    EXPECT_NE(ItemFuerWert(Form, "a"), ItemFuerWert(Form, "S"));

    const TStartoption& Rechenarten = Option("rechenarten");
    const std::optional<int> PlusMinus = ItemFuerWert(Rechenarten, "plus-minus");
    const std::optional<int> MalDurch = ItemFuerWert(Rechenarten, "mal-durch");
    ASSERT_TRUE(PlusMinus.has_value() && MalDurch.has_value());
    EXPECT_NE(PlusMinus, MalDurch);
    for (const char* Schreibweise : {"beide", "Beide", "plus_minus", "plusminus", "Plus Minus"})
        EXPECT_EQ(ItemFuerWert(Rechenarten, Schreibweise), PlusMinus) << Schreibweise;
    for (const char* Schreibweise : {"Mal-Durch", "maldurch", "MAL_DURCH"})
        EXPECT_EQ(ItemFuerWert(Rechenarten, Schreibweise), MalDurch) << Schreibweise;

    const TStartoption& Hintergrund = Option("hintergrund");
    EXPECT_EQ(ItemFuerWert(Hintergrund, "Bild3"), ItemFuerWert(Hintergrund, "3"));
    EXPECT_EQ(FindeStartoption("Zahlen"), &Option("zahlen"));
}

TEST(Startwahl, BeinaheRichtigeWerteWerdenAbgelehnt)
{
    const TStartoption& Zahlen = Option("zahlen");
    for (const char* Wert : {"", "0", "20", "300", "10000", "5", "dreißig", "30x", "1.000"})
        EXPECT_FALSE(ItemFuerWert(Zahlen, Wert).has_value()) << Wert;
    const TStartoption& Rechenarten = Option("rechenarten");
    for (const char* Wert : {"pluss", "plus-mal", "beid", "durchmal", "minus-plus"})
        EXPECT_FALSE(ItemFuerWert(Rechenarten, Wert).has_value()) << Wert;
    EXPECT_FALSE(ItemFuerWert(Option("form"), "aussenn").has_value());
    EXPECT_FALSE(ItemFuerWert(Option("hintergrund"), "Bild5").has_value());
    EXPECT_EQ(FindeStartoption("farbe"), nullptr);
}

// The refusal names the value and the option, and lists exactly what
// would have been accepted.
TEST(Startwahl, AblehnungNenntWertOptionUndWasErlaubtIst)
{
    const TStartoption& Form = Option("form");
    const std::string Meldung = WertAbgelehnt("--form", "quer", Form);
    EXPECT_EQ(Meldung.find("„quer“ ist kein erlaubter Wert für --form. Erlaubt sind: "), 0u) << Meldung;
    ASSERT_TRUE(Meldung.ends_with("."));
    const std::string Aufzaehlung = Meldung.substr(Meldung.find(": ") + 2, Meldung.size() - Meldung.find(": ") - 3);
    std::set<int> Items;
    for (const std::string& Wert : Liste(Aufzaehlung)) {
        const std::optional<int> Item = ItemFuerWert(Form, Wert);
        ASSERT_TRUE(Item.has_value()) << Wert;
        Items.insert(*Item);
    }
    EXPECT_EQ(Items.size(), Form.Werte.size());
    EXPECT_EQ(ErlaubteOptionen("--"), "--zahlen, --rechenarten, --form, --hintergrund");
}

TEST(Klassenlink, AlleVierEinstellungenAuchProzentkodiertUndInBeliebigerSchreibung)
{
    const TStartwahl Wahl = LiesKlassenlink("#zahlen=30&Rechenarten=mal-durch&form=au%C3%9Fen&hintergrund=Bild2");
    EXPECT_TRUE(Wahl.Meldungen.empty());
    EXPECT_EQ(Wahl.Item(TGruppe::Zahlen), ItemFuerWert(Option("zahlen"), "30"));
    EXPECT_EQ(Wahl.Item(TGruppe::Rechenarten), ItemFuerWert(Option("rechenarten"), "mal-durch"));
    EXPECT_EQ(Wahl.Item(TGruppe::Form), ItemFuerWert(Option("form"), "aussen"));
    EXPECT_EQ(Wahl.Item(TGruppe::Hintergrund), ItemFuerWert(Option("hintergrund"), "2"));
    EXPECT_EQ(Klassenlinkbericht(Wahl), "");

    // Nothing after "#", empty parts, and the last word for a name.
    EXPECT_EQ(LiesKlassenlink("").Items, TStartwahl().Items);
    EXPECT_EQ(LiesKlassenlink("#").Items, TStartwahl().Items);
    const TStartwahl Zweimal = LiesKlassenlink("&&form=S&&form=A&");
    EXPECT_TRUE(Zweimal.Meldungen.empty());
    EXPECT_EQ(Zweimal.Item(TGruppe::Form), ItemFuerWert(Option("form"), "A"));
}

TEST(Klassenlink, EinFalscherTeilWirdGemeldetUndLaesstSeineGruppeBeiDerVoreinstellung)
{
    const TStartwahl Wahl = LiesKlassenlink("zahlen=30&form=quer&farbe=rot&hintergrund=%zz&rechenarten");
    EXPECT_EQ(Wahl.Item(TGruppe::Zahlen), ItemFuerWert(Option("zahlen"), "30"));
    EXPECT_EQ(Wahl.Item(TGruppe::Form), -1);
    EXPECT_EQ(Wahl.Item(TGruppe::Hintergrund), -1);
    EXPECT_EQ(Wahl.Item(TGruppe::Rechenarten), -1);
    ASSERT_EQ(Wahl.Meldungen.size(), 4u);
    EXPECT_EQ(Wahl.Meldungen[0], WertAbgelehnt("form", "quer", Option("form")));
    EXPECT_NE(Wahl.Meldungen[1].find("„farbe“"), std::string::npos) << Wahl.Meldungen[1];
    EXPECT_NE(Wahl.Meldungen[1].find("zahlen, rechenarten, form, hintergrund"), std::string::npos);
    EXPECT_EQ(Wahl.Meldungen[2], WertAbgelehnt("hintergrund", "%zz", Option("hintergrund")));
    EXPECT_EQ(Wahl.Meldungen[3], WertAbgelehnt("rechenarten", "", Option("rechenarten")));
    // A value that looks like a blank of the message is named as given.
    EXPECT_EQ(LiesKlassenlink("zahlen=%252").Meldungen.at(0).find("\u201e%2\u201c ist"), 0u);

    // A part given right after a wrong one counts; one given wrong after a
    // right one leaves the default.
    EXPECT_EQ(LiesKlassenlink("form=quer&form=S").Item(TGruppe::Form), ItemFuerWert(Option("form"), "S"));
    EXPECT_EQ(LiesKlassenlink("form=S&form=quer").Item(TGruppe::Form), -1);

    const std::string Bericht = Klassenlinkbericht(Wahl);
    for (const std::string& Meldung : Wahl.Meldungen)
        EXPECT_NE(Bericht.find(Meldung), std::string::npos) << Meldung;
    EXPECT_NE(Bericht.find("Voreinstellung"), std::string::npos);
}

} // namespace
} // namespace kalumbo
