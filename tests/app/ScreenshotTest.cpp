// Saves a picture of the main window after a calculation for the README:
// build/screenshot-calculated.png (offscreen, the program's font).
#include <gtest/gtest.h>

#include <filesystem>

#include "MainWindowFixture.h"
#include "forms/testing/UserInput.h"

namespace {

TEST_F(MainWindowTest, ScreenshotAfterACalculation) {
    Open();
    forms::testing::TypeText(Inputs().request, "1.25");
    forms::testing::ClickWith(Controls().calculate, 1);
    os::ProcessPendingEvents();
    ASSERT_GT(window->Grid().Rows(), 0);

    const std::string path = KESTRANY_SCREENSHOT_PATH;
    std::filesystem::remove(path);
    ASSERT_TRUE(forms::testing::SaveScreenshot(window->Window(), path));
    const std::string bytes = TempFolder::Read(path);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
}

}  // namespace
