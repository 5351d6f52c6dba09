// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Einstellungen.h"
#include "Zeichenflaeche.h"
#include "Zellbeschreibung.h"

#include <string>

namespace kalumbo {

// What an edition of the game does for the steering: it answers for the
// settings on its page, draws through its two pictures of the board, and
// shows in its controls what the game tells it. The calls come in the
// order the game makes them; none of them calls back into the game.
class TOberflaeche : public TEinstellungen {
public:
    // The board picture, and the picture above it that holds nothing but
    // the keyboard's frame.
    virtual TZeichenflaeche& Brettbild() = 0;
    virtual TZeichenflaeche& Zeigerebene() = 0;

    virtual void ZeigeHilfe(bool Sichtbar) = 0;
    virtual void ZeigeBravo(bool Sichtbar) = 0;
    // New progress text, such as "7 von 18 gelöst".
    virtual void ZeigeFortschritt(const std::string& Text) = 0;
    // A solved problem for the history, such as "12 + 7 = 19".
    virtual void ErgaenzeVerlauf(const std::string& Zeile) = 0;
    virtual void LeereVerlauf() = 0;
    // A new game hides the board while it is laid out and drawn.
    virtual void VerbergeBrett() = 0;
    // The background picture of the chosen item is made ready for drawing.
    // A picture that cannot be read ends the new game here, by an
    // exception, with the board hidden and grey.
    virtual void BereiteHintergrundVor() = 0;
    // The new game is drawn whole: the board is shown again.
    virtual void ZeigeBrett() = 0;

    // For the keyboard and for screen readers: the keyboard's cursor is on
    // the cell now, or shows itself there again.
    virtual void ZeigeZeiger(TZelle Zelle) = 0;
    // What a cell says has changed since it was last told.
    virtual void MeldeZelle(TZelle Zelle, const TZellbeschreibung& Neu, const TZellbeschreibung& Alt) = 0;
    // The game's message box, with the message as it is to stand there.
    virtual void ZeigeMeldung(const std::string& Text) = 0;
    // Words that say what just happened on the board, for a player who
    // cannot see it: what a press did, or that a new game lies there. A
    // screen reader is to say them once, after what it says of the cell
    // under the cursor and without cutting that off.
    virtual void SageAn(const std::string& Text) = 0;

protected:
    ~TOberflaeche() = default;
};

} // namespace kalumbo
