// SPDX-License-Identifier: GPL-3.0-or-later
// How fast our decoder gets the shown region out of a huge photo file,
// baseline and progressive. scripts/messen/alles.sh sets this beside a full
// decode of the same files by the JPEG library's own command-line tool.
//
//   bild_benchmark [benchmark flags] [directory]
//
// The pictures are written into the directory once and kept there; without
// one they go to a temporary directory removed at the end.
#include "Fotomotiv.h"
#include "bild/JpegDekoder.h"
#include "werkbank/Ordner.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>

namespace kalumbo::messung {
namespace {

constexpr int Kante = 8000;

struct TGrossesBild {
    const char* Name;
    bool Progressiv;
};

constexpr TGrossesBild GrosseBilder[] = {{"Gross8000.jpg", false}, {"Gross8000Progressiv.jpg", true}};

void SchreibeFallsFehlt(const std::filesystem::path& Datei, bool Progressiv)
{
    if (std::filesystem::exists(Datei))
        return;
    const std::vector<std::uint8_t> Jpeg = FotoAlsJpeg(Kante, Kante, Progressiv);
    std::ofstream Aus(Datei, std::ios::binary);
    Aus.write(reinterpret_cast<const char*>(Jpeg.data()), static_cast<std::streamsize>(Jpeg.size()));
    if (!Aus)
        throw std::runtime_error("Messbild " + Datei.string() + " nicht geschrieben");
}

void LiesSichtbarenTeil(benchmark::State& Lauf, const std::string& Datei)
{
    for (auto _ : Lauf) {
        const TPixelbild Bild = LiesJpegDatei(Datei);
        benchmark::DoNotOptimize(Bild.Rgb.data());
        if (Bild.Breite != SichtbareGroesse || Bild.Hoehe != SichtbareGroesse) {
            Lauf.SkipWithError("the shown region has the wrong size");
            break;
        }
    }
}

} // namespace
} // namespace kalumbo::messung

int main(int argc, char** argv)
{
    using namespace kalumbo::messung;
    benchmark::Initialize(&argc, argv);
    if (argc > 2) {
        std::cerr << "usage: " << argv[0] << " [benchmark flags] [directory for the pictures]\n";
        return 2;
    }
    std::optional<kalumbo::TTempVerzeichnis> Temporaer;
    std::filesystem::path Ort;
    if (argc == 2) {
        Ort = argv[1];
        std::filesystem::create_directories(Ort);
    } else {
        Temporaer.emplace();
        Ort = Temporaer->Pfad();
    }

    for (const TGrossesBild& Bild : GrosseBilder) {
        const std::filesystem::path Datei = Ort / Bild.Name;
        SchreibeFallsFehlt(Datei, Bild.Progressiv);
        benchmark::RegisterBenchmark((std::string("LiesJpegDatei/") + Bild.Name).c_str(), LiesSichtbarenTeil,
                                     Datei.string())
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
