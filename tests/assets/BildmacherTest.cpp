// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures in assets/ are made by the bildmacher tool. Running it again
// must give exactly the files that are kept, so that anyone can remake them.

#include "JpegMarker.h"
#include "werkbank/Ordner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kalumbo {
namespace {

const std::filesystem::path Assets = KALUMBO_ASSETS;

TEST(Bildmacher, MachtDieGespeichertenBilderByteFuerByteNeu)
{
    const TTempVerzeichnis Ablage;
    const std::filesystem::path& ziel = Ablage.Pfad();

    const std::string aufruf = std::string("\"") + KALUMBO_BILDMACHER + "\" \"" + ziel.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(aufruf.c_str()), 0);

    for (const char* name : {"Bild1.jpg", "Bild2.jpg", "Bild3.jpg", "Bild4.jpg"})
        EXPECT_TRUE(LiesDatei(ziel / name) == LiesDatei(Assets / name)) << name << " differs from the kept picture";
}

TEST(Bildmacher, VerlangtEinZielverzeichnis)
{
    const std::string aufruf = std::string("\"") + KALUMBO_BILDMACHER + "\" > /dev/null 2>&1";
    EXPECT_NE(std::system(aufruf.c_str()), 0);
}

} // namespace
} // namespace kalumbo
