// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzZiel.h"

#include "bild/JpegDekoder.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <system_error>

#include <jerror.h>

// Any bytes at all reach the picture loader exactly as a Bild1.jpg in the
// player's directory does: as an open file, read piece by piece. Whatever
// the file holds, the loader either hands back the visible region of a
// picture or ends in the one error the player is shown; nothing else.

namespace kalumbo {
namespace {

[[noreturn]] void Verstoss(const std::string& Was)
{
    std::fprintf(stderr, "Bildlader hält sein Versprechen nicht: %s\n", Was.c_str());
    std::fflush(stderr);
    std::abort();
}

// "JPEG-Fehlernr. " and one of the library's own message codes in
// decimal, without sign or leading zeros, and nothing else.
bool IstJpegMeldung(const std::string& Meldung)
{
    const std::string Anfang = "JPEG-Fehlernr. ";
    if (Meldung.rfind(Anfang, 0) != 0)
        return false;
    int Code = -1;
    const char* Ende = Meldung.data() + Meldung.size();
    const auto [Stelle, Fehler] = std::from_chars(Meldung.data() + Anfang.size(), Ende, Code);
    return Fehler == std::errc{} && Stelle == Ende && Code >= 0 && Code < JMSG_LASTMSGCODE &&
           Meldung == Anfang + std::to_string(Code);
}

void PruefeBild(const TPixelbild& Bild)
{
    if (Bild.Breite < 1 || Bild.Breite > SichtbareGroesse || Bild.Hoehe < 1 || Bild.Hoehe > SichtbareGroesse)
        Verstoss("Größe " + std::to_string(Bild.Breite) + " x " + std::to_string(Bild.Hoehe));
    const std::size_t Erwartet = std::size_t(Bild.Breite) * std::size_t(Bild.Hoehe) * 3;
    if (Bild.Rgb.size() != Erwartet)
        Verstoss(std::to_string(Bild.Rgb.size()) + " Bytes für " + std::to_string(Bild.Breite) + " x " +
                 std::to_string(Bild.Hoehe) + " Pixel");
}

void PruefeDatei(std::FILE* Datei)
{
    try {
        PruefeBild(DekodiereJpeg(Datei));
    } catch (const TBildFehler& Fehler) {
        if (!IstJpegMeldung(Fehler.what()))
            Verstoss(std::string("Meldung \"") + Fehler.what() + "\"");
    } catch (const std::exception& Fehler) {
        Verstoss(std::string("fremde Ausnahme: ") + Fehler.what());
    } catch (...) {
        Verstoss("unbekannte Ausnahme");
    }
}

} // namespace
} // namespace kalumbo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Laenge)
{
    // The loader only reads, so the bytes are never written through.
    static std::uint8_t Nichts = 0;
    void* Puffer = Laenge == 0 ? &Nichts : const_cast<std::uint8_t*>(Daten);
    std::FILE* Datei = fmemopen(Puffer, Laenge, "rb");
    if (Datei == nullptr)
        kalumbo::Verstoss("fmemopen über " + std::to_string(Laenge) + " Bytes misslang");
    kalumbo::PruefeDatei(Datei);
    std::fclose(Datei);
    return 0;
}
