// SPDX-License-Identifier: GPL-3.0-or-later
#include "werkbank/JpegSchreiber.h"

#include "werkbank/Kodierer.h"

namespace kalumbo {

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
    Info.optimize_coding = Art.Optimiert ? TRUE : FALSE;
    // JFIF 1.1, square pixels: said here rather than left to the defaults.
    Info.dct_method = JDCT_ISLOW;
    Info.JFIF_major_version = 1;
    Info.JFIF_minor_version = 1;
    Info.density_unit = 0;
    Info.X_density = 1;
    Info.Y_density = 1;

    jpeg_start_compress(&Info, TRUE);
    const std::size_t Zeilenlaenge = std::size_t(Bild.Breite) * Bild.Kanaele;
    while (Info.next_scanline < Info.image_height) {
        auto* Zeile = const_cast<JSAMPLE*>(Bild.Werte.data() + Info.next_scanline * Zeilenlaenge);
        jpeg_write_scanlines(&Info, &Zeile, 1);
    }
    return Kodierer.Fertig();
}

} // namespace kalumbo
