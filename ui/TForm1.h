// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Anzeige.h"
#include "game/Einstellungen.h"
#include "game/Regeln.h"
#include "game/Spielstand.h"
#include "game/Zufall.h"
#include "ui/Farben.h"
#include "ui/Spielbrett.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;

namespace kalumbo {

class TBildFeld;
class TFarbwahl;
class THilfe;
class TRadioGruppe;
class TVerlaufsliste;

// The game's one window: the board with its picture, the buttons, and the
// pages "Spiel" and "Einstellungen". It owns the game state, answers the
// rules' questions for the settings from its radio-button groups, and
// shows what the rules report.
class TForm1 : public QWidget, private TEinstellungen, private TAnzeige {
    Q_OBJECT

public:
    // The window deals its games from the given random source: the
    // program hands it one seeded from the clock, a test a seeded one.
    explicit TForm1(std::unique_ptr<TZufallsquelle> Zufallsquelle, QWidget* Eltern = nullptr);
    ~TForm1() override;

    const TSpielstand& Spielstand() const { return Stand; }

    // Draws one cell of the board from the game state.
    void ZeichneStein(int Spalte, int Zeile) override;
    // Draws every position of the chosen shape.
    void ZeichneBrett();

    // The controls, in the order they are made: each lies above the ones
    // before it.
    QFrame* const Brettrahmen;
    TBildFeld* const Bild;
    TSpielbrett* const Spielbrett;
    QLabel* const Bravo;
    TBildFeld* const EingebautesBild1;
    TBildFeld* const EingebautesBild2;
    TBildFeld* const EingebautesBild3;
    TBildFeld* const EingebautesBild4;
    THilfe* const Hilfe;
    QTabWidget* const Seiten;
    QWidget* const Spiel;
    QLabel* const Geloest;
    TVerlaufsliste* const History;
    QWidget* const Einstellungen;
    TRadioGruppe* const Zahlen;
    TRadioGruppe* const Rechenarten;
    TRadioGruppe* const Form;
    TRadioGruppe* const Hintergrund;
    QLabel* const FarbenTitel;
    QPushButton* const FarbeNormalKnopf;
    QPushButton* const FarbeAusgewaehltKnopf;
    QPushButton* const NeuesSpielKnopf;
    QPushButton* const EndeKnopf;
    QPushButton* const HilfeKnopf;

    // The colour chooser; a test may put another in its place.
    std::unique_ptr<TFarbwahl> Farbwahl;

protected:
    // Enter presses "Fertig" while the help is shown, unless the focused
    // control takes Enter itself.
    void keyPressEvent(QKeyEvent* Ereignis) override;

private:
    // Handlers, named after their control and event.
    void UebernimmStartfarben(QObject* Sender);
    void NeuesSpielKnopfClick(QObject* Sender);
    void EndeKnopfClick(QObject* Sender);
    void FarbeNormalKnopfClick(QObject* Sender);
    void FarbeAusgewaehltKnopfClick(QObject* Sender);
    void HilfeKnopfClick(QObject* Sender);
    void FertigKnopfClick(QObject* Sender);
    void SpielbrettMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

    void NeuesSpiel();
    void SetzeHintergrund();
    const QImage& HintergrundFuerBrett();
    void SetzeFortschritt(const QString& Text);
    void WaehleFarbe(TColor& Farbe);

    void RichteFensterEin();
    void RichteSeitenEin();
    void RichteTabfolgeEin();
    void VerbindeHandler();

    // What the rules ask and report.
    int ZahlenIndex() const override;
    int RechenartenIndex() const override;
    int FormIndex() const override;
    void ZeigeFortschritt(const std::string& Text) override;
    void ErgaenzeVerlauf(const std::string& Zeile) override;
    void ZeigeBravo() override;
    void MeldeDruck(const TDruckbericht& Bericht) override;
    void VerbergeHilfe() override;
    void LeereVerlauf() override;
    void VerbergeBravo() override;
    void LegeBrettAn() override;
    void ZeigeBrett() override;

    std::array<TBildFeld*, 4> EingebauteBilder() const;

    // The background at the board's resolution, made once per picture.
    QImage SkalierterHintergrund;
    qint64 SkaliertAus = 0; // the cache key of the picture it was made from

    TSpielstand Stand;
    std::unique_ptr<TZufallsquelle> Zufallsquelle;
    TRegeln Regeln;
};

} // namespace kalumbo
