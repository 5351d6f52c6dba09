// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

#include <cstdio>
#include <jpeglib.h>

namespace kalumbo {

// The library's encoder writing into memory. A picture that cannot be
// encoded is a fault of the program asking for it; the library's own
// handler reports it and ends the run.
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

} // namespace kalumbo
