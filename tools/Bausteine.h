// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Leinwand.h"
#include "Pinsel.h"
#include "Umrisse.h"

#include <cstdint>
#include <vector>

namespace kalumbo {

// Pieces that several pictures share: sky, sun, clouds, hills, flowers,
// trees and the friendly eyes of the animals.

inline constexpr float Bildgroesse = 400.0f;

// The shape with a darker rim of the given width round it.
void Umrandet(Leinwand& leinwand, const Umriss& umriss, const Pinsel& fuellung, Farbe rand, float dicke = 2.0f);
void Umrandet(Leinwand& leinwand, const Umriss& umriss, Farbe fuellung, Farbe rand, float dicke = 2.0f);

// The points of a wavy line from x0 to x1 around height y: two sine waves
// laid over each other.
std::vector<Punkt> Wellenlinie(float x0, float x1, float y, float hoehe, float laenge, float phase);

// A hill or a meadow: everything below a wavy line down to the bottom edge.
Umriss Huegel(float y, float hoehe, float laenge, float phase);

void Himmel(Leinwand& leinwand, Farbe oben, Farbe unten, float bisY);
void Sonne(Leinwand& leinwand, Punkt mitte, float radius);
void Wolke(Leinwand& leinwand, Punkt mitte, float breite);
void Blume(Leinwand& leinwand, Punkt bluete, float groesse, Farbe farbe, float stiel);
void Baum(Leinwand& leinwand, Punkt fuss, float groesse, bool aepfel);
void Schmetterling(Leinwand& leinwand, Punkt mitte, float groesse, Farbe farbe, float neigung);
// A gull far away, two curved wings.
void Vogel(Leinwand& leinwand, Punkt mitte, float spannweite);
// White eye, dark pupil looking in direction (dx, dy), a spark of light.
void Auge(Leinwand& leinwand, Punkt mitte, float radius, float dx = 0.0f, float dy = 0.0f);
// A smiling mouth: the lower part of a circle's rim.
void Laecheln(Leinwand& leinwand, Punkt mitte, float radius, float dicke, Farbe farbe);

// A small deterministic random source for scattering flowers, stars and
// bubbles the same way on every run.
class Wuerfel {
public:
    explicit Wuerfel(std::uint32_t saat) : zustand_(saat * 2654435761u + 1u) {}
    // Evenly from von to bis.
    float Zahl(float von, float bis);

private:
    std::uint32_t zustand_;
};

} // namespace kalumbo
