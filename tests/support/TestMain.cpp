#include <gtest/gtest.h>

#include "HandlerFailures.h"

#ifdef KESTRANY_WINDOW_TESTS
#include "os/testing/OffscreenApplication.h"
#include "os/desktop/Application.h"
#endif

// The main of every test program. Window tests run on the offscreen platform
// (no display needed) with the program's font, so texts measure as they do on
// a screen.
int main(int argc, char** argv) {
#ifdef KESTRANY_WINDOW_TESTS
    os::testing::OffscreenApplication application(argc, argv);
    os::UseProgramFont();
#endif
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::FailTestsOnHandlerFailure();
    return RUN_ALL_TESTS();
}
