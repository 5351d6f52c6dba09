// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fotomotiv.h"

#include <algorithm>
#include <cmath>

namespace kalumbo::messung {

namespace {

struct TFarbe {
    float R = 0;
    float G = 0;
    float B = 0;
};

TFarbe Mische(const TFarbe& A, const TFarbe& B, float Anteil)
{
    return {A.R + (B.R - A.R) * Anteil, A.G + (B.G - A.G) * Anteil, A.B + (B.B - A.B) * Anteil};
}

TFarbe Mal(const TFarbe& A, float Faktor)
{
    return {A.R * Faktor, A.G * Faktor, A.B * Faktor};
}

float Stufe(float Von, float Bis, float X)
{
    const float T = std::clamp((X - Von) / (Bis - Von), 0.0f, 1.0f);
    return T * T * (3 - 2 * T);
}

std::uint32_t Verwirbele(std::uint32_t X)
{
    X ^= X >> 16;
    X *= 0x7feb352dU;
    X ^= X >> 15;
    X *= 0x846ca68bU;
    X ^= X >> 16;
    return X;
}

// A fixed random number from 0 to 1 for each point of an integer grid.
float Zufallswert(std::int32_t X, std::int32_t Y, std::uint32_t Saat)
{
    const std::uint32_t H = Verwirbele(static_cast<std::uint32_t>(X) * 0x9E3779B1U ^
                                       Verwirbele(static_cast<std::uint32_t>(Y) + Saat * 0x85EBCA6BU));
    return static_cast<float>(H >> 8) * (1.0f / 16777216.0f);
}

// Smooth noise from 0 to 1 whose bumps are one grid step wide.
float Rauschen(float X, float Y, std::uint32_t Saat)
{
    const float GX = std::floor(X);
    const float GY = std::floor(Y);
    const auto IX = static_cast<std::int32_t>(GX);
    const auto IY = static_cast<std::int32_t>(GY);
    const float TX = Stufe(0, 1, X - GX);
    const float TY = Stufe(0, 1, Y - GY);
    const float Oben = Zufallswert(IX, IY, Saat) + (Zufallswert(IX + 1, IY, Saat) - Zufallswert(IX, IY, Saat)) * TX;
    const float Unten =
        Zufallswert(IX, IY + 1, Saat) + (Zufallswert(IX + 1, IY + 1, Saat) - Zufallswert(IX, IY + 1, Saat)) * TX;
    return Oben + (Unten - Oben) * TY;
}

// Noise with ever finer and weaker layers, as clouds and fields look.
float Schichten(float X, float Y, int Anzahl, std::uint32_t Saat)
{
    float Summe = 0;
    float Gewicht = 0.5f;
    float Gesamt = 0;
    for (int Schicht = 0; Schicht < Anzahl; ++Schicht) {
        Summe += Gewicht * Rauschen(X, Y, Saat + static_cast<std::uint32_t>(Schicht));
        Gesamt += Gewicht;
        X *= 2;
        Y *= 2;
        Gewicht *= 0.5f;
    }
    return Summe / Gesamt;
}

// Texture whose finest grain is a few pixels wide, whatever the picture's size.
float Pixeltextur(int X, int Y, std::uint32_t Saat)
{
    return 0.55f * Rauschen(X / 2.7f, Y / 2.7f, Saat) + 0.30f * Rauschen(X / 9.0f, Y / 9.0f, Saat + 1) +
           0.15f * Rauschen(X / 31.0f, Y / 31.0f, Saat + 2);
}

struct TBaum {
    float U;
    float V;
    float Radius;
};

constexpr TBaum Baeume[] = {{0.55f, 0.55f, 0.050f}, {0.62f, 0.58f, 0.040f}, {0.90f, 0.57f, 0.060f},
                            {0.07f, 0.60f, 0.045f}, {0.40f, 0.70f, 0.035f}};

TFarbe Himmel(float U, float V, float Horizont)
{
    TFarbe Farbe = Mische({55, 105, 185}, {185, 205, 230}, V / Horizont);
    const float Wolke = Stufe(0.55f, 0.8f, Schichten(U * 4, V * 8, 5, 20));
    Farbe = Mische(Farbe, {238, 238, 242}, Wolke * 0.9f);
    const float Abstand = std::hypot(U - 0.78f, V - 0.16f);
    if (Abstand < 0.045f)
        return {255, 247, 215};
    const float Schein = 60 * std::exp(-(Abstand - 0.045f) * 25);
    return {Farbe.R + Schein, Farbe.G + Schein, Farbe.B + Schein * 0.7f};
}

TFarbe Wiese(float U, float V, float Horizont, int X, int Y)
{
    const float Feld = Schichten(U * 5, V * 5, 4, 30);
    TFarbe Farbe = Mische({72, 112, 48}, {128, 100, 62}, Stufe(0.4f, 0.6f, Feld));
    Farbe = Mal(Farbe, 0.7f + 0.6f * Pixeltextur(X, Y, 40));
    const float Ferne = 1 - (V - Horizont) / (1 - Horizont);
    return Mische(Farbe, {150, 165, 175}, Ferne * Ferne * Ferne * Ferne * 0.5f);
}

// The house, the trees or nothing in front of the landscape.
bool Vordergrund(float U, float V, int X, int Y, TFarbe& Farbe)
{
    if (U >= 0.18f && U < 0.32f && V >= 0.50f && V < 0.64f) {
        const bool Fenster = (std::fmod(U - 0.18f, 0.045f) > 0.015f && std::fmod(U - 0.18f, 0.045f) < 0.035f &&
                              V > 0.53f && V < 0.57f);
        Farbe = Fenster ? TFarbe{40, 60, 95} : Mal({205, 185, 150}, 0.85f + 0.3f * Pixeltextur(X, Y, 50));
        return true;
    }
    if (V >= 0.42f && V < 0.50f && std::abs(U - 0.25f) < (V - 0.42f) / 0.08f * 0.085f) {
        Farbe = Mal({150, 55, 45}, 0.8f + 0.4f * Pixeltextur(X, Y, 60));
        return true;
    }
    for (const TBaum& Baum : Baeume) {
        if (std::hypot(U - Baum.U, V - Baum.V) < Baum.Radius) {
            Farbe = Mal({35, 72, 30}, 0.5f + 0.9f * Pixeltextur(X, Y, 70));
            return true;
        }
        if (std::abs(U - Baum.U) < Baum.Radius * 0.12f && V >= Baum.V && V < Baum.V + Baum.Radius * 1.8f) {
            Farbe = Mal({85, 60, 40}, 0.8f + 0.4f * Pixeltextur(X, Y, 80));
            return true;
        }
    }
    return false;
}

std::uint8_t MitKorn(float Wert, int X, int Y, std::uint32_t Kanal)
{
    const float Korn = (Zufallswert(X, Y, 90 + Kanal) - 0.5f) * 8;
    return static_cast<std::uint8_t>(std::clamp(std::lround(Wert + Korn), 0L, 255L));
}

} // namespace

TQuellbild Fotomotiv(int Breite, int Hoehe)
{
    TQuellbild Bild{Breite, Hoehe, 3, {}};
    Bild.Werte.resize(std::size_t(Breite) * Hoehe * 3);
    std::vector<float> Horizont(static_cast<std::size_t>(Breite));
    for (int X = 0; X < Breite; ++X)
        Horizont[static_cast<std::size_t>(X)] = 0.55f + 0.10f * (Schichten(X * 3.0f / Breite, 0.5f, 4, 10) - 0.5f);

    std::uint8_t* Aus = Bild.Werte.data();
    for (int Y = 0; Y < Hoehe; ++Y) {
        const float V = (Y + 0.5f) / Hoehe;
        for (int X = 0; X < Breite; ++X) {
            const float U = (X + 0.5f) / Breite;
            const float H = Horizont[static_cast<std::size_t>(X)];
            TFarbe Farbe;
            if (!Vordergrund(U, V, X, Y, Farbe))
                Farbe = V < H ? Himmel(U, V, H) : Wiese(U, V, H, X, Y);
            *Aus++ = MitKorn(Farbe.R, X, Y, 0);
            *Aus++ = MitKorn(Farbe.G, X, Y, 1);
            *Aus++ = MitKorn(Farbe.B, X, Y, 2);
        }
    }
    return Bild;
}

std::vector<std::uint8_t> FotoAlsJpeg(int Breite, int Hoehe, bool Progressiv)
{
    const TJpegArt Art{.Breite = Breite,
                       .Hoehe = Hoehe,
                       .Farbart = TFarbart::YCbCr,
                       .Abtastung = TAbtastung::Halb420,
                       .Progressiv = Progressiv,
                       .Qualitaet = 90};
    return SchreibeJpeg(Art, Fotomotiv(Breite, Hoehe));
}

} // namespace kalumbo::messung
