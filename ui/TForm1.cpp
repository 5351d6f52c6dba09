// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TForm1.h"

#include "ui/Ansage.h"
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
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace kalumbo {

namespace {

// The client area: the controls reach x = 545 and y = 409, with a margin
// of 8 pixels all round.
constexpr QSize Fenstergroesse(553, 417);
constexpr QSize Brettmass(Brettgroesse, Brettgroesse);

// The right edge of the progress text on the page "Spiel"; a longer text grows to the left.
constexpr int GeloestRechts = 92;

template <typename TControl, typename... TArgumente>
TControl* Erzeuge(QWidget* Eltern, const char* Name, QRect Lage, TArgumente&&... Argumente)
{
    auto* Control = new TControl(std::forward<TArgumente>(Argumente)..., Eltern);
    Control->setObjectName(QString::fromLatin1(Name));
    Control->setGeometry(Lage);
    return Control;
}

QPushButton* Knopf(QWidget* Eltern, const char* Name, QRect Lage, const QString& Text, const QIcon& Glyphe,
                   const QString& Hinweis)
{
    auto* Ergebnis = Erzeuge<QPushButton>(Eltern, Name, Lage, Text);
    Ergebnis->setIcon(Glyphe);
    Ergebnis->setIconSize(QSize(16, 16));
    Ergebnis->setToolTip(Hinweis);
    return Ergebnis;
}

} // namespace

TForm1::TForm1(std::unique_ptr<TZufallsquelle> Zufallsquelle, QWidget* Eltern)
    : QWidget(Eltern, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      Brettrahmen(Erzeuge<QFrame>(this, "Brettrahmen", {7, 7, 402, 402})),
      Bild(Erzeuge<TBildFeld>(this, "Bild", {8, 8, 400, 400})),
      Spielbrett(Erzeuge<TSpielbrett>(this, "Spielbrett", {8, 8, 400, 400})),
      Bravo(Erzeuge<QLabel>(this, "Bravo", {38, 6, 318, 25}, QText(Texte::Bravo))),
      EingebautesBild1(Erzeuge<TBildFeld>(this, "EingebautesBild1", {24, 409, 33, 8})),
      EingebautesBild2(Erzeuge<TBildFeld>(this, "EingebautesBild2", {64, 409, 33, 8})),
      EingebautesBild3(Erzeuge<TBildFeld>(this, "EingebautesBild3", {104, 409, 33, 8})),
      EingebautesBild4(Erzeuge<TBildFeld>(this, "EingebautesBild4", {144, 409, 33, 8})),
      Hilfe(Erzeuge<THilfe>(this, "Hilfe", {8, 8, 400, 400})),
      Seiten(Erzeuge<QTabWidget>(this, "Seiten", {424, 72, 121, 337})),
      Spiel(new QWidget),
      Geloest(Erzeuge<QLabel>(Spiel, "Geloest", {25, 5, 67, 13}, QText(Texte::GeloestAmStart))),
      History(Erzeuge<TVerlaufsliste>(Spiel, "History", {0, 24, 113, 273})),
      Einstellungen(new QWidget),
      Zahlen(Erzeuge<TRadioGruppe>(Einstellungen, "Zahlen", {0, 1, 113, 52}, QText(Texte::Zahlen),
                                          Eintraege(Texte::ZahlenEintraege))),
      Rechenarten(Erzeuge<TRadioGruppe>(Einstellungen, "Rechenarten", {0, 53, 113, 87}, QText(Texte::Rechenarten),
                                      Eintraege(Texte::RechenartenEintraege))),
      Form(Erzeuge<TRadioGruppe>(Einstellungen, "Form", {0, 140, 113, 53}, QText(Texte::Form),
                                  Eintraege(Texte::FormEintraege))),
      Hintergrund(Erzeuge<TRadioGruppe>(Einstellungen, "Hintergrund", {0, 194, 113, 52}, QText(Texte::Hintergrund),
                                     Eintraege(Texte::HintergrundEintraege))),
      FarbenTitel(Erzeuge<QLabel>(Einstellungen, "FarbenTitel", {4, 248, 108, 13}, QText(Texte::Farben))),
      FarbeNormalKnopf(Knopf(Einstellungen, "FarbeNormalKnopf", {8, 263, 97, 21}, QText(Texte::FarbeNormal), Palettenglyphe(),
                    QText(Texte::FarbeNormalHinweis))),
      FarbeAusgewaehltKnopf(Knopf(Einstellungen, "FarbeAusgewaehltKnopf", {8, 287, 97, 20}, QText(Texte::FarbeAusgewaehlt), Palettenglyphe(),
                    QText(Texte::FarbeAusgewaehltHinweis))),
      NeuesSpielKnopf(Knopf(this, "NeuesSpielKnopf", {424, 40, 121, 25}, QText(Texte::NeuesSpiel),
                    Standardglyphe(this, QStyle::SP_BrowserReload), QText(Texte::NeuesSpielHinweis))),
      EndeKnopf(Knopf(this, "EndeKnopf", {488, 8, 57, 25}, QText(Texte::Ende),
                    Standardglyphe(this, QStyle::SP_DialogCancelButton), QText(Texte::EndeHinweis))),
      HilfeKnopf(Knopf(this, "HilfeKnopf", {424, 8, 57, 25}, QText(Texte::Hilfe),
                    Standardglyphe(this, QStyle::SP_MessageBoxQuestion), QText(Texte::HilfeHinweis))),
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

TForm1::~TForm1() = default;

void TForm1::RichteFensterEin()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QText(Texte::Titel));
    setWindowIcon(Programmsymbol());
    setFont(Fensterschrift());
    resize(Fenstergroesse);

    Brettrahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Brettrahmen->setLineWidth(1);
    Bild->hide();

    Bravo->setFont(Bravoschrift());
    QPalette Rot = Bravo->palette();
    Rot.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Bravo->setPalette(Rot);
    Bravo->hide();

    for (TBildFeld* Halter : EingebauteBilder())
        Halter->hide();
}

void TForm1::RichteSeitenEin()
{
    Seiten->addTab(Spiel, QText(Texte::SeiteSpiel));
    Seiten->addTab(Einstellungen, QText(Texte::SeiteEinstellungen));
    Seiten->setCurrentWidget(Einstellungen);
    auto* Reiter = Seiten->tabBar();
    auto* Stil = new TReiterstil;
    Stil->setParent(Reiter);
    Reiter->setStyle(Stil);
    Reiter->setFocusPolicy(Qt::NoFocus);
    Reiter->setElideMode(Qt::ElideNone);
    Reiter->setUsesScrollButtons(false);
    Seiten->setFocusPolicy(Qt::NoFocus);

    FarbenTitel->adjustSize();

    Geloest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetzeFortschritt(Geloest->text());

    Zahlen->SetzeItemIndex(1);
    Zahlen->SetzeHinweis(QText(Texte::ZahlenHinweis));
    Rechenarten->SetzeItemIndex(2);
    Rechenarten->SetzeHinweis(QText(Texte::RechenartenHinweis));
    Form->SetzeItemIndex(0);
    Form->SetzeHinweis(QText(Texte::FormHinweis));
    Hintergrund->SetzeItemIndex(0);
    Hintergrund->SetzeHinweis(QText(Texte::HintergrundHinweis));
}

// Tab visits "Neues Spiel", the board, the controls of the page in front,
// "Ende" and "Hilfe"; the tabs, the history and the help panel are not
// visited.
void TForm1::RichteTabfolgeEin()
{
    QList<QWidget*> Folge{NeuesSpielKnopf, Spielbrett};
    for (TRadioGruppe* Gruppe : {Zahlen, Rechenarten, Form, Hintergrund})
        for (int Index = 0; Index < Gruppe->Items().size(); ++Index)
            Folge.append(Gruppe->Knopf(Index));
    Folge.append({FarbeNormalKnopf, FarbeAusgewaehltKnopf, EndeKnopf, HilfeKnopf});
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

    Spielbrett->Steuere(Steuerung);
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
