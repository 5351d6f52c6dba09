// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Leinwand.h"

#include <vector>

namespace kalumbo {

// The whole picture and beyond.
Umriss Flaeche(float breite, float hoehe);

Umriss Rechteck(Kasten kasten, float eckradius = 0.0f);
Umriss Kreis(Punkt mitte, float radius);
// winkel turns the ellipse clockwise, in degrees.
Umriss Ellipse(Punkt mitte, float rx, float ry, float winkel = 0.0f);
// Any simple polygon, corners in order.
Umriss Vieleck(std::vector<Punkt> ecken);
// A stroke with round ends.
Umriss Strich(Punkt a, Punkt b, float dicke);
Umriss Linienzug(std::vector<Punkt> punkte, float dicke);
// A band of the given width along a circle.
Umriss Ring(Punkt mitte, float radius, float dicke);
// A star with the given number of points; drehung in degrees.
Umriss Stern(Punkt mitte, float aussen, float innen, int zacken, float drehung = 0.0f);

Umriss Vereinigung(const Umriss& a, const Umriss& b);
Umriss Vereinigung(const std::vector<Umriss>& teile);
Umriss Schnitt(const Umriss& a, const Umriss& b);
Umriss Ohne(const Umriss& a, const Umriss& weg);
// The shape grown by um pixels all round (shrunk for a negative um).
Umriss Verdickt(const Umriss& umriss, float um);
// The shape moved by (dx, dy).
Umriss Verschoben(const Umriss& umriss, float dx, float dy);
// The shape mirrored at the horizontal line at height y, as in still water.
Umriss Gespiegelt(const Umriss& umriss, float y);

// The point at distance r from mitte in the direction winkel (degrees,
// clockwise from the right).
Punkt Polar(Punkt mitte, float r, float winkel);

} // namespace kalumbo
