// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Oberflaeche.h"
#include "game/Zeichenflaeche.h"

#include <array>
#include <string>
#include <vector>

namespace kalumbo::test {

// A picture of the board in memory that draws what it is told, pixel for
// pixel. A text is drawn as the box of its measures: 7 pixels a character
// wide, the font's height tall, in its colour.
class TTestbild final : public TZeichenflaeche {
public:
    static constexpr std::uint32_t Leer = 0xFF000000; // transparent: no colour has these bits

    explicit TTestbild(int HintergrundBreite = 400, int HintergrundHoehe = 400)
        : HintergrundBreite(HintergrundBreite), HintergrundHoehe(HintergrundHoehe)
    {
    }

    std::uint32_t At(int X, int Y) const { return Pixel[static_cast<std::size_t>(Y * 400 + X)]; }

    // The background picture: a colour made from the place, so that a
    // copy from the wrong place shows; white before the first game.
    std::uint32_t Hintergrund(int X, int Y) const
    {
        if (!MitBild)
            return 0x00FFFFFF;
        return static_cast<std::uint32_t>((X * 7 + Y * 13) % 251) << 8 | 0x10;
    }
    bool MitBild = false;
    int HintergrundBreite;
    int HintergrundHoehe;

    void FuelleRechteck(const TRechteck& R, TColor Farbe) override { Fuelle(R, [&](int, int) { return Farbe; }); }
    void Leere(const TRechteck& R) override { Fuelle(R, [](int, int) { return Leer; }); }
    void ZeigeHintergrund(const TRechteck& R) override
    {
        const TRechteck Bild = MitBild ? TRechteck{0, 0, HintergrundBreite, HintergrundHoehe} : TRechteck{0, 0, 400, 400};
        Fuelle(Schnitt(R, Bild), [&](int X, int Y) { return Hintergrund(X, Y); });
    }
    TTextmass MissText(std::string_view Text, const TSchrift& Schrift, const TRechteck&) override
    {
        return {7 * static_cast<int>(Text.size()), Schrift.Pixel + 2, Schrift.Pixel - 1};
    }
    void SchreibeText(std::string_view Text, const TSchrift& Schrift, TColor Farbe, int X, int Grundlinie,
                      const TRechteck& Kasten) override
    {
        const TTextmass Mass = MissText(Text, Schrift, Kasten);
        Fuelle(Schnitt({X, Grundlinie - Mass.Oberlaenge, Mass.Breite, Mass.Oberlaenge}, Kasten),
               [&](int, int) { return Farbe; });
    }
    void Zeige(const TRechteck&) override {}

private:
    template <typename TFarbe>
    void Fuelle(const TRechteck& R, TFarbe Farbe)
    {
        const TRechteck Auf = Schnitt(R, {0, 0, 400, 400});
        for (int Y = Auf.Oben; Y < Auf.Unten(); ++Y)
            for (int X = Auf.Links; X < Auf.Rechts(); ++X)
                Pixel[static_cast<std::size_t>(Y * 400 + X)] = Farbe(X, Y);
    }

    std::vector<std::uint32_t> Pixel = std::vector<std::uint32_t>(400 * 400, Leer);
};

// An edition of the game for tests: its settings are set by the test, its
// pictures are TTestbild, and it writes down what it is told.
class TTestoberflaeche final : public TOberflaeche {
public:
    int ZahlenIndex() const override { return Zahlen; }
    int RechenartenIndex() const override { return Rechenarten; }
    int FormIndex() const override { return Form; }
    int Zahlen = 1;
    int Rechenarten = 2;
    int Form = 0;

    TZeichenflaeche& Brettbild() override { return Brett; }
    TZeichenflaeche& Zeigerebene() override { return Ebene; }
    TTestbild Brett;
    TTestbild Ebene;

    void ZeigeHilfe(bool Sichtbar) override { Hilfe = Sichtbar; }
    void ZeigeBravo(bool Sichtbar) override { Bravo = Sichtbar; }
    void ZeigeFortschritt(const std::string& Text) override { Fortschritt = Text; }
    void ErgaenzeVerlauf(const std::string& Zeile) override { Verlauf.push_back(Zeile); }
    void LeereVerlauf() override { Verlauf.clear(); }
    void VerbergeBrett() override { BrettSichtbar = false; }
    void BereiteHintergrundVor() override
    {
        if (BildUnlesbar)
            throw std::runtime_error("JPEG-Fehlernr. 52");
        Brett.MitBild = true;
    }
    void ZeigeBrett() override { BrettSichtbar = true; }
    void ZeigeZeiger(TZelle Zelle) override { Zeiger.push_back(Zelle); }
    void MeldeZelle(TZelle Zelle, const TZellbeschreibung& Neu, const TZellbeschreibung& Alt) override
    {
        auto& Gehoert = Zellen[static_cast<std::size_t>((Zelle.Zeile - 1) * 8 + Zelle.Spalte - 1)];
        if (!(Gehoert == Alt))
            FalscheAltwerte.push_back(Zelle);
        Gehoert = Neu;
    }
    void ZeigeMeldung(const std::string& Text) override { Meldungen.push_back(Text); }
    void SageAn(const std::string& Text) override { Ansagen.push_back(Text); }

    bool Hilfe = true;
    bool Bravo = false;
    bool BrettSichtbar = true;
    bool BildUnlesbar = false;
    std::string Fortschritt;
    std::vector<std::string> Verlauf;
    std::vector<TZelle> Zeiger;
    // What screen readers have heard of each cell, row by row; the board
    // starts empty.
    std::array<TZellbeschreibung, 64> Zellen = [] {
        std::array<TZellbeschreibung, 64> Alle;
        for (TZellbeschreibung& Zelle : Alle)
            Zelle.Name = "leer";
        return Alle;
    }();
    std::vector<TZelle> FalscheAltwerte;
    std::vector<std::string> Meldungen;
    std::vector<std::string> Ansagen;
};

} // namespace kalumbo::test
