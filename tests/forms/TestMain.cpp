#include <gtest/gtest.h>

#include "forms/ProgramFont.h"
#include "os/testing/OffscreenApplication.h"

// The offscreen platform needs no display; the program's font makes texts
// measure as they do on a screen.
int main(int argc, char** argv) {
    os::testing::OffscreenApplication application(argc, argv);
    forms::UseProgramFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
