// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the window starts a new game and answers a press, on Qt's
// offscreen platform unless told otherwise, driven as the player drives it:
// "Neues Spiel" is clicked, presses arrive at the board as mouse events.
// Each figure comes twice: once up to the board picture being drawn, once
// with the repaint of the window that follows (the "Bildschirm" ones).
#include "Fotomotiv.h"
#include "game/Paarsuche.h"
#include "Zaehlbereich.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/Fehlerbericht.h"
#include "ui/RadioGruppe.h"
#include "ui/TForm1.h"
#include "werkbank/Ordner.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace kalumbo::messung {
namespace {

// Counts the paint events a widget gets, so a figure with the repaint can
// tell that the repaint really ran.
class TMalzaehler : public QObject {
public:
    int Anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* Ereignis) override
    {
        if (Ereignis->type() == QEvent::Paint)
            ++Anzahl;
        return false;
    }
};

// The window as after the start of the program, shown, with error reports
// collected instead of shown in a message box.
class TLaufendesFenster {
public:
    TLaufendesFenster()
    {
        Vorher = SetzeFehleranzeige([this](const QString& Text) { Meldungen.append(Text); });
        Form1.show();
        Sichtbar = QTest::qWaitForWindowExposed(&Form1);
        Form1.Spielbrett->installEventFilter(&Maler);
    }

    ~TLaufendesFenster() { SetzeFehleranzeige(std::move(Vorher)); }

    TLaufendesFenster(const TLaufendesFenster&) = delete;
    TLaufendesFenster& operator=(const TLaufendesFenster&) = delete;

    void NeuesSpiel() { Form1.NeuesSpielKnopf->click(); }

    // Lets the window repaint what changed; whether the board was repainted.
    bool Zeige()
    {
        const int Vorher = Maler.Anzahl;
        QCoreApplication::processEvents();
        return Maler.Anzahl > Vorher;
    }

    // Press and release of the left button in the middle of a cell,
    // delivered to the board.
    void Druecke(TZelle Zelle) { Sende(QEvent::MouseButtonPress, Zelle, Qt::LeftButton); }
    void LasseLos(TZelle Zelle) { Sende(QEvent::MouseButtonRelease, Zelle, Qt::NoButton); }

    // False, with the reason given to the run, when something went wrong.
    bool InOrdnung(benchmark::State& Lauf)
    {
        if (!Sichtbar)
            Lauf.SkipWithError("the window was never shown");
        else if (!Meldungen.isEmpty())
            Lauf.SkipWithError(("error report: " + Meldungen.first().toStdString()).c_str());
        return Sichtbar && Meldungen.isEmpty();
    }

    TForm1 Form1{std::make_unique<TSaatZufall>(7)};

private:
    void Sende(QEvent::Type Art, TZelle Zelle, Qt::MouseButtons Knoepfe)
    {
        const QPointF Stelle(Zellgroesse * Zelle.Spalte - 25, Zellgroesse * Zelle.Zeile - 25);
        QMouseEvent Ereignis(Art, Stelle, Form1.Spielbrett->mapToGlobal(Stelle), Qt::LeftButton, Knoepfe,
                             Qt::NoModifier);
        QApplication::sendEvent(Form1.Spielbrett, &Ereignis);
    }

    TFehleranzeige Vorher;
    QStringList Meldungen;
    TMalzaehler Maler;
    bool Sichtbar = false;
};

// Puts the 400 x 400 photo into the working directory as "Bild1.jpg".
void LegeBild1Ab(const TArbeitsverzeichnis& Ort)
{
    Ort.Schreibe("Bild1.jpg", FotoAlsJpeg(Brettgroesse, Brettgroesse));
}


// A new game over the picture chosen at the start. The game before the
// loop decodes the built-in picture, which the window keeps for the run.
void NeuesSpiel(benchmark::State& Lauf, bool MitBildschirm)
{
    TLaufendesFenster Fenster;
    Fenster.NeuesSpiel();
    Fenster.Zeige();
    for (auto _ : Lauf) {
        bool Gezeigt = true;
        {
            const TZaehlbereich Gezaehlt;
            Fenster.NeuesSpiel();
            if (MitBildschirm)
                Gezeigt = Fenster.Zeige();
        }
        if (!Gezeigt) {
            Lauf.SkipWithError("the board was not repainted");
            break;
        }
        if (!MitBildschirm) {
            Lauf.PauseTiming();
            Fenster.Zeige();
            Lauf.ResumeTiming();
        }
    }
    Fenster.InOrdnung(Lauf);
}

void NeuesSpielEingebautesBild(benchmark::State& Lauf, bool MitBildschirm)
{
    const TArbeitsverzeichnis Leer;
    NeuesSpiel(Lauf, MitBildschirm);
}

// A new game over "Bild1.jpg", read and decoded again for every game.
void NeuesSpielBilddatei(benchmark::State& Lauf, bool MitBildschirm)
{
    const TArbeitsverzeichnis Ort;
    LegeBild1Ab(Ort);
    NeuesSpiel(Lauf, MitBildschirm);
}

BENCHMARK_CAPTURE(NeuesSpielEingebautesBild, Brett, false)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NeuesSpielEingebautesBild, Bildschirm, true)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NeuesSpielBilddatei, Brett, false)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NeuesSpielBilddatei, Bildschirm, true)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// The processor time the whole process has used so far: Qt's raster
// engine hands large fills and copies to its own worker threads.
double Rechenzeit()
{
    timespec Zeit{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Zeit);
    return static_cast<double>(Zeit.tv_sec) + static_cast<double>(Zeit.tv_nsec) * 1e-9;
}

// The press on the partner of the selected tile, which solves the pair.
// Each round deals a new game and takes pair after pair while one is free:
// the first tile is selected by a press outside the measured time, the
// press on its partner is measured with the clock alone. A round's time is
// the mean of its solving presses; "CPU_us" is the same for the processor
// time of the process, which waiting for a busy processor does not inflate.
struct TRunde {
    double Zeit = 0;       // seconds of wall clock, summed over the solving presses
    double Rechenzeit = 0; // seconds of processor time, the same
    int Geloest = 0;
    bool InOrdnung = true;
};

TRunde SpieleRunde(TLaufendesFenster& Fenster, bool MitBildschirm)
{
    using Uhr = std::chrono::steady_clock;
    const int Form = FormFuerItem(Fenster.Form1.Form->ItemIndex());
    const TSpielstand& Stand = Fenster.Form1.Spielstand();
    TRunde Runde;
    // A deal may leave no pair free at all; such a game is dealt again.
    for (int Versuch = 0; Versuch < 100 && !FreiesPaar(Stand.Felder, Form); ++Versuch)
        Fenster.NeuesSpiel();
    Fenster.Zeige();
    while (const auto Paar = FreiesPaar(Stand.Felder, Form)) {
        Fenster.Druecke(Paar->first);
        Fenster.LasseLos(Paar->first);
        Fenster.Zeige();

        bool Gezeigt = false;
        {
            const TZaehlbereich Gezaehlt;
            const double Rechenanfang = Rechenzeit();
            const auto Anfang = Uhr::now();
            Fenster.Druecke(Paar->second);
            Gezeigt = MitBildschirm && Fenster.Zeige();
            Runde.Zeit += std::chrono::duration<double>(Uhr::now() - Anfang).count();
            Runde.Rechenzeit += Rechenzeit() - Rechenanfang;
        }

        Fenster.LasseLos(Paar->second);
        Fenster.Zeige();
        if (Stand.AnzahlGeloest != ++Runde.Geloest || (MitBildschirm && !Gezeigt)) {
            Runde.InOrdnung = false;
            break;
        }
    }
    Runde.InOrdnung = Runde.InOrdnung && Runde.Geloest > 0;
    return Runde;
}

void DruckLoestPaar(benchmark::State& Lauf, bool MitBildschirm)
{
    const TArbeitsverzeichnis Leer;
    TLaufendesFenster Fenster;
    std::int64_t Druecke = 0;
    double Rechenzeiten = 0; // the rounds' means, summed
    for (auto _ : Lauf) {
        Fenster.NeuesSpiel();
        const TRunde Runde = SpieleRunde(Fenster, MitBildschirm);
        if (!Runde.InOrdnung) {
            Lauf.SkipWithError("a press did not solve its pair, or the board was not repainted");
            break;
        }
        Lauf.SetIterationTime(Runde.Zeit / Runde.Geloest);
        Rechenzeiten += Runde.Rechenzeit / Runde.Geloest;
        Druecke += Runde.Geloest;
    }
    Lauf.counters["Druecke"] = benchmark::Counter(static_cast<double>(Druecke));
    Lauf.counters["CPU_us"] = benchmark::Counter(Rechenzeiten * 1e6, benchmark::Counter::kAvgIterations);
    Fenster.InOrdnung(Lauf);
}

// A round costs a whole game of presses; a fixed number keeps a run short.
BENCHMARK_CAPTURE(DruckLoestPaar, Brett, false)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DruckLoestPaar, Bildschirm, true)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kalumbo::messung

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    kalumbo::TAnwendung Anwendung(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
