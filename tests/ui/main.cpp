// SPDX-License-Identifier: GPL-3.0-or-later
// The window's tests run on Qt's offscreen platform unless told otherwise,
// inside the game's own application object. The same program also starts
// the runs of the window that some tests need as a process of their own.
#include "Laeufe.h"
#include "Testsaat.h"
#include "ui/Anwendung.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// The tests of the board at two pixels per logical pixel need such a
// screen from the start, which QT_SCALE_FACTOR=2 gives them; the others
// need one pixel per pixel. So a run does either the one kind or the other.
void WaehleTestsZurSkalierung()
{
    const bool Doppelt = qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2");
    std::string Filter = GTEST_FLAG_GET(filter);
    if (Doppelt)
        Filter = "Hochaufloesend.*";
    else
        Filter += Filter.find('-') == std::string::npos ? "-Hochaufloesend.*" : ":Hochaufloesend.*";
    GTEST_FLAG_SET(filter, Filter);
}

int Lauf(int argc, char** argv)
{
    const std::string_view Name = argv[0];
    if (Name == "farbwahl")
        return kalumbo::test::FarbwahlLauf(argc, argv);
    if (Name == "bild")
        return kalumbo::test::BildLauf(argc, argv);
    if (Name == "deutsch")
        return kalumbo::test::DeutschLauf(argc, argv);
    if (Name == "zugang")
        return kalumbo::test::ZugangLauf(argc, argv);
    if (Name == "start")
        return kalumbo::test::StartLauf(argc, argv);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 3 && std::string_view(argv[1]) == kalumbo::test::LaufSchalter)
        return Lauf(argc - 2, argv + 2);

    testing::InitGoogleTest(&argc, argv);
    WaehleTestsZurSkalierung();
    kalumbo::test::MeldeSaatBeiFehlern();
    kalumbo::TAnwendung Anwendung(argc, argv);
    return RUN_ALL_TESTS();
}
