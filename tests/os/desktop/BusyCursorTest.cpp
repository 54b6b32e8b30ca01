#include <gtest/gtest.h>

#include <memory>

#include "os/desktop/BusyCursor.h"

TEST(BusyCursor, ShownWhileAnyLivesAndGoneAfterTheLast) {
    EXPECT_FALSE(os::BusyCursorShown());
    {
        os::BusyCursor outer;
        EXPECT_TRUE(os::BusyCursorShown());
        auto inner = std::make_unique<os::BusyCursor>();
        EXPECT_TRUE(os::BusyCursorShown());
        inner.reset();
        EXPECT_TRUE(os::BusyCursorShown());  // the outer one still runs
    }
    EXPECT_FALSE(os::BusyCursorShown());
}
