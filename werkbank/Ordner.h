// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kalumbo {

// A fresh empty directory under the system's temporary directory, removed
// with everything in it at the end.
class TTempVerzeichnis {
public:
    TTempVerzeichnis();
    ~TTempVerzeichnis();
    TTempVerzeichnis(const TTempVerzeichnis&) = delete;
    TTempVerzeichnis& operator=(const TTempVerzeichnis&) = delete;

    const std::filesystem::path& Pfad() const { return Ort; }
    std::filesystem::path Schreibe(const std::string& Name, const std::vector<std::uint8_t>& Inhalt) const;

private:
    std::filesystem::path Ort;
};

// A fresh empty directory that is the working directory while it exists,
// for the picture files the game looks up there.
class TArbeitsverzeichnis {
public:
    TArbeitsverzeichnis();
    ~TArbeitsverzeichnis();
    TArbeitsverzeichnis(const TArbeitsverzeichnis&) = delete;
    TArbeitsverzeichnis& operator=(const TArbeitsverzeichnis&) = delete;

    const std::filesystem::path& Pfad() const { return Ort.Pfad(); }
    std::filesystem::path Schreibe(const std::string& Name, const std::vector<std::uint8_t>& Inhalt) const
    {
        return Ort.Schreibe(Name, Inhalt);
    }

private:
    std::filesystem::path Vorher;
    TTempVerzeichnis Ort;
};

} // namespace kalumbo
