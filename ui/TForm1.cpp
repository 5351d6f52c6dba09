// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TForm1.h"

#include "game/Formen.h"
#include "game/Zellbeschreibung.h"
#include "ui/Aufbau.h"
#include "ui/BildFeld.h"
#include "ui/Brettmaler.h"
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
      Zufallsquelle(std::move(Zufallsquelle)),
      Regeln(Stand, *this, *this->Zufallsquelle, *this)
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

    connect(Spielbrett, &TBildFeld::MausGedrueckt, this,
            [this](Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
                FuehreAus([&] { SpielbrettMouseDown(Spielbrett, Button, Shift, X, Y); });
            });
    Spielbrett->SetzeBeschreiber(
        [this](TZelle Zelle) { return BeschreibeZelle(Stand, FormFuerItem(FormIndex()), Zelle); });
}

// The two start colours become the chooser's first custom colours.
void TForm1::UebernimmStartfarben(QObject*)
{
    Farbwahl->CustomColors.append(TFarbwahl::Eintrag(0, FarbeNormal));
    Farbwahl->CustomColors.append(TFarbwahl::Eintrag(1, FarbeAusgewaehlt));
}

void TForm1::NeuesSpielKnopfClick(QObject*)
{
    NeuesSpiel();
}

void TForm1::EndeKnopfClick(QObject*)
{
    close();
}

void TForm1::FarbeNormalKnopfClick(QObject*)
{
    WaehleFarbe(FarbeNormal);
}

void TForm1::FarbeAusgewaehltKnopfClick(QObject*)
{
    WaehleFarbe(FarbeAusgewaehlt);
}

// Confirmed or not, the board is drawn again.
void TForm1::WaehleFarbe(TColor& Farbe)
{
    Farbwahl->Color = Farbe;
    if (Farbwahl->Execute(this))
        Farbe = Farbwahl->Color;
    ZeichneBrett();
}

void TForm1::HilfeKnopfClick(QObject*)
{
    Hilfe->setVisible(!Hilfe->isVisible());
}

void TForm1::FertigKnopfClick(QObject*)
{
    Hilfe->hide();
}

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
    else if (qobject_cast<QPlainTextEdit*>(Fokus) == nullptr && Hilfe->isVisible())
        Hilfe->FertigKnopf->animateClick();
}

void TForm1::SpielbrettMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
    if (const auto Zelle = ZelleAnPixel(X, Y))
        Regeln.Druck(*Zelle);
}

// The rules run the whole sequence; the window lays out the board with
// its picture. A picture that cannot be read ends it there, with the
// board hidden.
void TForm1::NeuesSpiel()
{
    Regeln.NeuesSpiel();
}

void TForm1::VerbergeHilfe()
{
    Hilfe->hide();
}

void TForm1::LeereVerlauf()
{
    History->clear();
}

void TForm1::VerbergeBravo()
{
    Bravo->hide();
}

void TForm1::LegeBrettAn()
{
    Spielbrett->hide();
    Spielbrett->NeueLeinwand(Brettmass, AlsQColor(Brettgrau));
    SetzeHintergrund();
    QPainter Maler(&Spielbrett->Leinwand(Brettmass));
    Maler.drawImage(QPoint(0, 0), HintergrundFuerBrett());
}

void TForm1::ZeigeBrett()
{
    Spielbrett->show();
    Spielbrett->BeginneSpiel(Stand.Felder, FormFuerItem(FormIndex()));
}

// The picture file of the chosen item ("Bild1.jpg" ...) when there is one,
// otherwise the built-in picture, decoded once for the whole run.
void TForm1::SetzeHintergrund()
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

void TForm1::ZeichneStein(int Spalte, int Zeile)
{
    static const QFont Schrift = kalumbo::Schrift(Steinschrift);
    MaleZelle(Spielbrett->Leinwand(Brettmass), HintergrundFuerBrett(), Stand, Spalte, Zeile,
              {AlsQColor(FarbeNormal), AlsQColor(FarbeAusgewaehlt), Schrift});
    Spielbrett->update(Zellgroesse * (Spalte - 1), Zellgroesse * (Zeile - 1), Zellgroesse, Zellgroesse);
}

void TForm1::ZeichneBrett()
{
    Regeln.ZeichneBrett();
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

void TForm1::ZeigeBravo()
{
    // Sized to its text when a game is first won: until then nobody needs
    // the large bold font, and the start of the program need not load it.
    Bravo->adjustSize();
    Bravo->show();
}

// Screen readers hear what changed on the board from the board itself.
void TForm1::MeldeDruck(const TDruckbericht&) {}

std::array<TBildFeld*, 4> TForm1::EingebauteBilder() const
{
    return {EingebautesBild1, EingebautesBild2, EingebautesBild3, EingebautesBild4};
}

} // namespace kalumbo
