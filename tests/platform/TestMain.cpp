#include <gtest/gtest.h>

#include "os/testing/OffscreenApplication.h"

// The application object selects the offscreen platform before it starts.
int main(int argc, char** argv) {
    os::testing::OffscreenApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
