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

} // namespace

std::vector<std::uint8_t> SchreibeJpeg(const TJpegArt& Art, const TQuellbild& Bild)
{
    // A test picture that cannot be encoded is a broken test; the library's
    // own handler reports it and ends the run.
    jpeg_compress_struct Info{};
    jpeg_error_mgr Fehler{};
    Info.err = jpeg_std_error(&Fehler);
    jpeg_create_compress(&Info);

    unsigned char* Puffer = nullptr;
    unsigned long Laenge = 0;
    jpeg_mem_dest(&Info, &Puffer, &Laenge);

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
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);

    std::vector<std::uint8_t> Jpeg(Puffer, Puffer + Laenge);
    std::free(Puffer);
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
