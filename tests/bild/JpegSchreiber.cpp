// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegSchreiber.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace kalumbo::test {

namespace {

J_COLOR_SPACE Eingabefarben(TFarbart Farbart)
{
    switch (Farbart) {
    case TFarbart::Grau:
        return JCS_GRAYSCALE;
    case TFarbart::Cmyk:
    case TFarbart::Ycck:
        return JCS_CMYK;
    case TFarbart::Rgb:
    case TFarbart::YCbCr:
        break;
    }
    return JCS_RGB;
}

J_COLOR_SPACE Dateifarben(TFarbart Farbart)
{
    switch (Farbart) {
    case TFarbart::Rgb:
        return JCS_RGB;
    case TFarbart::Grau:
        return JCS_GRAYSCALE;
    case TFarbart::Cmyk:
        return JCS_CMYK;
    case TFarbart::Ycck:
        return JCS_YCCK;
    case TFarbart::YCbCr:
        break;
    }
    return JCS_YCbCr;
}

void SetzeAbtastung(jpeg_compress_struct& Info, TAbtastung Abtastung)
{
    switch (Abtastung) {
    case TAbtastung::Voll444:
        Info.comp_info[0].h_samp_factor = 1;
        Info.comp_info[0].v_samp_factor = 1;
        break;
    case TAbtastung::Halb420:
        Info.comp_info[0].h_samp_factor = 2;
        Info.comp_info[0].v_samp_factor = 2;
        break;
    case TAbtastung::Viertel411:
        Info.comp_info[0].h_samp_factor = 4;
        Info.comp_info[0].v_samp_factor = 1;
        break;
    }
}

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

// The library's encoder writing into memory. A test picture that cannot
// be encoded is a broken test; the library's own handler reports it and
// ends the run.
struct TKodierer {
    jpeg_compress_struct Info{};
    jpeg_error_mgr Fehler{};
    unsigned char* Puffer = nullptr;
    unsigned long Laenge = 0;

    TKodierer()
    {
        Info.err = jpeg_std_error(&Fehler);
        jpeg_create_compress(&Info);
        jpeg_mem_dest(&Info, &Puffer, &Laenge);
    }
    TKodierer(const TKodierer&) = delete;
    TKodierer& operator=(const TKodierer&) = delete;

    std::vector<std::uint8_t> Fertig()
    {
        jpeg_finish_compress(&Info);
        jpeg_destroy_compress(&Info);
        std::vector<std::uint8_t> Jpeg(Puffer, Puffer + Laenge);
        std::free(Puffer);
        return Jpeg;
    }
};

} // namespace

std::vector<std::uint8_t> SchreibeJpeg(const TJpegArt& Art, const TQuellbild& Bild)
{
    TKodierer Kodierer;
    jpeg_compress_struct& Info = Kodierer.Info;
    Info.image_width = static_cast<JDIMENSION>(Art.Breite);
    Info.image_height = static_cast<JDIMENSION>(Art.Hoehe);
    Info.input_components = Bild.Kanaele;
    Info.in_color_space = Eingabefarben(Art.Farbart);
    jpeg_set_defaults(&Info);
    jpeg_set_colorspace(&Info, Dateifarben(Art.Farbart));
    if (Art.Farbart == TFarbart::YCbCr)
        SetzeAbtastung(Info, Art.Abtastung);
    if (Art.Farbart == TFarbart::Cmyk || Art.Farbart == TFarbart::Ycck)
        Info.write_Adobe_marker = Art.AdobeMarker ? TRUE : FALSE;
    jpeg_set_quality(&Info, Art.Qualitaet, TRUE);
    if (Art.Progressiv)
        jpeg_simple_progression(&Info);
    Info.arith_code = Art.Arithmetisch ? TRUE : FALSE;
    Info.restart_interval = static_cast<unsigned>(Art.Neustartintervall);

    jpeg_start_compress(&Info, TRUE);
    const std::size_t Zeilenlaenge = std::size_t(Bild.Breite) * Bild.Kanaele;
    while (Info.next_scanline < Info.image_height) {
        auto* Zeile = const_cast<JSAMPLE*>(Bild.Werte.data() + Info.next_scanline * Zeilenlaenge);
        jpeg_write_scanlines(&Info, &Zeile, 1);
    }
    return Kodierer.Fertig();
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

} // namespace kalumbo::test
