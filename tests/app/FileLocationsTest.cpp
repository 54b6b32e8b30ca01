#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>
#include <set>

#include "TempFolder.h"
#include "app/files/FileLocations.h"
#include "app/files/IniFile.h"
#include "app/files/Paths.h"
#include "app/files/Settings.h"

namespace {

// A machine described by its existing files, its writable folders, its
// environment and the home folder its user database gives.
struct FakeMachine {
    std::set<std::string> files;
    std::set<std::string> writable;
    std::map<std::string, std::string> environment;
    std::string userHome = {};

    app::FileSystemView View() const {
        return {[this](const std::string& path) { return files.count(path) > 0; },
                [this](const std::string& folder) { return writable.count(folder) > 0; },
                [this](const std::string& name) {
                    auto found = environment.find(name);
                    return found == environment.end() ? std::string() : found->second;
                },
                [this] { return userHome; }};
    }
};

const std::map<std::string, std::string> kHomeOnly = {{"HOME", "/home/ann"}};
const std::map<std::string, std::string> kConfigHome = {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}};

TEST(FileLocationsTest, SettingsStayBesideTheExecutableWhenTheyCan) {
    struct Case {
        const char* what;
        std::set<std::string> files;
        std::set<std::string> writable;
        std::map<std::string, std::string> environment;
        const char* exeName;
        const char* expected;
        const char* userHome = "";
    } cases[] = {
        {"writable folder", {}, {"/stick"}, kConfigHome, "kestrany", "/stick/kestrany.ini"},
        {"file exists, folder read-only", {"/stick/kestrany.ini"}, {}, kConfigHome, "kestrany",
         "/stick/kestrany.ini"},
        {"read-only, config home set", {}, {}, kConfigHome, "kestrany", "/cfg/kestrany/kestrany.ini"},
        {"read-only, only HOME", {}, {}, kHomeOnly, "kestrany", "/home/ann/.config/kestrany/kestrany.ini"},
        {"relative config home is ignored", {}, {}, {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "cfg"}},
         "kestrany", "/home/ann/.config/kestrany/kestrany.ini"},
        {"empty config home is ignored", {}, {}, {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", ""}}, "kestrany",
         "/home/ann/.config/kestrany/kestrany.ini"},
        {"named after the executable", {}, {}, kConfigHome, "kestrany.bin", "/cfg/kestrany/kestrany.ini"},
        {"renamed copy", {}, {}, kConfigHome, "lathe2", "/cfg/kestrany/lathe2.ini"},
        {"no home at all: kept in memory", {}, {}, {}, "kestrany", ""},
        {"relative HOME is not a home", {}, {}, {{"HOME", "ann"}}, "kestrany", ""},
        {"no HOME: the user database's home", {}, {}, {}, "kestrany", "/home/db/.config/kestrany/kestrany.ini",
         "/home/db"},
        {"relative HOME: the user database's home", {}, {}, {{"HOME", "ann"}}, "kestrany",
         "/home/db/.config/kestrany/kestrany.ini", "/home/db"},
        {"HOME before the user database", {}, {}, kHomeOnly, "kestrany", "/home/ann/.config/kestrany/kestrany.ini",
         "/home/db"},
        {"installed, writable, no home at all: never in bin", {"/share/kestrany"}, {"/stick"}, {}, "kestrany", ""},
        {"another folder's file does not count", {"/cfg/kestrany/kestrany.ini"}, {}, kConfigHome, "kestrany",
         "/cfg/kestrany/kestrany.ini"},
        {"installed, folder writable (superuser)", {"/share/kestrany"}, {"/stick"}, kConfigHome, "kestrany",
         "/cfg/kestrany/kestrany.ini"},
        {"installed, read-only", {"/share/kestrany"}, {}, kHomeOnly, "kestrany",
         "/home/ann/.config/kestrany/kestrany.ini"},
        {"installed, but a file beside", {"/share/kestrany", "/stick/kestrany.ini"}, {"/stick"}, kConfigHome,
         "kestrany", "/stick/kestrany.ini"},
    };
    for (const Case& c : cases) {
        const FakeMachine machine{c.files, c.writable, c.environment, c.userHome};
        EXPECT_EQ(app::ChooseSettingsPath("/stick", c.exeName, "/share/kestrany", machine.View()), c.expected)
            << c.what;
    }
}

TEST(FileLocationsTest, LanguageFileIsTheFirstFoundInSearchOrder) {
    const std::string beside = "/usr/bin/lang.txt";
    const std::string config = "/cfg/kestrany/lang.txt";
    const std::string data = "/usr/share/kestrany/lang.txt";
    struct Case {
        std::set<std::string> files;
        std::string expected;
    } cases[] = {
        {{beside, config, data}, beside},
        {{config, data}, config},
        {{beside, data}, beside},
        {{data}, data},
        {{}, "/cfg/kestrany/lang.txt"},  // none: beside the settings file
    };
    for (const Case& c : cases) {
        const FakeMachine machine{c.files, {}, kConfigHome};
        EXPECT_EQ(app::ChooseLanguagePath("/usr/bin", "/usr/share/kestrany", "/cfg/kestrany/kestrany.ini",
                                          machine.View()),
                  c.expected)
            << c.files.size();
    }
    const FakeMachine homeless{{}, {}, {}};
    EXPECT_EQ(app::ChooseLanguagePath("/usr/bin", "/usr/share/kestrany", "/usr/bin/kestrany.ini", homeless.View()),
              beside);
    // Settings kept in memory: the data folder of an installed tree, else beside the executable.
    const FakeMachine installed{{"/usr/share/kestrany"}, {}, {}};
    EXPECT_EQ(app::ChooseLanguagePath("/usr/bin", "/usr/share/kestrany", "", installed.View()), data);
    EXPECT_EQ(app::ChooseLanguagePath("/usr/bin", "/usr/share/kestrany", "", homeless.View()), beside);
}

TEST(FileLocationsTest, InstalledDataFolderIsFoundFromTheExecutable) {
    EXPECT_EQ(app::InstalledDataFolder("/usr/bin"), "/usr/share/kestrany");
    EXPECT_EQ(app::InstalledDataFolder("/tmp/prefix/bin"), "/tmp/prefix/share/kestrany");
}

// The executable's file name goes through StripExtension once, whole.
TEST(FileLocationsTest, TheExecutablesFileNameLosesItsExtensionOnce) {
    const FakeMachine machine{{}, {"/opt/k"}, kHomeOnly};
    const std::pair<const char*, const char*> cases[] = {
        {"kestrany", "/opt/k/kestrany.ini"},         {"kestrany-1.0", "/opt/k/kestrany.ini"},
        {"kestrany.1.2", "/opt/k/kestrany.ini"},     {"kestrany.exe", "/opt/k/kestrany.ini"},
        {"my.kestrany", "/opt/k/my.kestrany.ini"},
    };
    for (const auto& [name, ini] : cases) {
        app::FormFilePathsFor(std::string("/opt/k/") + name, machine.View());
        EXPECT_EQ(app::IniPath(), ini) << name;
        EXPECT_EQ(app::LangPath(), "/opt/k/lang.txt") << name;
    }
    app::SetIniPath("");
    app::SetLangPath("");
}

// Settings written and read back on the real machine, with the environment
// pointing at a temporary configuration home.
class SettingsLocationTest : public ::testing::Test {
protected:
    ~SettingsLocationTest() override { app::SetIniPath(""); }

    app::FileSystemView Machine() const {
        app::FileSystemView view = app::RealFileSystem();
        const std::string configHome = home.File("config");
        view.environment = [configHome](const std::string& name) {
            return name == "XDG_CONFIG_HOME" ? configHome : std::string();
        };
        return view;
    }
    void UseSettingsAt(const std::string& folder) {
        app::SetIniPath(app::ChooseSettingsPath(folder, "kestrany", app::InstalledDataFolder(folder), Machine()));
    }
    std::string ConfigIni() const { return home.File("config/kestrany/kestrany.ini"); }

    TempFolder home;
    TempFolder exeFolder;
};

TEST_F(SettingsLocationTest, WritableExecutableFolderKeepsTheSettings) {
    UseSettingsAt(exeFolder.Path().string());
    EXPECT_EQ(app::IniPath(), exeFolder.File("kestrany.ini"));
    app::WriteSetting("screwpitchm", "2.5");
    EXPECT_EQ(app::ReadSetting("screwpitchm", "1.5"), "2.5");
    EXPECT_EQ(TempFolder::Read(exeFolder.File("kestrany.ini")), "[sets]\nscrewpitchm=2.5\n");
    EXPECT_EQ(home.EntryCount(), 0u) << "nothing in the configuration home";
}

// /proc refuses new files to every user, the superuser included, so it stands
// for an installed program's read-only folder (/usr/bin) even when the tests
// run as root.
TEST_F(SettingsLocationTest, ReadOnlyExecutableFolderMovesThemToTheConfigFolder) {
    UseSettingsAt("/proc/self");
    EXPECT_EQ(app::IniPath(), ConfigIni());
    EXPECT_FALSE(std::filesystem::exists(home.File("config"))) << "created on the first write, not before";

    app::WriteSetting("Gears_count", "2");
    app::WriteSetting("gears_0", "24");
    EXPECT_EQ(app::ReadSetting("gears_count", "11"), "2");
    EXPECT_EQ(app::ReadSetting("GEARS_0", "20"), "24");
    EXPECT_EQ(TempFolder::Read(ConfigIni()), "[sets]\nGears_count=2\ngears_0=24\n");
    struct stat info {};
    ASSERT_EQ(::stat(home.File("config/kestrany").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // The next start finds the same file again.
    UseSettingsAt("/proc/self");
    EXPECT_EQ(app::ReadSetting("gears_0", "20"), "24");
}

// A folder without write permission moves the settings only when this
// process really cannot write there: the superuser can, and then keeps them
// beside the executable.
TEST_F(SettingsLocationTest, PermissionBitsCountAsFarAsTheyHold) {
    const bool enforced = exeFolder.ReadOnlyIsEnforced();
    std::filesystem::permissions(exeFolder.Path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    UseSettingsAt(exeFolder.Path().string());
    app::WriteSetting("prevl", "30");
    EXPECT_EQ(app::ReadSetting("prevl", "40"), "30");
    std::filesystem::permissions(exeFolder.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(app::IniPath(), enforced ? ConfigIni() : exeFolder.File("kestrany.ini"));
}

// An installed tree (bin/ beside share/kestrany/) keeps settings per user even
// where bin/ can be written, as the superuser can write /usr/bin.
TEST_F(SettingsLocationTest, InstalledTreeKeepsSettingsPerUserInAWritableFolder) {
    TempFolder prefix;
    std::filesystem::create_directories(prefix.File("bin"));
    std::filesystem::create_directories(prefix.File("share/kestrany"));
    UseSettingsAt(prefix.File("bin"));
    EXPECT_EQ(app::IniPath(), ConfigIni());
    app::WriteSetting("prevr", "48");
    EXPECT_EQ(app::ReadSetting("prevr", "40"), "48");
    EXPECT_FALSE(std::filesystem::exists(prefix.File("bin/kestrany.ini")));
}

TEST_F(SettingsLocationTest, AnExistingFileBesideIsKeptEvenInAReadOnlyFolder) {
    TempFolder::Write(exeFolder.File("kestrany.ini"), "[sets]\nprevl=32\n");
    app::FileSystemView view = Machine();
    view.folderWritable = [](const std::string&) { return false; };
    app::SetIniPath(app::ChooseSettingsPath(exeFolder.Path().string(), "kestrany", "/nonexistent", view));
    EXPECT_EQ(app::ReadSetting("prevl", "40"), "32");
}

}  // namespace
