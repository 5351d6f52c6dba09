// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <cstdint>

namespace kalumbo {

// A colour as the game keeps it: $00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;

inline constexpr TColor StartFarbeNormal = 0x00A0D0FF;      // light apricot
inline constexpr TColor StartFarbeAusgewaehlt = 0x00A06010; // medium blue
inline constexpr TColor Brettgrau = 0x00808080;             // where no picture reaches

// The two tile colours. They hold for the whole run, across games; only
// the colour buttons change them.
extern TColor FarbeNormal;
extern TColor FarbeAusgewaehlt;

constexpr int Rotanteil(TColor Farbe) { return static_cast<int>(Farbe & 0xFF); }
constexpr int Gruenanteil(TColor Farbe) { return static_cast<int>((Farbe >> 8) & 0xFF); }
constexpr int Blauanteil(TColor Farbe) { return static_cast<int>((Farbe >> 16) & 0xFF); }

QColor AlsQColor(TColor Farbe);
TColor AusQColor(const QColor& Farbe);

} // namespace kalumbo
