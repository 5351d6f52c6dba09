// SPDX-License-Identifier: GPL-3.0-or-later
#include "werkbank/Ordner.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace kalumbo {

TTempVerzeichnis::TTempVerzeichnis()
{
    std::string Muster = (std::filesystem::temp_directory_path() / "kalumbo-bild-XXXXXX").string();
    if (mkdtemp(Muster.data()) == nullptr)
        throw std::runtime_error("Kein temporäres Verzeichnis");
    Ort = Muster;
}

TTempVerzeichnis::~TTempVerzeichnis()
{
    std::error_code Egal;
    std::filesystem::remove_all(Ort, Egal);
}

std::filesystem::path TTempVerzeichnis::Schreibe(const std::string& Name, const std::vector<std::uint8_t>& Inhalt) const
{
    const auto Datei = Ort / Name;
    std::ofstream Aus(Datei, std::ios::binary);
    Aus.write(reinterpret_cast<const char*>(Inhalt.data()), static_cast<std::streamsize>(Inhalt.size()));
    if (!Aus)
        throw std::runtime_error("Testdatei nicht geschrieben");
    return Datei;
}

TArbeitsverzeichnis::TArbeitsverzeichnis() : Vorher(std::filesystem::current_path())
{
    std::filesystem::current_path(Ort.Pfad());
}

TArbeitsverzeichnis::~TArbeitsverzeichnis()
{
    std::error_code Egal;
    std::filesystem::current_path(Vorher, Egal);
}

} // namespace kalumbo
