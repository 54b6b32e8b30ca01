#include <gtest/gtest.h>

#include <limits>

#include "TempFolder.h"
#include "app/files/IniFile.h"
#include "app/files/Paths.h"
#include "app/files/SettingValues.h"
#include "app/files/Settings.h"

namespace {

TEST(PathsTest, StripExtensionLooksAtTheLastFourCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"kestrany", "kestrany"}, {"kestrany.exe", "kestrany"}, {"a.b", ""},
        {"my.kestrany", "my.kestrany"}, {"k.x.y", "k"}, {"", ""},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(app::StripExtension(name), expected) << name;
}

TEST(PathsTest, FilesLieBesideTheExecutable) {
    EXPECT_EQ(app::SettingsPathFor("/opt/k", "kestrany"), "/opt/k/kestrany.ini");
    EXPECT_EQ(app::SettingsPathFor("/opt/k", "kestrany.bin"), "/opt/k/kestrany.ini");
    EXPECT_EQ(app::LanguagePathFor("/opt/k"), "/opt/k/lang.txt");
}

TEST(IniFileTest, TrimAtNulKeepsTheTextBeforeTheFirstNul) {
    EXPECT_EQ(app::TrimAtNul(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(app::TrimAtNul("abc"), "abc");
    EXPECT_EQ(app::TrimAtNul(std::string(3, '\0')), "");
}

TEST(SettingValuesTest, BooleansReadWordsInAnyCaseAndNumbers) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"True", true}, {"false", false}, {"TRUE", true}, {"0", false}, {"-1", true},
        {"2.5", true},  {"yes", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(app::ReadBooleanValue(text), expected) << text;
}

TEST(SettingValuesTest, NumbersRoundHalvesToEvenAndMustFit) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"11", 11}, {"-1", -1}, {"2.5", 2}, {"3.5", 4}, {" 7 ", 7},
        {"abc", std::nullopt}, {"", std::nullopt}, {"1e12", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(app::ReadLongValue(text), expected) << text;
    EXPECT_EQ(app::ReadIntegerValue("40000"), std::nullopt);
    EXPECT_EQ(app::ReadIntegerValue("2"), std::int16_t{2});
}

TEST(SettingValuesTest, WrittenForms) {
    EXPECT_EQ(app::NumberText(-1), "-1");
    EXPECT_EQ(app::NumberText(7245), "7245");
    EXPECT_EQ(app::BooleanText(true), "True");
    EXPECT_EQ(app::BooleanText(false), "False");
}

TEST(SettingsTest, ClampValueTestsTheLowerBoundFirst) {
    struct Case {
        double low, value, high, expected;
    };
    const Case cases[] = {{0, -5, 100, 0}, {0, 50, 100, 50}, {0, 150, 100, 100}, {0, 10, -200, -200}, {0, -1, -200, 0}};
    for (const Case& c : cases) EXPECT_EQ(app::ClampValue(c.low, c.value, c.high), c.expected);
}

TEST(SettingsTest, SectionSetsOfTheSettingsFile) {
    TempFolder folder;
    app::SetIniPath(folder.File("kestrany.ini"));
    EXPECT_EQ(app::ReadSetting("chklow", "0"), "0");
    EXPECT_EQ(app::WriteSetting("chkLow", "1"), "1");
    EXPECT_EQ(app::ReadSetting("chklow", "0"), "1");
    EXPECT_EQ(TempFolder::Read(folder.File("kestrany.ini")), "[sets]\nchkLow=1\n");
    app::WriteSetting("optScrew0", "maybe");
    app::WriteSetting("Gears_count", "x1");
    EXPECT_TRUE(app::ReadBooleanSetting("optScrew0", true));
    EXPECT_FALSE(app::ReadBooleanSetting("optScrew0", false));
    EXPECT_EQ(app::ReadLongSetting("Gears_count", 11), 11);
    EXPECT_EQ(app::ReadIni("sets", "chkLow", "", folder.File("kestrany.ini")), "1");
    app::SetIniPath("");
}

}  // namespace
