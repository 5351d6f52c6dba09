// SPDX-License-Identifier: GPL-3.0-or-later
#include "Testsaat.h"

#include "game/Zufall.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace kalumbo::test {

namespace {

std::optional<std::uint64_t> SaatAusUmgebung()
{
    const char* Text = std::getenv("KALUMBO_SAAT");
    if (Text == nullptr || *Text == '\0')
        return std::nullopt;
    char* Ende = nullptr;
    const unsigned long long Wert = std::strtoull(Text, &Ende, 10);
    if (*Ende != '\0') {
        std::fprintf(stderr, "KALUMBO_SAAT=%s is no number\n", Text);
        std::exit(2);
    }
    return Wert;
}

// Prints the seed after the first failed check of a test.
class TSaatmelder : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { Gemeldet = false; }

    void OnTestPartResult(const testing::TestPartResult& Ergebnis) override
    {
        if (!Ergebnis.failed() || Gemeldet)
            return;
        Gemeldet = true;
        std::printf("Saat dieses Laufs: %llu (wiederholen mit KALUMBO_SAAT=%llu)\n",
                    static_cast<unsigned long long>(TestSaat()), static_cast<unsigned long long>(TestSaat()));
    }

    bool Gemeldet = false;
};

} // namespace

std::uint64_t TestSaat()
{
    static const std::uint64_t Saat = SaatAusUmgebung().value_or(Uhrzeit() % 1'000'000'000);
    return Saat;
}

void MeldeSaatBeiFehlern()
{
    testing::UnitTest::GetInstance()->listeners().Append(new TSaatmelder);
}

} // namespace kalumbo::test
