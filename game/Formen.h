// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Brett.h"

#include <string_view>

namespace kalumbo {

// The four layouts, in the order of the "Form" choice.
inline constexpr int AnzahlFormen = 4;
inline constexpr int FormInnen = 0;
inline constexpr int FormA = 1;
inline constexpr int FormAussen = 2;
inline constexpr int FormS = 3;
inline constexpr int PositionenJeForm = 36;

// Formen[shape][row][column]: 1 where a tile is laid, 0 elsewhere.
// Note the order: row before column, the other way round from Felder.
using TFormzeile = TBereich<int, 1, Spalten>;
using TForm = TBereich<TFormzeile, 1, Zeilen>;
using TFormen = TBereich<TForm, 0, AnzahlFormen - 1>;

namespace detail {

using TFormbild = std::string_view[Zeilen];

constexpr TForm LiesForm(const TFormbild& Bild)
{
    TForm Form{};
    for (int Zeile = 1; Zeile <= Zeilen; ++Zeile)
        for (int Spalte = 1; Spalte <= Spalten; ++Spalte)
            Form[Zeile][Spalte] = Bild[Zeile - 1][static_cast<std::size_t>(Spalte - 1)] == '1' ? 1 : 0;
    return Form;
}

constexpr int ZaehlePositionen(const TForm& Form)
{
    int Anzahl = 0;
    for (const TFormzeile& Zeile : Form)
        for (int Flagge : Zeile)
            Anzahl += Flagge;
    return Anzahl;
}

// Row 1 at the top, as the player sees the board.
inline constexpr TFormbild Innen = {
    "00111100", "00011000", "00111100", "01111110",
    "11111111", "00111100", "00011000", "01111110"};
inline constexpr TFormbild BuchstabeA = {
    "00011000", "00111100", "00111100", "01100110",
    "01100110", "01111110", "11111111", "11000011"};
inline constexpr TFormbild Aussen = {
    "11000011", "10000001", "11000011", "11100111",
    "11111111", "11100111", "10000001", "11000011"};
inline constexpr TFormbild BuchstabeS = {
    "01111111", "11100000", "11100000", "01111100",
    "00111110", "00000111", "00000111", "11111110"};

} // namespace detail

inline constexpr TFormen Formen = {{{
    detail::LiesForm(detail::Innen),
    detail::LiesForm(detail::BuchstabeA),
    detail::LiesForm(detail::Aussen),
    detail::LiesForm(detail::BuchstabeS),
}}};

static_assert(detail::ZaehlePositionen(Formen[FormInnen]) == PositionenJeForm);
static_assert(detail::ZaehlePositionen(Formen[FormA]) == PositionenJeForm);
static_assert(detail::ZaehlePositionen(Formen[FormAussen]) == PositionenJeForm);
static_assert(detail::ZaehlePositionen(Formen[FormS]) == PositionenJeForm);

// The shape for an item index of "Form"; an index beside the four items
// counts as the first one.
constexpr int FormFuerItem(int Index)
{
    return Index >= 0 && Index < AnzahlFormen ? Index : FormInnen;
}

constexpr bool IstPosition(int Form, int Spalte, int Zeile)
{
    return Formen[Form][Zeile][Spalte] == 1;
}

// Whether the tile at (Spalte, Zeile) may be taken in the given shape: it is
// shut in only when both cells beside it in its row are positions of the
// shape that still carry a tile. Whether a tile stands at the cell itself
// is the caller's question.
constexpr bool IstFrei(const TFelder& Felder, int Form, int Spalte, int Zeile)
{
    if (Spalte == 1 || Spalte == Spalten)
        return true;
    if (!IstPosition(Form, Spalte - 1, Zeile))
        return true;
    if (!IstPosition(Form, Spalte + 1, Zeile))
        return true;
    if (Felder[Spalte - 1][Zeile].Seite == KeinStein)
        return true;
    if (Felder[Spalte + 1][Zeile].Seite == KeinStein)
        return true;
    return false;
}

} // namespace kalumbo
