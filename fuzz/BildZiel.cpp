// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzZiel.h"

#include "bild/JpegDekoder.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>
#include <string>
#include <system_error>

#include <jerror.h>

// Any bytes reach the picture decoder twice: whole, as an open file, the
// way a Bild1.jpg in the player's directory does, and in pieces, the way
// the browser hands over a dropped file. Both end alike, in the same
// visible region to the byte or in the same "JPEG-Fehlernr. N", and that
// outcome is one the player may be shown; nothing else.
//
// An input is the file followed by how to cut it, so that a kept input is
// a picture any viewer opens. Its last byte H tells: H & 15 bytes before
// it are the sizes of the pieces, used in turn until the file is handed
// over, each in units of 4 to the power of H >> 5 bytes; a size of 0 is
// an empty piece, 255 all the rest. With H & 16 an empty last piece
// follows the file's last byte. Without sizes, or with only sizes of 0,
// the file comes in one piece.

namespace kalumbo {
namespace {

[[noreturn]] void Verstoss(const std::string& Was)
{
    std::fprintf(stderr, "Bilddekoder hält sein Versprechen nicht: %s\n", Was.c_str());
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

// The picture, or the message when there is none.
struct TAusgang {
    TPixelbild Bild;
    std::string Meldung;
};

std::string Beschreibung(const TAusgang& Ausgang)
{
    if (!Ausgang.Meldung.empty())
        return "\"" + Ausgang.Meldung + "\"";
    return std::to_string(Ausgang.Bild.Breite) + " x " + std::to_string(Ausgang.Bild.Hoehe) + " Pixel";
}

void PruefeAusgang(const TAusgang& Ausgang)
{
    if (!Ausgang.Meldung.empty()) {
        if (!IstJpegMeldung(Ausgang.Meldung))
            Verstoss("Meldung " + Beschreibung(Ausgang));
        return;
    }
    const TPixelbild& Bild = Ausgang.Bild;
    if (Bild.Breite < 1 || Bild.Breite > SichtbareGroesse || Bild.Hoehe < 1 || Bild.Hoehe > SichtbareGroesse)
        Verstoss("Größe " + Beschreibung(Ausgang));
    if (Bild.Rgb.size() != std::size_t(Bild.Breite) * std::size_t(Bild.Hoehe) * 3)
        Verstoss(std::to_string(Bild.Rgb.size()) + " Bytes für " + Beschreibung(Ausgang));
}

TAusgang Ganz(std::span<const std::uint8_t> Datei)
{
    // The decoder only reads, so the bytes are never written through.
    static std::uint8_t Nichts = 0;
    void* Puffer = Datei.empty() ? &Nichts : const_cast<std::uint8_t*>(Datei.data());
    std::FILE* Offen = fmemopen(Puffer, Datei.size(), "rb");
    if (Offen == nullptr)
        Verstoss("fmemopen über " + std::to_string(Datei.size()) + " Bytes misslang");
    TAusgang Ausgang;
    try {
        Ausgang.Bild = DekodiereJpeg(Offen);
    } catch (const TBildFehler& Fehler) {
        Ausgang.Meldung = Fehler.what();
    } catch (const std::exception& Fehler) {
        Verstoss(std::string("fremde Ausnahme: ") + Fehler.what());
    } catch (...) {
        Verstoss("unbekannte Ausnahme");
    }
    std::fclose(Offen);
    return Ausgang;
}

struct TSchnitt {
    std::span<const std::uint8_t> Datei;
    std::span<const std::uint8_t> Groessen;
    std::size_t Einheit = 1;
    bool LeeresEnde = false;
};

TSchnitt LiesSchnitt(std::span<const std::uint8_t> Eingabe)
{
    if (Eingabe.empty())
        return {};
    const std::uint8_t Kopf = Eingabe.back();
    const std::size_t Anzahl = std::min<std::size_t>(Kopf & 15u, Eingabe.size() - 1);
    const std::size_t Dateilaenge = Eingabe.size() - 1 - Anzahl;
    TSchnitt Schnitt{Eingabe.first(Dateilaenge), Eingabe.subspan(Dateilaenge, Anzahl),
                     std::size_t{1} << (2 * (Kopf >> 5)), (Kopf & 16u) != 0};
    if (std::all_of(Schnitt.Groessen.begin(), Schnitt.Groessen.end(), [](std::uint8_t G) { return G == 0; }))
        Schnitt.Groessen = {};
    return Schnitt;
}

TAusgang InStuecken(const TSchnitt& Schnitt)
{
    using TStand = TJpegStueckweise::TStand;
    TJpegStueckweise Dekoder;
    const std::span<const std::uint8_t> Datei = Schnitt.Datei;
    std::size_t Gegeben = 0;
    TStand Stand = TStand::Wartet;
    for (std::size_t Stueck = 0; Stand == TStand::Wartet; ++Stueck) {
        const std::size_t Rest = Datei.size() - Gegeben;
        std::size_t Laenge = Rest;
        if (!Schnitt.Groessen.empty()) {
            const std::uint8_t Groesse = Schnitt.Groessen[Stueck % Schnitt.Groessen.size()];
            if (Groesse != 255)
                Laenge = std::min(Rest, Groesse * Schnitt.Einheit);
        }
        const bool Letztes = Laenge == Rest && !(Schnitt.LeeresEnde && Rest > 0);
        Stand = Dekoder.Nimm(Datei.data() + Gegeben, Laenge, Letztes);
        Gegeben += Laenge;
        if (Stand == TStand::Wartet && Letztes)
            Verstoss("wartet nach dem letzten Stück");
    }
    // Whatever comes later changes nothing.
    if (Dekoder.Nimm(Datei.data(), std::min<std::size_t>(Datei.size(), 1), true) != Stand)
        Verstoss("ein Stück nach dem Ende ändert den Ausgang");

    TAusgang Ausgang;
    if (Stand == TStand::Gescheitert)
        Ausgang.Meldung = Dekoder.Meldung();
    else
        Ausgang.Bild = Dekoder.Bild();
    if (Ausgang.Meldung.empty() != (Stand == TStand::Fertig))
        Verstoss("gescheitert ohne Meldung");
    return Ausgang;
}

bool Gleich(const TAusgang& A, const TAusgang& B)
{
    return A.Meldung == B.Meldung && A.Bild.Breite == B.Bild.Breite && A.Bild.Hoehe == B.Bild.Hoehe &&
           A.Bild.Rgb == B.Bild.Rgb;
}

} // namespace
} // namespace kalumbo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Laenge)
{
    using namespace kalumbo;
    const TSchnitt Schnitt = LiesSchnitt({Daten, Laenge});
    const TAusgang Soll = Ganz(Schnitt.Datei);
    PruefeAusgang(Soll);
    const TAusgang Stueckweise = InStuecken(Schnitt);
    if (!Gleich(Stueckweise, Soll))
        Verstoss("in Stücken " + Beschreibung(Stueckweise) + ", ganz " + Beschreibung(Soll) +
                 (Stueckweise.Meldung.empty() && Soll.Meldung.empty() ? " mit anderen Pixeln" : ""));
    return 0;
}
