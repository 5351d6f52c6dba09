// The window's tests run on Qt's offscreen platform unless told otherwise,
// inside the game's own application object; built with
// KALUMBO_SKALIERUNG, on a screen with that many pixels per logical pixel.
#include "Testsaat.h"
#include "ui/Anwendung.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef KALUMBO_SKALIERUNG
    qputenv("QT_SCALE_FACTOR", KALUMBO_SKALIERUNG);
#endif
    testing::InitGoogleTest(&argc, argv);
    kalumbo::test::MeldeSaatBeiFehlern();
    kalumbo::TAnwendung Anwendung(argc, argv);
    return RUN_ALL_TESTS();
}
