#include <gtest/gtest.h>

#include "os/testing/OffscreenApplication.h"
#include "os/testing/WindowInput.h"

int main(int argc, char** argv) {
    os::testing::OffscreenApplication application(argc, argv);
    os::testing::UseProgramFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
