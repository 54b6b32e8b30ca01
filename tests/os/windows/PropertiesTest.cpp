#include <gtest/gtest.h>

#include "os/windows/Window.h"
#include "os/windows/WindowProperties.h"

namespace {

using namespace os;

class Properties : public ::testing::Test {
protected:
    void SetUp() override { window = CreateBareWindow("Props", 0); }
    void TearDown() override { DestroyWindow(window); }
    HWND window = 0;
};

TEST_F(Properties, NamesAreComparedWithoutCase) {
    struct Case {
        const char* stored;
        const char* read;
    };
    const Case cases[] = {{"1234C", "1234c"}, {"abc", "ABC"}, {"MiXed#15#1", "mixed#15#1"}};
    LONG_PTR value = 100;
    for (const Case& c : cases) {
        SetProp(window, c.stored, ++value);
        EXPECT_EQ(GetProp(window, c.read), value) << c.stored;
    }
}

TEST_F(Properties, MissingPropertyReadsZeroAndRemoveAnswersTheOldValue) {
    EXPECT_EQ(GetProp(window, "none"), 0);
    SetProp(window, "Name", -7);
    EXPECT_EQ(RemoveProp(window, "NAME"), -7);
    EXPECT_EQ(GetProp(window, "Name"), 0);
    EXPECT_EQ(RemoveProp(window, "Name"), 0);
    EXPECT_TRUE(EnumPropNames(window).empty());
}

TEST_F(Properties, SettingTwiceReplacesOneEntry) {
    SetProp(window, "a", 1);
    SetProp(window, "A", 2);
    EXPECT_EQ(EnumPropNames(window), std::vector<std::string>{"a"});
    EXPECT_EQ(GetProp(window, "a"), 2);
}

TEST_F(Properties, PointerSizedValuesSurvive) {
    int target = 0;
    const auto address = reinterpret_cast<LONG_PTR>(&target);
    SetProp(window, "ptr", address);
    EXPECT_EQ(GetProp(window, "ptr"), address);
}

TEST(PropertiesOfNoWindow, AreRefused) {
    EXPECT_FALSE(SetProp(0, "x", 1));
    EXPECT_EQ(GetProp(0, "x"), 0);
}

}  // namespace
