// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Oberflaeche.h"
#include "game/Spielsteuerung.h"
#include "game/Zufall.h"
#include "ui/Bildflaeche.h"
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

class TAnsage;
class TBildFeld;
class TFarbwahl;
class THilfe;
class TRadioGruppe;
class TVerlaufsliste;

// The game's one window: the board with its picture, the buttons, and the
// pages "Spiel" and "Einstellungen". It holds the game's steering, hands
// it the player's events, answers its questions for the settings from the
// radio-button groups, and shows what it reports.
class TForm1 : public QWidget, private TOberflaeche {
    Q_OBJECT

public:
    // The window deals its games from the given random source: the
    // program hands it one seeded from the clock, a test a seeded one.
    explicit TForm1(std::unique_ptr<TZufallsquelle> Zufallsquelle, QWidget* Eltern = nullptr);
    ~TForm1() override;

    const TSpielstand& Spielstand() const { return Steuerung.Spielstand(); }
    TSpielsteuerung& Spielsteuerung() { return Steuerung; }

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

    const QImage& HintergrundFuerBrett();
    void SetzeFortschritt(const QString& Text);
    void WaehleFarbe(TSteinfarbe Welche);

    void RichteFensterEin();
    void RichteSeitenEin();
    void RichteTabfolgeEin();
    void VerbindeHandler();

    // What the steering asks and shows.
    int ZahlenIndex() const override;
    int RechenartenIndex() const override;
    int FormIndex() const override;
    TZeichenflaeche& Brettbild() override;
    TZeichenflaeche& Zeigerebene() override;
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

    std::array<TBildFeld*, 4> EingebauteBilder() const;

    // The background at the board's resolution, made once per picture.
    QImage SkalierterHintergrund;
    qint64 SkaliertAus = 0; // the cache key of the picture it was made from

    TBildflaeche Brettflaeche;
    TBildflaeche Zeigerflaeche;
    // What a screen reader is told a press or a new game did.
    TAnsage* Ansage = nullptr;
    TSpielsteuerung Steuerung;
};

} // namespace kalumbo
