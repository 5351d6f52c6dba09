// SPDX-License-Identifier: GPL-3.0-or-later
#include "werkbank/Kunstbilder.h"

#include "werkbank/Kodierer.h"

#include <algorithm>
#include <stdexcept>

namespace kalumbo {

namespace {

// The scans from the Ab-th on (counted from 1, each from its SOS marker,
// the last to the end-of-image marker) Wiederholungen times over.
void WiederholeAbtastungen(std::vector<std::uint8_t>& Jpeg, int Ab, int Wiederholungen)
{
    int Gezaehlt = 0;
    std::size_t Anfang = 0;
    for (std::size_t I = 0; I + 1 < Jpeg.size() && Gezaehlt < Ab; ++I)
        if (Jpeg[I] == 0xFF && Jpeg[I + 1] == 0xDA && ++Gezaehlt == Ab)
            Anfang = I;
    if (Gezaehlt < Ab || Jpeg.size() < Anfang + 2)
        throw std::runtime_error("Zu wenige Abtastungen im Testbild");
    const std::vector<std::uint8_t> Abtastungen(Jpeg.begin() + std::ptrdiff_t(Anfang), Jpeg.end() - 2);
    Jpeg.erase(Jpeg.end() - 2, Jpeg.end());
    for (int I = 1; I < Wiederholungen; ++I)
        Jpeg.insert(Jpeg.end(), Abtastungen.begin(), Abtastungen.end());
    Jpeg.insert(Jpeg.end(), {0xFF, 0xD9});
}

} // namespace

TQuellbild Verlauf(int Breite, int Hoehe)
{
    TQuellbild Bild{Breite, Hoehe, 3, {}};
    Bild.Werte.reserve(std::size_t(Breite) * Hoehe * 3);
    const int Quer = std::max(1, Breite - 1);
    const int Hoch = std::max(1, Hoehe - 1);
    const int Schraeg = std::max(1, Breite + Hoehe - 2);
    for (int Y = 0; Y < Hoehe; ++Y) {
        for (int X = 0; X < Breite; ++X) {
            Bild.Werte.push_back(static_cast<std::uint8_t>(96 + X * 159 / Quer));
            Bild.Werte.push_back(static_cast<std::uint8_t>(96 + Y * 159 / Hoch));
            Bild.Werte.push_back(static_cast<std::uint8_t>(96 + (X + Y) * 159 / Schraeg));
        }
    }
    return Bild;
}

std::vector<std::uint8_t> MitBehaupteterGroesse(bool Progressiv, int Breite, int Hoehe)
{
    std::vector<std::uint8_t> Jpeg = SchreibeJpeg({.Breite = 16, .Hoehe = 16, .Progressiv = Progressiv}, Verlauf(16, 16));
    const std::size_t Kopf = FindeBildkopf(Jpeg);
    Jpeg.at(Kopf + 5) = static_cast<std::uint8_t>(Hoehe >> 8);
    Jpeg.at(Kopf + 6) = static_cast<std::uint8_t>(Hoehe & 0xFF);
    Jpeg.at(Kopf + 7) = static_cast<std::uint8_t>(Breite >> 8);
    Jpeg.at(Kopf + 8) = static_cast<std::uint8_t>(Breite & 0xFF);
    return Jpeg;
}

std::vector<std::uint8_t> ArithmetischOhneDaten(int Breite, int Hoehe, bool Progressiv, int Wiederholungen)
{
    constexpr int Kante = 16;
    TKodierer Kodierer;
    jpeg_compress_struct& Info = Kodierer.Info;
    Info.image_width = Kante;
    Info.image_height = Kante;
    Info.input_components = 3;
    Info.in_color_space = JCS_YCbCr;
    jpeg_set_defaults(&Info);
    Info.arith_code = TRUE;
    for (int Komponente = 0; Komponente < 3; ++Komponente) {
        Info.comp_info[Komponente].h_samp_factor = 1;
        Info.comp_info[Komponente].v_samp_factor = 1;
    }
    const unsigned int Eins[DCTSIZE2] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                         1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                         1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (int Tabelle = 0; Tabelle < 2; ++Tabelle)
        jpeg_add_quant_table(&Info, Tabelle, Eins, 100, TRUE);
    static const jpeg_scan_info EineAbtastung[] = {{3, {0, 1, 2}, 0, 63, 0, 0}};
    static const jpeg_scan_info Progressiv4[] = {
        {3, {0, 1, 2}, 0, 0, 0, 0}, {1, {0}, 1, 63, 0, 0}, {1, {1}, 1, 63, 0, 0}, {1, {2}, 1, 63, 0, 0}};
    Info.scan_info = Progressiv ? Progressiv4 : EineAbtastung;
    Info.num_scans = Progressiv ? 4 : 1;

    jvirt_barray_ptr Felder[3];
    const auto Allgemein = reinterpret_cast<j_common_ptr>(&Info);
    for (jvirt_barray_ptr& Feld : Felder)
        Feld = (*Info.mem->request_virt_barray)(Allgemein, JPOOL_IMAGE, TRUE, Kante / DCTSIZE, Kante / DCTSIZE, 1);
    jpeg_write_coefficients(&Info, Felder);
    for (jvirt_barray_ptr Feld : Felder)
        for (JDIMENSION Zeile = 0; Zeile < Kante / DCTSIZE; ++Zeile) {
            JBLOCKROW Bloecke = (*Info.mem->access_virt_barray)(Allgemein, Feld, Zeile, 1, TRUE)[0];
            for (int Block = 0; Block < Kante / DCTSIZE; ++Block)
                for (int K = 1; K < DCTSIZE2; ++K)
                    Bloecke[Block][K] = 1;
        }
    std::vector<std::uint8_t> Jpeg = Kodierer.Fertig();

    const std::size_t Kopf = FindeBildkopf(Jpeg);
    Jpeg.at(Kopf + 5) = static_cast<std::uint8_t>(Hoehe >> 8);
    Jpeg.at(Kopf + 6) = static_cast<std::uint8_t>(Hoehe & 0xFF);
    Jpeg.at(Kopf + 7) = static_cast<std::uint8_t>(Breite >> 8);
    Jpeg.at(Kopf + 8) = static_cast<std::uint8_t>(Breite & 0xFF);
    if (Progressiv)
        WiederholeAbtastungen(Jpeg, 2, Wiederholungen);
    return Jpeg;
}

std::size_t FindeBildkopf(const std::vector<std::uint8_t>& Jpeg)
{
    // After SOI every segment is FF, marker, two length bytes, payload.
    std::size_t Stelle = 2;
    while (Stelle + 4 <= Jpeg.size() && Jpeg[Stelle] == 0xFF) {
        const std::uint8_t Marker = Jpeg[Stelle + 1];
        if (Marker >= 0xC0 && Marker <= 0xCF && Marker != 0xC4 && Marker != 0xC8 && Marker != 0xCC)
            return Stelle;
        Stelle += 2 + (std::size_t(Jpeg[Stelle + 2]) << 8) + Jpeg[Stelle + 3];
    }
    throw std::runtime_error("Kein Bildkopf im Testbild");
}

} // namespace kalumbo
