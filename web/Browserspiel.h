// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Oberflaeche.h"
#include "game/Spielsteuerung.h"
#include "game/Startwahl.h"
#include "web/Leinwand.h"

namespace kalumbo::web {

// The page as the game's edition: the settings are the item indices of
// its radio-button groups, read at the moment a rule asks; it draws on
// its two canvases; and what the game shows goes straight to its
// scripts, in the order the game shows it. None of the calls out comes
// back into the game: the scripts hold every event that arises while the
// game is answering until it has answered.
class TBrowserspiel final : public TOberflaeche {
public:
    TBrowserspiel();

    TSpielsteuerung& Steuerung() { return Spiel; }

    // A teacher's class link: the page's groups take the items it names,
    // and whatever it could not read is reported in the message box.
    void WendeAn(const TStartwahl& Klassenlink);

    int ZahlenIndex() const override;
    int RechenartenIndex() const override;
    int FormIndex() const override;

    TZeichenflaeche& Brettbild() override { return Bild; }
    TZeichenflaeche& Zeigerebene() override { return Ebene; }

    void ZeigeHilfe(bool Sichtbar) override;
    void ZeigeBravo(bool Sichtbar) override;
    void ZeigeFortschritt(const std::string& Text) override;
    void ErgaenzeVerlauf(const std::string& Zeile) override;
    void LeereVerlauf() override;
    void VerbergeBrett() override;
    void BereiteHintergrundVor() override;
    void ZeigeBrett() override;
    void ZeigeZeiger(TZelle Zelle) override;
    void MeldeZelle(TZelle Zelle, const TZellbeschreibung& Neu, const TZellbeschreibung& Alt) override;
    void ZeigeMeldung(const std::string& Text) override;
    void SageAn(const std::string& Text) override;

private:
    TLeinwand Bild{TLeinwand::Brettbild};
    TLeinwand Ebene{TLeinwand::Zeigerebene};
    // Last: it may ask for the settings as it is made.
    TSpielsteuerung Spiel;
};

} // namespace kalumbo::web
