// SPDX-License-Identifier: GPL-3.0-or-later
#include "Brettmaler.h"

namespace kalumbo {

namespace {

constexpr TRechteck Ganzes{0, 0, Brettgroesse, Brettgroesse};

// A ring of the given width along the inside of the rectangle, whose two
// sides leave out the middle Luecke rows.
void MaleRing(TZeichenflaeche& Flaeche, const TRechteck& Aussen, int Breite, TColor Farbe, int Luecke = 0)
{
    Flaeche.FuelleRechteck({Aussen.Links, Aussen.Oben, Aussen.Breite, Breite}, Farbe);
    Flaeche.FuelleRechteck({Aussen.Links, Aussen.Unten() - Breite, Aussen.Breite, Breite}, Farbe);
    const int Seite = (Aussen.Hoehe - 2 * Breite - Luecke + 1) / 2;
    for (const int Oben : {Aussen.Oben + Breite, Aussen.Unten() - Breite - Seite}) {
        Flaeche.FuelleRechteck({Aussen.Links, Oben, Breite, Seite}, Farbe);
        Flaeche.FuelleRechteck({Aussen.Rechts() - Breite, Oben, Breite, Seite}, Farbe);
    }
}

} // namespace

void MaleGrund(TZeichenflaeche& Flaeche, TGrund Grund)
{
    Flaeche.FuelleRechteck(Ganzes, Grund == TGrund::Weiss ? Weiss : Brettgrau);
    if (Grund == TGrund::MitBild)
        Flaeche.ZeigeHintergrund(Ganzes);
    Flaeche.Zeige(Ganzes);
}

void MaleZelle(TZeichenflaeche& Flaeche, TZelle Zelle, const TZellansicht& Ansicht, const TSteinfarben& Farben)
{
    const TRechteck Quadrat = Steinflaeche(Zelle);
    if (Ansicht.Bild == TZellbild::Hintergrund) {
        Flaeche.FuelleRechteck(Quadrat, Brettgrau);
        Flaeche.ZeigeHintergrund(Quadrat);
    } else {
        const TRechteck Innen = Steininneres(Zelle);
        Flaeche.FuelleRechteck(Quadrat, Schwarz);
        Flaeche.FuelleRechteck(Innen, Ansicht.Bild == TZellbild::AusgewaehlterStein ? Farben.Ausgewaehlt : Farben.Normal);
        const TTextlage Lage = Textlage(Flaeche.MissText(Ansicht.Text, Steinschrift, Innen));
        Flaeche.SchreibeText(Ansicht.Text, Steinschrift, Schwarz, Quadrat.Links + Lage.X, Quadrat.Oben + Lage.Grundlinie,
                             Innen);
    }
    Flaeche.Zeige(Quadrat);
}

void MaleRahmen(TZeichenflaeche& Ebene, TZelle Zelle, bool AufStein)
{
    const TRechteck Aussen = Rahmenflaeche(Zelle);
    MaleRing(Ebene, Aussen, Rahmenbreite, Weiss);
    MaleRing(Ebene, Steininneres(Zelle), Rahmenbreite, Schwarz, AufStein ? RahmenlueckeAmStein : 0);
    Ebene.Zeige(Aussen);
}

} // namespace kalumbo
