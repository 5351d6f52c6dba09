// SPDX-License-Identifier: GPL-3.0-or-later
#include "bild/JpegDekoder.h"

#include <algorithm>
#include <csetjmp>
#include <limits>
#include <memory>

// The library's header needs FILE and size_t declared before it.
#include <jpeglib.h>
#include <jerror.h>

namespace kalumbo {

namespace {

// The most the library may hold for one picture. A progressive photo of
// 8000 x 8000 pixels with 4:2:0 chroma keeps about 192 MB of coefficients
// until its last scan is in; a made-up header promising 65,000 x 65,000
// pixels would want gigabytes and is refused with the library's own code
// instead. Pictures in one scan need only a few rows at a time and never
// come near this.
constexpr long Speichergrenze = 256L * 1024 * 1024;

// The most work the library may do for one picture, counted in pixels
// times scans. Every scan of a progressive picture passes over the whole
// picture, even one that adds nothing, so a made-up file of a few
// kilobytes repeating an empty scan a thousand times over a huge picture
// would keep the game busy for many seconds. Real pictures use about ten
// scans; this lets an 8000 x 8000 photo have thirty. A picture in one scan
// needs no limit: only its visible rows are ever decoded.
constexpr double Arbeitsgrenze = 2e9;

// Our error manager: the library's record comes first, so the library
// can treat a pointer to it as its own.
struct TFehlerverwalter {
    jpeg_error_mgr Basis;
    std::jmp_buf Ruecksprung;
};

// All one decoding needs. Nothing here has a destructor: when the library
// fails it jumps straight back to the stage that started it.
struct TDekodierung {
    jpeg_decompress_struct Info;
    TFehlerverwalter Fehler;
    jpeg_progress_mgr Fortschritt;

    bool AusSpeicher;
    std::FILE* Datei;
    const std::uint8_t* Daten;
    std::size_t Laenge;

    JDIMENSION Breite; // of the visible region
    JDIMENSION Hoehe;
    JSAMPARRAY Zeile;  // one decoded row, at least Breite pixels wide
};

void SpringeZurueck(j_common_ptr Info)
{
    auto* Fehler = reinterpret_cast<TFehlerverwalter*>(Info->err);
    std::longjmp(Fehler->Ruecksprung, 1);
}

// The game shows its own message; the library writes nothing anywhere.
void Schweige(j_common_ptr) {}

// Called by the library as it works through the rows of each scan.
void BegrenzeArbeit(j_common_ptr Allgemein)
{
    const auto* Info = reinterpret_cast<j_decompress_ptr>(Allgemein);
    if (!Info->progressive_mode)
        return;
    const double Arbeit = double(Info->input_scan_number) * Info->image_width * Info->image_height;
    if (Arbeit > Arbeitsgrenze) {
        Allgemein->err->msg_code = JERR_BAD_PROGRESSION;
        Allgemein->err->error_exit(Allgemein);
    }
}

// Files with an Adobe marker keep CMYK inverted, all others as ink.
std::uint8_t Farbanteil(unsigned Farbe, unsigned Schwarz, bool Invertiert)
{
    if (!Invertiert) {
        Farbe = 255 - Farbe;
        Schwarz = 255 - Schwarz;
    }
    return static_cast<std::uint8_t>((Farbe * Schwarz + 127) / 255);
}

// First stage: reads the header and readies the library to deliver the
// visible region. False when the library gave up; its code is in Fehler.
bool Beginne(TDekodierung* D)
{
    if (setjmp(D->Fehler.Ruecksprung))
        return false;

    jpeg_create_decompress(&D->Info);
    D->Info.mem->max_memory_to_use = Speichergrenze;
    D->Fortschritt.progress_monitor = BegrenzeArbeit;
    D->Info.progress = &D->Fortschritt;
    if (D->AusSpeicher) {
        // A built-in picture never comes near the limit of the length type.
        const auto Laenge = static_cast<unsigned long>(
            std::min<std::size_t>(D->Laenge, std::numeric_limits<unsigned long>::max()));
        jpeg_mem_src(&D->Info, D->Daten, Laenge);
    } else {
        jpeg_stdio_src(&D->Info, D->Datei);
    }
    jpeg_read_header(&D->Info, TRUE);

    // The library turns YCCK into CMYK itself; what is left of CMYK is ours.
    // Grey becomes RGB in the library. Anything it cannot turn into RGB is
    // refused by it with its own code.
    const bool Cmyk = D->Info.jpeg_color_space == JCS_CMYK || D->Info.jpeg_color_space == JCS_YCCK;
    D->Info.out_color_space = Cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&D->Info);

    const JDIMENSION Sichtbar = SichtbareGroesse;
    D->Breite = std::min(D->Info.output_width, Sichtbar);
    D->Hoehe = std::min(D->Info.output_height, Sichtbar);
    if (D->Info.output_width > D->Breite) {
        // The library may widen the columns to its block boundary.
        JDIMENSION Links = 0;
        JDIMENSION Spalten = D->Breite;
        jpeg_crop_scanline(&D->Info, &Links, &Spalten);
    }
    D->Zeile = (*D->Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&D->Info), JPOOL_IMAGE,
                                            D->Info.output_width * D->Info.output_components, 1);
    return true;
}

// Second stage: decodes the visible rows into Ziel, Breite x Hoehe RGB
// pixels, and no row further. False when the library gave up.
bool LiesSichtbareZeilen(TDekodierung* D, std::uint8_t* Ziel)
{
    if (setjmp(D->Fehler.Ruecksprung))
        return false;

    const bool Cmyk = D->Info.out_color_space == JCS_CMYK;
    const bool Invertiert = D->Info.saw_Adobe_marker;
    const std::size_t Zeilenlaenge = std::size_t{D->Breite} * 3;
    while (D->Info.output_scanline < D->Hoehe) {
        std::uint8_t* Aus = Ziel + D->Info.output_scanline * Zeilenlaenge;
        jpeg_read_scanlines(&D->Info, D->Zeile, 1);
        const JSAMPLE* Ein = D->Zeile[0];
        if (!Cmyk) {
            std::copy(Ein, Ein + Zeilenlaenge, Aus);
            continue;
        }
        for (JDIMENSION X = 0; X < D->Breite; ++X, Ein += 4, Aus += 3) {
            Aus[0] = Farbanteil(Ein[0], Ein[3], Invertiert);
            Aus[1] = Farbanteil(Ein[1], Ein[3], Invertiert);
            Aus[2] = Farbanteil(Ein[2], Ein[3], Invertiert);
        }
    }
    return true;
}

// Frees whatever the library holds, also when a stage failed or an
// allocation of ours threw. Safe to run more than once.
class TAufraeumen {
public:
    explicit TAufraeumen(TDekodierung& D) : D(D) {}
    ~TAufraeumen() { jpeg_destroy_decompress(&D.Info); }
    TAufraeumen(const TAufraeumen&) = delete;
    TAufraeumen& operator=(const TAufraeumen&) = delete;

private:
    TDekodierung& D;
};

[[noreturn]] void Scheitere(TDekodierung& D)
{
    const int Code = D.Fehler.Basis.msg_code;
    jpeg_destroy_decompress(&D.Info);
    throw TBildFehler("JPEG-Fehlernr. " + std::to_string(Code));
}

// The one way every picture is decoded, whatever it is read from.
TPixelbild Dekodiere(TDekodierung& D)
{
    D.Info.err = jpeg_std_error(&D.Fehler.Basis);
    D.Fehler.Basis.error_exit = SpringeZurueck;
    D.Fehler.Basis.output_message = Schweige;
    TAufraeumen Aufraeumen(D);

    if (!Beginne(&D))
        Scheitere(D);

    TPixelbild Bild;
    Bild.Breite = static_cast<int>(D.Breite);
    Bild.Hoehe = static_cast<int>(D.Hoehe);
    Bild.Rgb.resize(std::size_t{D.Breite} * D.Hoehe * 3);
    if (!LiesSichtbareZeilen(&D, Bild.Rgb.data()))
        Scheitere(D);
    // The rows below the visible region are never read.
    return Bild;
}

} // namespace

TPixelbild LiesJpegDatei(const std::string& Dateiname)
{
    struct TSchliessen {
        void operator()(std::FILE* Datei) const { std::fclose(Datei); }
    };
    const std::unique_ptr<std::FILE, TSchliessen> Datei(std::fopen(Dateiname.c_str(), "rb"));
    if (!Datei)
        throw TBildFehler("Datei " + Dateiname + " kann nicht geöffnet werden");
    return DekodiereJpeg(Datei.get());
}

TPixelbild DekodiereJpeg(std::FILE* Datei)
{
    TDekodierung D{};
    D.Datei = Datei;
    return Dekodiere(D);
}

TPixelbild DekodiereJpeg(const std::uint8_t* Daten, std::size_t Laenge)
{
    TDekodierung D{};
    D.AusSpeicher = true;
    D.Daten = Daten;
    D.Laenge = Laenge;
    return Dekodiere(D);
}

} // namespace kalumbo
