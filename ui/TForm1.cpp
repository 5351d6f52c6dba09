// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TForm1.h"

#include "game/Formen.h"
#include "game/Zellbeschreibung.h"
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
      Bevel1(Erzeuge<QFrame>(this, "Bevel1", {7, 7, 402, 402})),
      Bild(Erzeuge<TBildFeld>(this, "Bild", {8, 8, 400, 400})),
      Spielbrett(Erzeuge<TSpielbrett>(this, "Spielbrett", {8, 8, 400, 400})),
      Bravo(Erzeuge<QLabel>(this, "Bravo", {38, 6, 318, 25}, QText(Texte::Bravo))),
      Image1(Erzeuge<TBildFeld>(this, "Image1", {24, 409, 33, 8})),
      Image2(Erzeuge<TBildFeld>(this, "Image2", {64, 409, 33, 8})),
      Image3(Erzeuge<TBildFeld>(this, "Image3", {104, 409, 33, 8})),
      Image4(Erzeuge<TBildFeld>(this, "Image4", {144, 409, 33, 8})),
      Hilfe(Erzeuge<THilfe>(this, "Hilfe", {8, 8, 400, 400})),
      PageControl1(Erzeuge<QTabWidget>(this, "PageControl1", {424, 72, 121, 337})),
      Spiel(new QWidget),
      Geloest(Erzeuge<QLabel>(Spiel, "Geloest", {25, 5, 67, 13}, QText(Texte::GeloestAmStart))),
      History(Erzeuge<TVerlaufsliste>(Spiel, "History", {0, 24, 113, 273})),
      Einstellungen(new QWidget),
      Zahlenbereich(Erzeuge<TRadioGruppe>(Einstellungen, "Zahlenbereich", {0, 1, 113, 52}, QText(Texte::Zahlenbereich),
                                          Eintraege(Texte::ZahlenbereichEintraege))),
      Rechenart(Erzeuge<TRadioGruppe>(Einstellungen, "Rechenart", {0, 53, 113, 87}, QText(Texte::Rechenart),
                                      Eintraege(Texte::RechenartEintraege))),
      Maske(Erzeuge<TRadioGruppe>(Einstellungen, "Maske", {0, 140, 113, 53}, QText(Texte::Maske),
                                  Eintraege(Texte::MaskeEintraege))),
      Bildwahl(Erzeuge<TRadioGruppe>(Einstellungen, "Bildwahl", {0, 194, 113, 52}, QText(Texte::Bildwahl),
                                     Eintraege(Texte::BildwahlEintraege))),
      Label4(Erzeuge<QLabel>(Einstellungen, "Label4", {4, 248, 108, 13}, QText(Texte::Farben))),
      BitBtn3(Knopf(Einstellungen, "BitBtn3", {8, 263, 97, 21}, QText(Texte::FarbeNormal), Palettenglyphe(),
                    QText(Texte::FarbeNormalHinweis))),
      BitBtn4(Knopf(Einstellungen, "BitBtn4", {8, 287, 97, 20}, QText(Texte::FarbeAusgewaehlt), Palettenglyphe(),
                    QText(Texte::FarbeAusgewaehltHinweis))),
      BitBtn1(Knopf(this, "BitBtn1", {424, 40, 121, 25}, QText(Texte::NeuesSpiel),
                    Standardglyphe(this, QStyle::SP_BrowserReload), QText(Texte::NeuesSpielHinweis))),
      BitBtn2(Knopf(this, "BitBtn2", {488, 8, 57, 25}, QText(Texte::Ende),
                    Standardglyphe(this, QStyle::SP_DialogCancelButton), QText(Texte::EndeHinweis))),
      BitBtn5(Knopf(this, "BitBtn5", {424, 8, 57, 25}, QText(Texte::Hilfe),
                    Standardglyphe(this, QStyle::SP_MessageBoxQuestion), QText(Texte::HilfeHinweis))),
      Farbwahl(std::make_unique<TQtFarbwahl>()),
      Zufallsquelle(std::move(Zufallsquelle)),
      Regeln(Stand, *this, *this->Zufallsquelle, *this)
{
    RichteFensterEin();
    RichteSeitenEin();
    RichteTabfolgeEin();
    VerbindeHandler();
    FormCreate(this);
}

TForm1::~TForm1() = default;

void TForm1::RichteFensterEin()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QText(Texte::Titel));
    setWindowIcon(Programmsymbol());
    setFont(Fensterschrift());
    resize(Fenstergroesse);

    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setLineWidth(1);
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
    PageControl1->addTab(Spiel, QText(Texte::SeiteSpiel));
    PageControl1->addTab(Einstellungen, QText(Texte::SeiteEinstellungen));
    PageControl1->setCurrentWidget(Einstellungen);
    auto* Reiter = PageControl1->tabBar();
    auto* Stil = new TReiterstil;
    Stil->setParent(Reiter);
    Reiter->setStyle(Stil);
    Reiter->setFocusPolicy(Qt::NoFocus);
    Reiter->setElideMode(Qt::ElideNone);
    Reiter->setUsesScrollButtons(false);
    PageControl1->setFocusPolicy(Qt::NoFocus);

    Label4->adjustSize();

    Geloest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetzeFortschritt(Geloest->text());

    Zahlenbereich->SetzeItemIndex(1);
    Zahlenbereich->SetzeHinweis(QText(Texte::ZahlenbereichHinweis));
    Rechenart->SetzeItemIndex(2);
    Rechenart->SetzeHinweis(QText(Texte::RechenartHinweis));
    Maske->SetzeItemIndex(0);
    Maske->SetzeHinweis(QText(Texte::MaskeHinweis));
    Bildwahl->SetzeItemIndex(0);
    Bildwahl->SetzeHinweis(QText(Texte::BildwahlHinweis));
}

// Tab visits "Neues Spiel", the board, the controls of the page in front,
// "Ende" and "Hilfe"; the tabs, the history and the help panel are not
// visited.
void TForm1::RichteTabfolgeEin()
{
    QList<QWidget*> Folge{BitBtn1, Spielbrett};
    for (TRadioGruppe* Gruppe : {Zahlenbereich, Rechenart, Maske, Bildwahl})
        for (int Index = 0; Index < Gruppe->Items().size(); ++Index)
            Folge.append(Gruppe->Knopf(Index));
    Folge.append({BitBtn3, BitBtn4, BitBtn2, BitBtn5});
    for (qsizetype I = 1; I < Folge.size(); ++I)
        setTabOrder(Folge[I - 1], Folge[I]);
}

void TForm1::VerbindeHandler()
{
    const auto Verbinde = [this](QPushButton* Control, void (TForm1::*Handler)(QObject*)) {
        connect(Control, &QPushButton::clicked, this,
                [this, Control, Handler] { FuehreAus([&] { (this->*Handler)(Control); }); });
    };
    Verbinde(BitBtn1, &TForm1::BitBtn1Click);
    Verbinde(BitBtn2, &TForm1::BitBtn2Click);
    Verbinde(BitBtn3, &TForm1::BitBtn3Click);
    Verbinde(BitBtn4, &TForm1::BitBtn4Click);
    Verbinde(BitBtn5, &TForm1::BitBtn5Click);
    Verbinde(Hilfe->BitBtn6, &TForm1::BitBtn6Click);

    connect(Spielbrett, &TBildFeld::MausGedrueckt, this,
            [this](Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
                FuehreAus([&] { SpielbrettMouseDown(Spielbrett, Button, Shift, X, Y); });
            });
    Spielbrett->SetzeBeschreiber(
        [this](TZelle Zelle) { return BeschreibeZelle(Stand, FormAusMaske(MaskeIndex()), Zelle); });
}

// The two start colours become the chooser's first custom colours.
void TForm1::FormCreate(QObject*)
{
    Farbwahl->CustomColors.append(TFarbwahl::Eintrag(0, FarbeNormal));
    Farbwahl->CustomColors.append(TFarbwahl::Eintrag(1, FarbeAusgewaehlt));
}

void TForm1::BitBtn1Click(QObject*)
{
    NeuesSpiel();
}

void TForm1::BitBtn2Click(QObject*)
{
    close();
}

void TForm1::BitBtn3Click(QObject*)
{
    WaehleFarbe(FarbeNormal);
}

void TForm1::BitBtn4Click(QObject*)
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

void TForm1::BitBtn5Click(QObject*)
{
    Hilfe->setVisible(!Hilfe->isVisible());
}

void TForm1::BitBtn6Click(QObject*)
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
        Hilfe->BitBtn6->animateClick();
}

void TForm1::SpielbrettMouseDown(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y)
{
    Regeln.Druck(X, Y);
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
    Spielbrett->BeginneSpiel(Stand.Felder, FormAusMaske(MaskeIndex()));
}

// The picture file of the chosen item ("Bild1.jpg" ...) when there is one,
// otherwise the built-in picture, decoded once for the whole run.
void TForm1::SetzeHintergrund()
{
    const int Index = std::clamp(Bildwahl->ItemIndex(), 0, AnzahlBilder - 1);
    const QString Dateiname = Bildwahl->Items().at(Index) + QStringLiteral(".jpg");
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
    static const QFont Schrift = Steinschrift();
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

int TForm1::ZahlenbereichIndex() const
{
    return Zahlenbereich->ItemIndex();
}

int TForm1::RechenartIndex() const
{
    return Rechenart->ItemIndex();
}

int TForm1::MaskeIndex() const
{
    return Maske->ItemIndex();
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

std::array<TBildFeld*, 4> TForm1::EingebauteBilder() const
{
    return {Image1, Image2, Image3, Image4};
}

} // namespace kalumbo
