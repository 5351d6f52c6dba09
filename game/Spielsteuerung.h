// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Anzeige.h"
#include "Aussehen.h"
#include "Oberflaeche.h"
#include "Regeln.h"
#include "Spielstand.h"
#include "Tastaturzeiger.h"
#include "Zellbeschreibung.h"
#include "Zufall.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace kalumbo {

// How the keyboard focus came to the board.
enum class TFokusweg {
    Maus,     // a press of the mouse or a finger on it
    Tastatur, // the Tab key, or a screen reader putting it there
    Fenster,  // the window became active again, or a popup closed
};

// The game as both editions play it: the one game state, the rules over
// it, the keyboard's cursor, the help panel's state, the tile colours and
// the board as drawn. An edition turns its events into the calls below
// and implements its TOberflaeche; everything else happens here, once.
class TSpielsteuerung final : private TAnzeige {
public:
    // The game deals from the given random source: the program hands it
    // one seeded from the clock, a test a seeded one.
    TSpielsteuerung(TOberflaeche& Oberflaeche, std::unique_ptr<TZufallsquelle> Quelle);

    // From now on the games come from this source.
    void NimmZufallsquelle(std::unique_ptr<TZufallsquelle> Quelle);

    // "Neues Spiel": the whole sequence. A background picture that cannot
    // be read ends it with the exception of its edition.
    void NeuesSpiel();
    // "Hilfe" shows or hides the help; "Fertig" hides it.
    void SchalteHilfe();
    void Fertig();
    // Enter on a control that does not take it itself: while the help is
    // shown it presses "Fertig". Whether it did.
    bool Eingabetaste();

    // A press of any mouse button or a finger at a pixel of the board.
    void Maus(int X, int Y);
    // A key on the board, held down (Wiederholt) or not; whether the
    // board took it. A press on a board that the help covers is not the
    // board's: Enter goes on to the window.
    bool Taste(TBretttaste Taste, bool Wiederholt);
    void FokusKommt(TFokusweg Weg);
    void FokusGeht();
    // A screen reader put the focus on a cell: the cursor goes along.
    void ZeigeAuf(TZelle Zelle);

    // A colour button's chooser closed, with the colour chosen or, when
    // the player cancelled, none. The board is drawn again either way.
    void FarbeGewaehlt(TSteinfarbe Welche, std::optional<TColor> Neu);
    // A choice on the settings page changed: another shape changes which
    // tiles are shut in.
    void EinstellungGeaendert();
    // The whole board again, as it was last drawn: after its picture has
    // changed its resolution, or the background came in late.
    void ZeichneAllesNeu();
    // A message for the game's message box.
    void Melde(const std::string& Meldung);

    const TSpielstand& Spielstand() const { return Stand; }
    const TSteinfarben& Farben() const { return Steinfarben; }
    bool HilfeSichtbar() const { return Hilfe; }
    // The shape chosen now.
    int Form() const;
    TZelle Zeigerzelle() const { return Zeiger.Zelle(); }
    // Whether the keyboard's frame is on the board: the board has the
    // focus, a game lies on it, and no press of the mouse hid it since the
    // last key.
    bool ZeigtRahmen() const;
    // The cell in words, as a screen reader hears it.
    TZellbeschreibung Beschreibung(TZelle Zelle) const;

private:
    // What the rules show.
    void ZeichneStein(int Spalte, int Zeile) override;
    void ZeigeFortschritt(const std::string& Text) override;
    void ErgaenzeVerlauf(const std::string& Zeile) override;
    void ZeigeBravo() override;
    void MeldeDruck(const TDruckbericht& Bericht) override;
    void VerbergeHilfe() override;
    void LeereVerlauf() override;
    void VerbergeBravo() override;
    void LegeBrettAn() override;
    void ZeigeBrett() override;

    void SetzeZeiger(TZelle Zelle);
    void Druecke(TZelle Zelle);
    void ZeichneRahmen();
    void MeldeAenderungen();
    static std::size_t Nummer(TZelle Zelle);

    TOberflaeche& Oberflaeche;
    TSpielstand Stand;
    std::unique_ptr<TZufallsquelle> Quelle;
    std::optional<TRegeln> Regeln;

    TSteinfarben Steinfarben;
    bool Hilfe = true;

    // The board as drawn: nothing at all before its first drawing, white
    // before the first game; and each cell's look when it was last drawn.
    bool Bemalt = false;
    bool MitSpiel = false;
    std::array<std::optional<TZellansicht>, Spalten * Zeilen> Gezeichnet{};

    // The keyboard: its cursor, whether the board has the focus, whether
    // a press of the mouse hid the frame, and the frame as it is drawn.
    TTastaturzeiger Zeiger;
    bool Fokus = false;
    bool Verborgen = false;
    struct TRahmen {
        TZelle Zelle;
        bool AufStein;
        bool operator==(const TRahmen&) const = default;
    };
    std::optional<TRahmen> Rahmen;

    // What every cell said when screen readers were last told, and what
    // the last press did.
    std::array<TZellbeschreibung, Spalten * Zeilen> Gemeldet{};
    TDruckbericht Bericht;
};

} // namespace kalumbo
