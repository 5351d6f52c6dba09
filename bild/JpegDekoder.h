// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bild/BildFehler.h"
#include "bild/Pixelbild.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace kalumbo {

// Every decoder below keeps only the visible region of the picture: the
// top-left min(400, width) x min(400, height) pixels, as RGB. A picture the
// decoder cannot read ends in TBildFehler("JPEG-Fehlernr. <code>"), with the
// library's own message code; a damaged but readable picture (a file cut
// short, for one) is used as far as it decodes.

// Opens the file for reading and decodes it. A file that cannot be opened
// ends in TBildFehler("Datei <Dateiname> kann nicht geöffnet werden").
TPixelbild LiesJpegDatei(const std::string& Dateiname);

// Decodes from an open file, read piece by piece from where it stands.
// The file stays open; it belongs to the caller.
TPixelbild DekodiereJpeg(std::FILE* Datei);

// Decodes a picture held in memory, such as a built-in picture.
TPixelbild DekodiereJpeg(const std::uint8_t* Daten, std::size_t Laenge);

// Decodes a picture that arrives in pieces, such as a file the browser
// reads slice by slice: it asks for no piece beyond the visible rows. The
// outcome is the one the decoders above give for the same bytes; it is
// handed back rather than thrown, for callers that cannot catch.
class TJpegStueckweise {
public:
    enum class TStand { Wartet, Fertig, Gescheitert };

    TJpegStueckweise();
    ~TJpegStueckweise();
    TJpegStueckweise(const TJpegStueckweise&) = delete;
    TJpegStueckweise& operator=(const TJpegStueckweise&) = delete;

    // Takes the next piece of the file (copied; Letztes when the file ends
    // with it). Wartet while it needs the next piece; Fertig once the
    // visible region is decoded, Gescheitert when the picture cannot be
    // read, and so at every later call.
    TStand Nimm(const std::uint8_t* Stueck, std::size_t Laenge, bool Letztes);

    // The visible region, once Fertig.
    const TPixelbild& Bild() const;
    // Why not, once Gescheitert: the message a TBildFehler above has.
    const std::string& Meldung() const;

private:
    struct TZustand;
    std::unique_ptr<TZustand> Zustand;
};

} // namespace kalumbo
