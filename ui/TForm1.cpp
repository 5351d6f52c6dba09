// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TForm1.h"

#include "ui/Ansage.h"
#include "ui/Aufbau.h"
#include "ui/BildFeld.h"
#include "ui/Farben.h"
#include "ui/Farbwahl.h"
#include "ui/Fehlerbericht.h"
#include "ui/Glyphen.h"
#include "ui/Hilfe.h"
#include "ui/Hintergrundbilder.h"
#include "ui/RadioGruppe.h"
#include "ui/Reiterstil.h"
#include "ui/Schriften.h"
#include "ui/Textquelle.h"
#include "ui/Verlaufsliste.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace kalumbo {

namespace {

constexpr QSize Brettmass(Brettgroesse, Brettgroesse);

// The right edge of the progress text on the page "Spiel"; a longer text grows to the left.
constexpr int GeloestRechts = Lage::Geloest.Ecke.x();

} // namespace

TForm1::TForm1(std::unique_ptr<TZufallsquelle> Zufallsquelle, QWidget* Eltern)
    : QWidget(Eltern, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      Brettrahmen(Erzeuge<QFrame>(this, Lage::Brettrahmen)),
      Bild(Erzeuge<TBildFeld>(this, Lage::Bild)),
      Spielbrett(Erzeuge<TSpielbrett>(this, Lage::Spielbrett)),
      Bravo(Beschriftung(this, Lage::Bravo)),
      EingebautesBild1(Erzeuge<TBildFeld>(this, Lage::EingebautesBild1)),
      EingebautesBild2(Erzeuge<TBildFeld>(this, Lage::EingebautesBild2)),
      EingebautesBild3(Erzeuge<TBildFeld>(this, Lage::EingebautesBild3)),
      EingebautesBild4(Erzeuge<TBildFeld>(this, Lage::EingebautesBild4)),
      Hilfe(Erzeuge<THilfe>(this, Lage::Hilfe)),
      Seiten(Erzeuge<QTabWidget>(this, Lage::Seiten)),
      Spiel(Seite(Seiten, Lage::Spiel)),
      Geloest(Beschriftung(Spiel, Lage::Geloest)),
      History(Erzeuge<TVerlaufsliste>(Spiel, Lage::History)),
      Einstellungen(Seite(Seiten, Lage::Einstellungen)),
      Zahlen(Radiogruppe(Einstellungen, Lage::Zahlen)),
      Rechenarten(Radiogruppe(Einstellungen, Lage::Rechenarten)),
      Form(Radiogruppe(Einstellungen, Lage::Form)),
      Hintergrund(Radiogruppe(Einstellungen, Lage::Hintergrund)),
      FarbenTitel(Beschriftung(Einstellungen, Lage::FarbenTitel)),
      FarbeNormalKnopf(Knopf(Einstellungen, Lage::FarbeNormalKnopf)),
      FarbeAusgewaehltKnopf(Knopf(Einstellungen, Lage::FarbeAusgewaehltKnopf)),
      NeuesSpielKnopf(Knopf(this, Lage::NeuesSpielKnopf)),
      EndeKnopf(Knopf(this, Lage::EndeKnopf)),
      HilfeKnopf(Knopf(this, Lage::HilfeKnopf)),
      Farbwahl(std::make_unique<TQtFarbwahl>()),
      Brettflaeche([this]() -> QImage& { return Spielbrett->Leinwand(Brettmass); },
                   [this]() -> const QImage& { return HintergrundFuerBrett(); },
                   [this](const QRect& Teil) { Spielbrett->update(Teil); }),
      Zeigerflaeche([this]() -> QImage& { return Spielbrett->Zeigerebene(); },
                    [this]() -> const QImage& { return Spielbrett->Zeigerebene(); },
                    [this](const QRect& Teil) { Spielbrett->update(Teil); }),
      Steuerung(*this, std::move(Zufallsquelle))
{
    RichteFensterEin();
    RichteSeitenEin();
    RichteTabfolgeEin();
    VerbindeHandler();
    UebernimmStartfarben(this);
}

// The window closes in QWidget's destructor, after the steering and the
// drawing surfaces are gone, and closing takes the focus off the board: so
// the board lets go of the steering first.
TForm1::~TForm1()
{
    Spielbrett->Steuere(nullptr);
}

void TForm1::RichteFensterEin()
{
    setObjectName(QString::fromLatin1(Lage::Fenstername));
    setWindowTitle(QText(Lage::Fenstertitel));
    setWindowIcon(Programmsymbol());
    setFont(Fensterschrift());
    resize(Lage::Fenstergroesse);

    Brettrahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Brettrahmen->setLineWidth(1);
}

void TForm1::RichteSeitenEin()
{
    OrdneSeitenEin(Seiten);
    auto* Reiter = Seiten->tabBar();
    auto* Stil = new TReiterstil;
    Stil->setParent(Reiter);
    Reiter->setStyle(Stil);
    Reiter->setFocusPolicy(Qt::NoFocus);
    Reiter->setElideMode(Qt::ElideNone);
    Reiter->setUsesScrollButtons(false);
    Seiten->setFocusPolicy(Qt::NoFocus);
}

// Tab visits the stops texte/lage.json names, in its order: a radio-button
// group at its chosen button. The tabs, the history and the help panel are
// not visited.
void TForm1::RichteTabfolgeEin()
{
    QList<QWidget*> Folge;
    for (const char* Name : Lage::Tabfolge) {
        auto* Stopp = findChild<QWidget*>(QString::fromLatin1(Name));
        if (auto* Gruppe = qobject_cast<TRadioGruppe*>(Stopp))
            for (int Index = 0; Index < Gruppe->Items().size(); ++Index)
                Folge.append(Gruppe->Knopf(Index));
        else
            Folge.append(Stopp);
    }
    for (qsizetype I = 1; I < Folge.size(); ++I)
        setTabOrder(Folge[I - 1], Folge[I]);
}

void TForm1::VerbindeHandler()
{
    const auto Verbinde = [this](QPushButton* Control, void (TForm1::*Handler)(QObject*)) {
        connect(Control, &QPushButton::clicked, this,
                [this, Control, Handler] { FuehreAus([&] { (this->*Handler)(Control); }); });
    };
    Verbinde(NeuesSpielKnopf, &TForm1::NeuesSpielKnopfClick);
    Verbinde(EndeKnopf, &TForm1::EndeKnopfClick);
    Verbinde(FarbeNormalKnopf, &TForm1::FarbeNormalKnopfClick);
    Verbinde(FarbeAusgewaehltKnopf, &TForm1::FarbeAusgewaehltKnopfClick);
    Verbinde(HilfeKnopf, &TForm1::HilfeKnopfClick);
    Verbinde(Hilfe->FertigKnopf, &TForm1::FertigKnopfClick);

    Spielbrett->Steuere(&Steuerung);
    // Another shape decides anew which tiles are shut in.
    for (int Index = 0; Index < Form->Items().size(); ++Index)
        connect(Form->Knopf(Index), &QRadioButton::toggled, this, [this](bool Gewaehlt) {
            if (Gewaehlt)
                Steuerung.EinstellungGeaendert();
        });
}

// The two start colours become the chooser's first custom colours.
void TForm1::UebernimmStartfarben(QObject*)
{
    Farbwahl->CustomColors.append(TFarbwahl::Eintrag(0, StartFarbeNormal));
    Farbwahl->CustomColors.append(TFarbwahl::Eintrag(1, StartFarbeAusgewaehlt));
}

void TForm1::NeuesSpielKnopfClick(QObject*)
{
    Steuerung.NeuesSpiel();
}

void TForm1::EndeKnopfClick(QObject*)
{
    close();
}

void TForm1::FarbeNormalKnopfClick(QObject*)
{
    WaehleFarbe(TSteinfarbe::Normal);
}

void TForm1::FarbeAusgewaehltKnopfClick(QObject*)
{
    WaehleFarbe(TSteinfarbe::Ausgewaehlt);
}

// Confirmed or not, the board is drawn again.
void TForm1::WaehleFarbe(TSteinfarbe Welche)
{
    const TSteinfarben& Jetzt = Steuerung.Farben();
    Farbwahl->Color = Welche == TSteinfarbe::Normal ? Jetzt.Normal : Jetzt.Ausgewaehlt;
    std::optional<TColor> Neu;
    if (Farbwahl->Execute(this))
        Neu = Farbwahl->Color;
    Steuerung.FarbeGewaehlt(Welche, Neu);
}

void TForm1::HilfeKnopfClick(QObject*)
{
    Steuerung.SchalteHilfe();
}

void TForm1::FertigKnopfClick(QObject*)
{
    Steuerung.Fertig();
}

// Enter presses a focused button; on a control that does not take it, it
// is the game's to decide: while the help is shown, it presses "Fertig".
void TForm1::keyPressEvent(QKeyEvent* Ereignis)
{
    const bool Eingabetaste = Ereignis->key() == Qt::Key_Return || Ereignis->key() == Qt::Key_Enter;
    if (!Eingabetaste || Ereignis->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(Ereignis);
        return;
    }
    QWidget* Fokus = focusWidget();
    if (auto* Knopf = qobject_cast<QPushButton*>(Fokus))
        Knopf->animateClick();
    else if (qobject_cast<QPlainTextEdit*>(Fokus) == nullptr)
        Steuerung.Eingabetaste();
}

void TForm1::ZeigeHilfe(bool Sichtbar)
{
    Hilfe->setVisible(Sichtbar);
}

void TForm1::ZeigeBravo(bool Sichtbar)
{
    // Sized to its text when a game is first won: until then nobody needs
    // the large bold font, and the start of the program need not load it.
    if (Sichtbar)
        Bravo->adjustSize();
    Bravo->setVisible(Sichtbar);
}

void TForm1::LeereVerlauf()
{
    History->clear();
}

void TForm1::VerbergeBrett()
{
    Spielbrett->hide();
}

void TForm1::ZeigeBrett()
{
    Spielbrett->show();
}

void TForm1::ZeigeZeiger(TZelle)
{
    Spielbrett->MeldeZeiger();
}

void TForm1::MeldeZelle(TZelle Zelle, const TZellbeschreibung& Neu, const TZellbeschreibung& Alt)
{
    Spielbrett->MeldeZelle(Zelle, Neu, Alt);
}

void TForm1::ZeigeMeldung(const std::string& Text)
{
    MeldeFehler(QString::fromStdString(Text));
}

// Made with the first words, on top of the window's controls.
void TForm1::SageAn(const std::string& Text)
{
    if (Ansage == nullptr)
        Ansage = new TAnsage(this);
    Ansage->Sage(QString::fromStdString(Text));
}

TZeichenflaeche& TForm1::Brettbild()
{
    return Brettflaeche;
}

TZeichenflaeche& TForm1::Zeigerebene()
{
    return Zeigerflaeche;
}

// The picture file of the chosen item ("Bild1.jpg" ...) when there is one,
// otherwise the built-in picture, decoded once for the whole run.
void TForm1::BereiteHintergrundVor()
{
    const int Index = std::clamp(Hintergrund->ItemIndex(), 0, AnzahlBilder - 1);
    const QString Dateiname = Hintergrund->Items().at(Index) + QStringLiteral(".jpg");
    if (IstDatei(Dateiname)) {
        Bild->SetzeBild(LadeBilddatei(Dateiname));
        return;
    }
    TBildFeld* Halter = EingebauteBilder()[static_cast<std::size_t>(Index)];
    if (!Halter->HatBild())
        Halter->SetzeBild(DekodiereEingebautesBild(Index + 1));
    Bild->SetzeBild(Halter->Bild());
}

// On a screen with more pixels than logical pixels the board is drawn at the
// screen's resolution, and the background is scaled smoothly once to match.
const QImage& TForm1::HintergrundFuerBrett()
{
    const QImage& Original = Bild->Leinwand(Brettmass);
    const qreal Verhaeltnis = Spielbrett->Leinwand(Brettmass).devicePixelRatio();
    if (Verhaeltnis == 1.0)
        return Original;
    if (SkalierterHintergrund.devicePixelRatio() != Verhaeltnis || SkaliertAus != Original.cacheKey()) {
        SkalierterHintergrund = Original.scaled(Original.size() * Verhaeltnis, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
        SkalierterHintergrund.setDevicePixelRatio(Verhaeltnis);
        SkaliertAus = Original.cacheKey();
    }
    return SkalierterHintergrund;
}

// The label is as wide as its text and keeps its right edge.
void TForm1::SetzeFortschritt(const QString& Text)
{
    Geloest->setText(Text);
    const int Breite = Geloest->fontMetrics().horizontalAdvance(Text);
    Geloest->setGeometry(GeloestRechts - Breite, Geloest->y(), Breite, Geloest->height());
}

int TForm1::ZahlenIndex() const
{
    return Zahlen->ItemIndex();
}

int TForm1::RechenartenIndex() const
{
    return Rechenarten->ItemIndex();
}

int TForm1::FormIndex() const
{
    return Form->ItemIndex();
}

void TForm1::ZeigeFortschritt(const std::string& Text)
{
    SetzeFortschritt(QString::fromStdString(Text));
}

void TForm1::ErgaenzeVerlauf(const std::string& Zeile)
{
    History->appendPlainText(QString::fromStdString(Zeile));
}

std::array<TBildFeld*, 4> TForm1::EingebauteBilder() const
{
    return {EingebautesBild1, EingebautesBild2, EingebautesBild3, EingebautesBild4};
}

} // namespace kalumbo
