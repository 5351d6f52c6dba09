// The window's tests run on Qt's offscreen platform unless told otherwise,
// inside the game's own application object.
#include "ui/Anwendung.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    kalumbo::TAnwendung Anwendung(argc, argv);
    return RUN_ALL_TESTS();
}
