// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzZiel.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

// Runs kept inputs through the same check the fuzzer uses: every file named
// on the command line, and every file of a named directory. Ends with 1
// when there was nothing to run; a broken promise aborts.

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Eingaben(int argc, char** argv)
{
    std::vector<fs::path> Dateien;
    for (int I = 1; I < argc; ++I) {
        const fs::path Pfad = argv[I];
        if (!fs::is_directory(Pfad)) {
            Dateien.push_back(Pfad);
            continue;
        }
        std::vector<fs::path> Inhalt;
        for (const auto& Eintrag : fs::directory_iterator(Pfad))
            if (Eintrag.is_regular_file())
                Inhalt.push_back(Eintrag.path());
        std::sort(Inhalt.begin(), Inhalt.end());
        Dateien.insert(Dateien.end(), Inhalt.begin(), Inhalt.end());
    }
    return Dateien;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<fs::path> Dateien = Eingaben(argc, argv);
    for (const fs::path& Datei : Dateien) {
        std::ifstream Ein(Datei, std::ios::binary);
        if (!Ein) {
            std::fprintf(stderr, "%s lässt sich nicht lesen\n", Datei.c_str());
            return 1;
        }
        const std::vector<std::uint8_t> Bytes{std::istreambuf_iterator<char>(Ein), std::istreambuf_iterator<char>()};
        std::printf("%s (%zu Bytes)\n", Datei.c_str(), Bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(Bytes.data(), Bytes.size());
    }
    if (Dateien.empty()) {
        std::fprintf(stderr, "Keine Eingaben zum Abspielen\n");
        return 1;
    }
    std::printf("%zu Eingaben ohne Befund\n", Dateien.size());
    return 0;
}
