// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegSchreiber.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace kalumbo {

std::vector<std::uint8_t> AlsJpeg(const Leinwand& leinwand, int qualitaet)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr fehler{};
    cinfo.err = jpeg_std_error(&fehler);
    jpeg_create_compress(&cinfo);

    unsigned char* puffer = nullptr;
    unsigned long groesse = 0;
    jpeg_mem_dest(&cinfo, &puffer, &groesse);

    cinfo.image_width = JDIMENSION(leinwand.Breite());
    cinfo.image_height = JDIMENSION(leinwand.Hoehe());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);

    // Brightness at full resolution, both colour channels at half.
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    for (int i = 1; i < 3; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }

    // Baseline tables even at low quality, so that every decoder reads them.
    jpeg_set_quality(&cinfo, qualitaet, TRUE);
    cinfo.optimize_coding = TRUE;
    cinfo.dct_method = JDCT_ISLOW;

    // JFIF 1.1 header with square pixels and no thumbnail.
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 0;
    cinfo.X_density = 1;
    cinfo.Y_density = 1;

    jpeg_start_compress(&cinfo, TRUE);
    const std::vector<std::uint8_t> rgb = leinwand.Rgb();
    const std::size_t zeilenlaenge = std::size_t(leinwand.Breite()) * 3;
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* zeile = const_cast<JSAMPLE*>(rgb.data() + cinfo.next_scanline * zeilenlaenge);
        jpeg_write_scanlines(&cinfo, &zeile, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    std::vector<std::uint8_t> bytes(puffer, puffer + groesse);
    std::free(puffer);
    return bytes;
}

} // namespace kalumbo
