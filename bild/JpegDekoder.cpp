// SPDX-License-Identifier: GPL-3.0-or-later
#include "bild/JpegDekoder.h"

#include "texte/Fuellen.h"
#include "texte/Texte.h"

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <memory>
#include <type_traits>
#include <vector>

// The library's header needs FILE and size_t declared before it.
#include <jpeglib.h>
#include <jerror.h>

namespace kalumbo {

namespace {

// The most the coefficients of a picture in many scans may take. Only
// those of the visible rows are kept (see TGekapptesFeld below): a photo
// of 8000 x 8000 pixels with 4:2:0 chroma needs about 12 MB; such a photo
// about 19,700 pixels wide reaches the limit. In the browser the decoder's
// memory then stays below 50 MiB. A made-up header promising
// 65,000 x 65,000 pixels is refused with the library's own code for a
// picture too large for its memory. Pictures in one scan need only a few
// rows at a time and never come near this.
constexpr long Speichergrenze = 28L * 1024 * 1024;

// The most work the library may do for one picture, counted in blocks of
// 8 x 8 coefficients decoded. A block in Huffman coding takes its data
// from the file, and one without data costs next to nothing; a block in
// arithmetic coding may cost as much as all its 64 coefficients decoded
// one by one out of no data at all, and counts as 64. Starting a scan
// counts as 128 blocks, so that many empty scans over a tiny picture are
// bounded too. A picture in one scan
// decodes only the rows it shows; one in many scans is read whole before
// the first row is shown, each scan only as far as the kept rows (see
// TGekapptesFeld below). A real photo needs far less than the limit: one
// of 8000 x 8000 pixels in ten scans about half a million blocks, the
// widest picture in one scan under two million. A made-up file of a few
// hundred bytes, though, may repeat scans that carry no data, or claim a
// picture of 65,000 pixels across in arithmetic coding: the limit keeps
// the worst of them within about a fifth of a second on the desktop here,
// and within about twice that in the browser. It is the same in both editions, so
// both refuse the same pictures.
constexpr double Arbeitsgrenze = 10e6;
constexpr double ArithmetischerBlock = 64;
constexpr double Abtastungsbeginn = 128;

// Our error manager: the library's record comes first, so the library
// can treat a pointer to it as its own.
struct TFehlerverwalter {
    jpeg_error_mgr Basis;
    std::jmp_buf Ruecksprung;
};

// The library decodes data in Huffman coding in one of two ways, as its
// source holds 512 bytes or more beyond the block at hand or not, and the
// two ways differ for damaged data. The game's sources show it fewer bytes
// at a time, so a file decodes alike however it arrives: from a file, from
// memory or in pieces of any size.
constexpr std::size_t Happen = 256;

// A file read from where it stands. The library finds it through its
// client_data.
struct TDateiquelle {
    std::FILE* Datei;
    bool Angefangen; // a byte has come
    JOCTET Gelesen[Happen];
};

// A file that arrives in pieces: what the library has not yet taken of
// the pieces so far, of which it is shown Happen bytes at a time. The
// library finds it through its client_data.
struct TStueckquelle {
    std::vector<std::uint8_t> Puffer;
    std::size_t Fenster = 0;       // where what the library was shown last begins
    std::size_t Gezeigt = 0;       // and where it ends
    std::size_t Neustart = 0;      // where the library goes on after waiting
    std::size_t Ueberspringen = 0; // bytes the library skipped beyond the pieces so far
    bool Angefangen = false;       // a byte has come
    bool Ende = false;             // the last piece is in
};

enum class TStufe { Anfang, Kopf, Start, Zeilen };
using TStand = TJpegStueckweise::TStand;

// A picture in many scans keeps the coefficients of every block until its
// last scan is in, in one array for each component: for a photo of
// 8000 x 8000 pixels about 192 MB, though only the blocks of the visible
// rows, and of the row below them that upsampling looks at, ever reach
// the screen. The game's own arrays keep just those rows;
// any row further down is a row of scratch, zeroed at each access, written
// and forgotten: what is decoded there is never shown, and the rows above
// it are decoded before it in every scan. (Of a scan's rows below the kept
// ones only the last is decoded at all, see BegrenzeArbeit.) The library
// reaches its arrays through its memory manager's methods only; the
// game's take their place.
struct TGekapptesFeld {
    JDIMENSION Breite;   // blocks in a row
    JDIMENSION Zeilen;   // rows of the whole component
    JDIMENSION Behalten; // rows kept, from the top
    JDIMENSION Zugriff;  // the most rows one access asks for
    JBLOCKARRAY Behaltene;
    JBLOCKARRAY Schmierzeilen; // Zugriff rows
    JBLOCKARRAY Zeiger;        // Zugriff rows handed out
    TGekapptesFeld* Naechstes;
};

// All one decoding needs. Nothing here has a destructor: when the library
// fails it jumps straight back to the step that started it.
struct TDekodierung {
    jpeg_decompress_struct Info;
    TFehlerverwalter Fehler;
    jpeg_progress_mgr Fortschritt;

    // Where the bytes come from: a file, or pieces.
    TDateiquelle Datei;
    TStueckquelle* Stuecke;
    jpeg_source_mgr Quelle;

    TStufe Stufe;
    JDIMENSION Breite; // of the visible region
    JDIMENSION Hoehe;
    JSAMPARRAY Zeile;  // one decoded row, at least Breite pixels wide
    std::uint8_t* Ziel; // room for SichtbareGroesse x SichtbareGroesse RGB pixels

    // The coefficient arrays of a picture in many scans, and the library's
    // own way to make its arrays, for any others it has.
    TGekapptesFeld* Felder;
    void (*BibliothekRealisiert)(j_common_ptr);

    // The work done so far while the scans are read, in blocks, and the
    // library's count of rows begun at the last look at it.
    double Arbeit;
    long GezaehlteZeile;
};

// The library hands its methods a pointer to Info, the first member.
static_assert(std::is_standard_layout_v<TDekodierung> && offsetof(TDekodierung, Info) == 0);

TDekodierung* DekodierungVon(j_common_ptr Info)
{
    return reinterpret_cast<TDekodierung*>(Info);
}

constexpr std::size_t GroessterAusschnitt = std::size_t{SichtbareGroesse} * SichtbareGroesse * 3;

void SpringeZurueck(j_common_ptr Info)
{
    auto* Fehler = reinterpret_cast<TFehlerverwalter*>(Info->err);
    std::longjmp(Fehler->Ruecksprung, 1);
}

// The game shows its own message with the library's code; the library
// writes nothing anywhere and needs no texts of its own (which keeps them
// and their formatting out of the browser's decoder).
void Schweige(j_common_ptr) {}

void Vermerke(j_common_ptr Info, int Stufe)
{
    if (Stufe < 0)
        ++Info->err->num_warnings;
}

void Formuliere(j_common_ptr, char* Puffer)
{
    Puffer[0] = '\0';
}

void SetzeZurueck(j_common_ptr Info)
{
    Info->err->num_warnings = 0;
    Info->err->msg_code = 0;
}

// The iMCU rows (the library's unit of rows, the same number for every
// component) the visible rows need, with the one below them that
// upsampling looks at.
JDIMENSION BehalteneStreifen(const jpeg_decompress_struct& Info)
{
    const JDIMENSION Streifenhoehe = JDIMENSION(Info.max_v_samp_factor) * DCTSIZE;
    const JDIMENSION Gebraucht = (SichtbareGroesse + Streifenhoehe - 1) / Streifenhoehe + 1;
    return std::min(Info.total_iMCU_rows, Gebraucht);
}

// The rows of a component's array that are kept: those of the kept iMCU rows.
JDIMENSION SichtbareZeilen(const jpeg_decompress_struct& Info, JDIMENSION Zeilen)
{
    const JDIMENSION Streifen = Info.total_iMCU_rows;
    if (Streifen == 0 || Zeilen % Streifen != 0)
        return Zeilen;
    return BehalteneStreifen(Info) * (Zeilen / Streifen);
}

// The work of one iMCU row of the scan being read.
double ArbeitJeStreifen(const jpeg_decompress_struct& Info)
{
    const double Zeilen = Info.comps_in_scan == 1 ? Info.cur_comp_info[0]->v_samp_factor : 1;
    return double(Info.MCUs_per_row) * Info.blocks_in_MCU * Zeilen * (Info.arith_code ? ArithmetischerBlock : 1);
}

void Arbeite(TDekodierung* D, double Arbeit)
{
    D->Arbeit += Arbeit;
    if (D->Arbeit > Arbeitsgrenze)
        ERREXIT(&D->Info, JERR_BAD_PROGRESSION);
}

// Called by the library before each step while it reads the scans of a
// picture in many scans, the only thing it does while it starts, and as
// it hands over the rows: after each iMCU row of a scan it counts one row
// more (a step that waited for the next piece is taken again without
// being counted). What lies below the kept rows is never shown, so the
// rest of a scan is passed over from there: the library takes its last
// row next, into the rows of scratch, and then looks for the next marker.
void BegrenzeArbeit(j_common_ptr Allgemein)
{
    TDekodierung* D = DekodierungVon(Allgemein);
    jpeg_decompress_struct& Info = D->Info;
    if (D->Stufe != TStufe::Start || Info.progress->pass_counter == D->GezaehlteZeile)
        return;
    D->GezaehlteZeile = Info.progress->pass_counter;
    if (Info.input_iMCU_row >= BehalteneStreifen(Info) && Info.input_iMCU_row + 1 < Info.total_iMCU_rows)
        Info.input_iMCU_row = Info.total_iMCU_rows - 1;
    Arbeite(D, ArbeitJeStreifen(Info) + (Info.input_iMCU_row == 0 ? Abtastungsbeginn : 0));
}

// A picture in one scan decodes the iMCU rows that hold the visible rows
// and the one below them, which upsampling looks at.
void ZaehleEinenDurchgang(TDekodierung* D)
{
    const jpeg_decompress_struct& Info = D->Info;
    const JDIMENSION Streifenhoehe = JDIMENSION(Info.max_v_samp_factor) * DCTSIZE;
    const JDIMENSION Streifen = std::min(Info.total_iMCU_rows, (D->Hoehe + Streifenhoehe - 1) / Streifenhoehe + 1);
    Arbeite(D, double(Streifen) * ArbeitJeStreifen(Info));
}

jvirt_barray_ptr FordereFeld(j_common_ptr Info, int Pool, boolean, JDIMENSION Breite, JDIMENSION Zeilen,
                             JDIMENSION Zugriff)
{
    if (Pool != JPOOL_IMAGE)
        ERREXIT1(Info, JERR_BAD_POOL_ID, Pool);
    TDekodierung* D = DekodierungVon(Info);
    auto* Feld = static_cast<TGekapptesFeld*>((*Info->mem->alloc_small)(Info, Pool, sizeof(TGekapptesFeld)));
    *Feld = TGekapptesFeld{};
    Feld->Breite = Breite;
    Feld->Zeilen = Zeilen;
    Feld->Behalten = SichtbareZeilen(D->Info, Zeilen);
    Feld->Zugriff = Zugriff;
    Feld->Naechstes = D->Felder;
    D->Felder = Feld;
    return reinterpret_cast<jvirt_barray_ptr>(Feld);
}

// Makes room for the arrays once the library has asked for all of them:
// within the limit, or not at all, with the code the library gives when
// its arrays would not fit.
void RealisiereFelder(j_common_ptr Info)
{
    TDekodierung* D = DekodierungVon(Info);
    D->BibliothekRealisiert(Info);
    double Bytes = 0;
    for (const TGekapptesFeld* Feld = D->Felder; Feld; Feld = Feld->Naechstes)
        Bytes += double(Feld->Behalten + Feld->Zugriff) * Feld->Breite * sizeof(JBLOCK);
    if (Bytes > double(Speichergrenze))
        ERREXIT(Info, JERR_NO_BACKING_STORE);
    for (TGekapptesFeld* Feld = D->Felder; Feld; Feld = Feld->Naechstes) {
        if (Feld->Behaltene)
            continue;
        Feld->Behaltene = (*Info->mem->alloc_barray)(Info, JPOOL_IMAGE, Feld->Breite, Feld->Behalten);
        for (JDIMENSION Zeile = 0; Zeile < Feld->Behalten; ++Zeile)
            std::memset(Feld->Behaltene[Zeile], 0, Feld->Breite * sizeof(JBLOCK));
        Feld->Schmierzeilen = (*Info->mem->alloc_barray)(Info, JPOOL_IMAGE, Feld->Breite, Feld->Zugriff);
        Feld->Zeiger = static_cast<JBLOCKARRAY>(
            (*Info->mem->alloc_small)(Info, JPOOL_IMAGE, Feld->Zugriff * sizeof(JBLOCKROW)));
    }
}

JBLOCKARRAY GreifeZu(j_common_ptr Info, jvirt_barray_ptr Zeiger, JDIMENSION Anfang, JDIMENSION Anzahl, boolean)
{
    TGekapptesFeld* Feld = reinterpret_cast<TGekapptesFeld*>(Zeiger);
    if (!Feld->Behaltene || Anzahl > Feld->Zugriff || Anfang > Feld->Zeilen || Anzahl > Feld->Zeilen - Anfang)
        ERREXIT(Info, JERR_BAD_VIRTUAL_ACCESS);
    if (Anfang + Anzahl <= Feld->Behalten)
        return Feld->Behaltene + Anfang;
    for (JDIMENSION I = 0; I < Anzahl; ++I) {
        if (Anfang + I < Feld->Behalten) {
            Feld->Zeiger[I] = Feld->Behaltene[Anfang + I];
        } else {
            Feld->Zeiger[I] = Feld->Schmierzeilen[I];
            std::memset(Feld->Zeiger[I], 0, Feld->Breite * sizeof(JBLOCK));
        }
    }
    return Feld->Zeiger;
}

void KappeFelder(TDekodierung* D)
{
    D->BibliothekRealisiert = D->Info.mem->realize_virt_arrays;
    D->Info.mem->request_virt_barray = FordereFeld;
    D->Info.mem->realize_virt_arrays = RealisiereFelder;
    D->Info.mem->access_virt_barray = GreifeZu;
}

// At the file's end the game's sources do as the library's own: an empty
// file is refused, a short one gets an end-of-image marker.
constexpr JOCTET Bildende[] = {0xFF, JPEG_EOI};

void MeldeDateiende(j_decompress_ptr Info, bool Angefangen)
{
    if (!Angefangen)
        ERREXIT(Info, JERR_INPUT_EMPTY);
    WARNMS(Info, JWRN_JPEG_EOF);
}

void Beginne(j_decompress_ptr) {}
void Beende(j_decompress_ptr) {}

void LiesAus(TDekodierung* D, void* Quelle, boolean (*Fuelle)(j_decompress_ptr),
             void (*Ueberspringe)(j_decompress_ptr, long))
{
    D->Info.client_data = Quelle;
    D->Quelle.init_source = Beginne;
    D->Quelle.fill_input_buffer = Fuelle;
    D->Quelle.skip_input_data = Ueberspringe;
    D->Quelle.resync_to_restart = jpeg_resync_to_restart;
    D->Quelle.term_source = Beende;
    D->Info.src = &D->Quelle;
}

boolean FuelleAusDatei(j_decompress_ptr Info)
{
    auto* Quelle = static_cast<TDateiquelle*>(Info->client_data);
    const std::size_t Anzahl = std::fread(Quelle->Gelesen, 1, sizeof Quelle->Gelesen, Quelle->Datei);
    if (Anzahl == 0) {
        MeldeDateiende(Info, Quelle->Angefangen);
        Info->src->next_input_byte = Bildende;
        Info->src->bytes_in_buffer = sizeof Bildende;
        return TRUE;
    }
    Quelle->Angefangen = true;
    Info->src->next_input_byte = Quelle->Gelesen;
    Info->src->bytes_in_buffer = Anzahl;
    return TRUE;
}

// Reads over what is skipped, as the library's own source for files does.
void UeberspringeInDatei(j_decompress_ptr Info, long Anzahl)
{
    if (Anzahl <= 0)
        return;
    auto Rest = static_cast<std::size_t>(Anzahl);
    while (Rest > Info->src->bytes_in_buffer) {
        Rest -= Info->src->bytes_in_buffer;
        FuelleAusDatei(Info);
    }
    Info->src->next_input_byte += Rest;
    Info->src->bytes_in_buffer -= Rest;
}

// Shows the library the pieces from Ab on, Happen bytes of them.
void Zeige(jpeg_source_mgr& Leser, TStueckquelle& Quelle, std::size_t Ab)
{
    const std::size_t Anzahl = std::min(Happen, Quelle.Puffer.size() - Ab);
    Leser.next_input_byte = Quelle.Puffer.data() + Ab;
    Leser.bytes_in_buffer = Anzahl;
    Quelle.Fenster = Ab;
    Quelle.Gezeigt = Ab + Anzahl;
}

// Where the library goes on after waiting: where it stands, unless it has
// not moved on in what it was shown last; then it still stands where it
// stood before that (the library's manual, "Multiple-buffer management").
std::size_t Neustart(const jpeg_source_mgr& Leser, const TStueckquelle& Quelle)
{
    const auto Hier = std::size_t(Leser.next_input_byte - Quelle.Puffer.data());
    return Hier != Quelle.Fenster ? Hier : Quelle.Neustart;
}

// When the pieces so far are used up, the library waits for the next one;
// after the last one the file ends.
boolean FuelleAusStuecken(j_decompress_ptr Info)
{
    auto* Quelle = static_cast<TStueckquelle*>(Info->client_data);
    Quelle->Neustart = Neustart(*Info->src, *Quelle);
    if (Quelle->Gezeigt == Quelle->Puffer.size()) {
        if (!Quelle->Ende)
            return FALSE;
        MeldeDateiende(Info, Quelle->Angefangen);
        Quelle->Puffer.insert(Quelle->Puffer.end(), std::begin(Bildende), std::end(Bildende));
    }
    Zeige(*Info->src, *Quelle, Quelle->Gezeigt);
    return TRUE;
}

// The library cannot wait while it skips, and never goes back over what
// it skipped: what lies beyond the pieces so far is left out of the next
// ones.
void UeberspringeInStuecken(j_decompress_ptr Info, long Anzahl)
{
    if (Anzahl <= 0)
        return;
    auto* Quelle = static_cast<TStueckquelle*>(Info->client_data);
    const auto Ab = std::size_t(Info->src->next_input_byte - Quelle->Puffer.data());
    const std::size_t Hier = std::min(static_cast<std::size_t>(Anzahl), Quelle->Puffer.size() - Ab);
    Quelle->Ueberspringen += static_cast<std::size_t>(Anzahl) - Hier;
    Zeige(*Info->src, *Quelle, Ab + Hier);
    Quelle->Neustart = Ab + Hier;
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

void KopiereZeile(const TDekodierung* D, std::uint8_t* Aus)
{
    const JSAMPLE* Ein = D->Zeile[0];
    if (D->Info.out_color_space != JCS_CMYK) {
        std::copy(Ein, Ein + std::size_t{D->Breite} * 3, Aus);
        return;
    }
    const bool Invertiert = D->Info.saw_Adobe_marker;
    for (JDIMENSION X = 0; X < D->Breite; ++X, Ein += 4, Aus += 3) {
        Aus[0] = Farbanteil(Ein[0], Ein[3], Invertiert);
        Aus[1] = Farbanteil(Ein[1], Ein[3], Invertiert);
        Aus[2] = Farbanteil(Ein[2], Ein[3], Invertiert);
    }
}

// Takes the decoding on from the step it stands at: readying the library,
// reading the header, starting, and the visible rows into Ziel, Breite x
// Hoehe RGB pixels, and no row further. Wartet when a source in pieces has
// no more for now; Gescheitert when the library gave up, its code in
// Fehler. The other sources always have the next byte or the file's end.
TStand Schreite(TDekodierung* D)
{
    if (setjmp(D->Fehler.Ruecksprung))
        return TStand::Gescheitert;

    if (D->Stufe == TStufe::Anfang) {
        jpeg_create_decompress(&D->Info);
        D->Info.mem->max_memory_to_use = Speichergrenze;
        KappeFelder(D);
        D->Fortschritt.progress_monitor = BegrenzeArbeit;
        D->GezaehlteZeile = -1;
        D->Info.progress = &D->Fortschritt;
        if (D->Stuecke)
            LiesAus(D, D->Stuecke, FuelleAusStuecken, UeberspringeInStuecken);
        else
            LiesAus(D, &D->Datei, FuelleAusDatei, UeberspringeInDatei);
        D->Stufe = TStufe::Kopf;
    }

    if (D->Stufe == TStufe::Kopf) {
        if (jpeg_read_header(&D->Info, TRUE) == JPEG_SUSPENDED)
            return TStand::Wartet;
        // The library turns YCCK into CMYK itself; what is left of CMYK is
        // ours. Grey becomes RGB in the library. Anything it cannot turn
        // into RGB is refused by it with its own code.
        const bool Cmyk = D->Info.jpeg_color_space == JCS_CMYK || D->Info.jpeg_color_space == JCS_YCCK;
        D->Info.out_color_space = Cmyk ? JCS_CMYK : JCS_RGB;
        // The library may smooth the blocks of a picture in many scans whose
        // last scans are missing, but how it does depends on where it had to
        // wait for data: a file cut short would look different from a file
        // and in the browser. Such blocks are shown as they are.
        D->Info.do_block_smoothing = FALSE;
        D->Stufe = TStufe::Start;
    }

    if (D->Stufe == TStufe::Start) {
        // The library's arithmetic decoder cannot wait for input: such a
        // picture is decoded once the last piece is in.
        if (D->Stuecke && D->Info.arith_code && !D->Stuecke->Ende)
            return TStand::Wartet;
        // A picture in many scans is read whole here.
        if (!jpeg_start_decompress(&D->Info))
            return TStand::Wartet;
        const JDIMENSION Sichtbar = SichtbareGroesse;
        D->Breite = std::min(D->Info.output_width, Sichtbar);
        D->Hoehe = std::min(D->Info.output_height, Sichtbar);
        if (D->Felder == nullptr)
            ZaehleEinenDurchgang(D);
        if (D->Info.output_width > D->Breite) {
            // The library may widen the columns to its block boundary.
            JDIMENSION Links = 0;
            JDIMENSION Spalten = D->Breite;
            jpeg_crop_scanline(&D->Info, &Links, &Spalten);
        }
        D->Zeile = (*D->Info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&D->Info), JPOOL_IMAGE,
                                                D->Info.output_width * D->Info.output_components, 1);
        D->Stufe = TStufe::Zeilen;
    }

    const std::size_t Zeilenlaenge = std::size_t{D->Breite} * 3;
    while (D->Info.output_scanline < D->Hoehe) {
        std::uint8_t* Aus = D->Ziel + D->Info.output_scanline * Zeilenlaenge;
        if (jpeg_read_scanlines(&D->Info, D->Zeile, 1) == 0)
            return TStand::Wartet;
        KopiereZeile(D, Aus);
    }
    return TStand::Fertig;
}

// Frees whatever the library holds, also when a step failed or an
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

void Verwalte(TDekodierung& D)
{
    jpeg_error_mgr& Fehler = D.Fehler.Basis;
    Fehler = jpeg_error_mgr{};
    Fehler.error_exit = SpringeZurueck;
    Fehler.emit_message = Vermerke;
    Fehler.output_message = Schweige;
    Fehler.format_message = Formuliere;
    Fehler.reset_error_mgr = SetzeZurueck;
    D.Info.err = &Fehler;
}

std::string Fehlermeldung(const TDekodierung& D)
{
    return Texte::Fuelle(Texte::JpegFehlernummer, {std::to_string(D.Fehler.Basis.msg_code)});
}

[[noreturn]] void Scheitere(TDekodierung& D)
{
    jpeg_destroy_decompress(&D.Info);
    throw TBildFehler(Fehlermeldung(D));
}

// Room for the largest visible region; SchneideZu cuts it to the picture's.
TPixelbild Leeres(TDekodierung& D)
{
    TPixelbild Bild;
    Bild.Rgb.resize(GroessterAusschnitt);
    D.Ziel = Bild.Rgb.data();
    return Bild;
}

void SchneideZu(const TDekodierung& D, TPixelbild& Bild)
{
    Bild.Breite = static_cast<int>(D.Breite);
    Bild.Hoehe = static_cast<int>(D.Hoehe);
    Bild.Rgb.resize(std::size_t{D.Breite} * D.Hoehe * 3);
}

// How a file or memory is decoded: in one go.
TPixelbild Dekodiere(TDekodierung& D)
{
    TPixelbild Bild = Leeres(D);
    Verwalte(D);
    TAufraeumen Aufraeumen(D);
    if (Schreite(&D) != TStand::Fertig)
        Scheitere(D);
    // The rows below the visible region are never read.
    SchneideZu(D, Bild);
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
        throw TBildFehler(Texte::Fuelle(Texte::DateiNichtZuOeffnen, {Dateiname}));
    return DekodiereJpeg(Datei.get());
}

TPixelbild DekodiereJpeg(std::FILE* Datei)
{
    TDekodierung D{};
    D.Datei.Datei = Datei;
    return Dekodiere(D);
}

// Memory is one piece, the last.
TPixelbild DekodiereJpeg(const std::uint8_t* Daten, std::size_t Laenge)
{
    TJpegStueckweise Dekoder;
    if (Dekoder.Nimm(Daten, Laenge, true) != TStand::Fertig)
        throw TBildFehler(Dekoder.Meldung());
    return Dekoder.Bild();
}

struct TJpegStueckweise::TZustand {
    TDekodierung D{};
    TStueckquelle Quelle;
    TPixelbild Bild;
    TStand Stand = TStand::Wartet;
    std::string Meldung;
};

TJpegStueckweise::TJpegStueckweise() : Zustand(std::make_unique<TZustand>())
{
    TDekodierung& D = Zustand->D;
    Zustand->Bild = Leeres(D);
    D.Stuecke = &Zustand->Quelle;
    Verwalte(D);
}

TJpegStueckweise::~TJpegStueckweise()
{
    jpeg_destroy_decompress(&Zustand->D.Info);
}

TJpegStueckweise::TStand TJpegStueckweise::Nimm(const std::uint8_t* Stueck, std::size_t Laenge, bool Letztes)
{
    if (Zustand->Stand != TStand::Wartet)
        return Zustand->Stand;

    // What the library has taken goes, what it skipped is left out, the
    // rest comes behind what it has not taken yet.
    TDekodierung& D = Zustand->D;
    TStueckquelle& Quelle = Zustand->Quelle;
    if (D.Stufe != TStufe::Anfang)
        Quelle.Puffer.erase(Quelle.Puffer.begin(), Quelle.Puffer.begin() + std::ptrdiff_t(Neustart(D.Quelle, Quelle)));
    const std::size_t Weg = std::min(Quelle.Ueberspringen, Laenge);
    Quelle.Ueberspringen -= Weg;
    if (Laenge > Weg)
        Quelle.Puffer.insert(Quelle.Puffer.end(), Stueck + Weg, Stueck + Laenge);
    Quelle.Angefangen = Quelle.Angefangen || Laenge > 0;
    Quelle.Ende = Letztes;
    Zeige(D.Quelle, Quelle, 0);
    Quelle.Neustart = 0;

    Zustand->Stand = Schreite(&D);
    if (Zustand->Stand == TStand::Fertig)
        SchneideZu(D, Zustand->Bild);
    if (Zustand->Stand == TStand::Gescheitert)
        Zustand->Meldung = Fehlermeldung(D);
    if (Zustand->Stand != TStand::Wartet) {
        // The library's memory goes back at once; the rows below the
        // visible region are never read.
        Quelle.Puffer = {};
        jpeg_destroy_decompress(&D.Info);
    }
    return Zustand->Stand;
}

const TPixelbild& TJpegStueckweise::Bild() const
{
    return Zustand->Bild;
}

const std::string& TJpegStueckweise::Meldung() const
{
    return Zustand->Meldung;
}

} // namespace kalumbo
