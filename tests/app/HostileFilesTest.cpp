#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/files/LanguageFile.h"
#include "app/main/MainLayout.h"
#include "app/files/Settings.h"
#include "forms/Screen.h"
#include "forms/testing/UserInput.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/commoncontrols/SaveFileDialog.h"
#include "os/files/AtomicFile.h"

namespace {

using forms::testing::ClearByTyping;
using forms::testing::TypeText;

// Takes every message box the window shows.
class MessageRecorder {
public:
    MessageRecorder() {
        os::SetMessageBoxPresenter([this](os::HWND, const std::string& text, const std::string&, os::UINT) {
            messages.push_back(text);
            return os::IDOK;
        });
    }
    ~MessageRecorder() { os::SetMessageBoxPresenter({}); }
    std::vector<std::string> messages;
};

class HostileFilesTest : public MainWindowTest {
protected:
    ~HostileFilesTest() override { os::InjectWriteFault(0, os::WriteFault::None); }

    void ExpectFactoryWindow() {
        EXPECT_EQ(GearList(), (std::vector<std::int32_t>{20, 20, 30, 35, 40, 40, 45, 50, 60, 60, 80, 80}));
        EXPECT_EQ(GearBox(0).Text(), "20");
        EXPECT_TRUE(Inputs().leadscrewUnit[0]->OptionValue());
        EXPECT_EQ(Inputs().leadscrewMm.Text(), "1.5");
        EXPECT_EQ(window->Grid().ColumnHeader(runtime::Variant(6)), "pitch, mm");
    }
};

// A settings or language file that is a folder or a named pipe counts as
// missing: the window opens in its factory state and never waits on a pipe.
// At close a pipe is replaced by a settings file; a folder cannot be, and the
// user is told.
TEST_F(HostileFilesTest, UnreadableFilesCountAsMissing) {
    for (const char* kind : {"folder", "pipe"}) {
        SCOPED_TRACE(kind);
        for (const char* name : {"kestrany.ini", "lang.txt"}) {
            const std::string path = folder.File(name);
            if (std::string(kind) == "folder") std::filesystem::create_directory(path);
            else ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        }
        MessageRecorder recorder;
        Open();
        ExpectFactoryWindow();
        TypeText(Inputs().request, "1.0");
        window->FindGearTrains();
        EXPECT_EQ(window->Grid().Rows(), 26);
        CloseWindow();
        const bool folderStays = std::string(kind) == "folder";
        EXPECT_EQ(recorder.messages.size(), folderStays ? 1u : 0u);
        EXPECT_EQ(std::filesystem::is_regular_file(folder.File("kestrany.ini")), !folderStays);
        for (const char* name : {"kestrany.ini", "lang.txt"}) std::filesystem::remove_all(folder.File(name));
    }
}

TEST_F(HostileFilesTest, AFailedWriteAtCloseKeepsTheOldFileWholeAndIsToldOnce) {
    const std::string before = "[sets]\nGears_count=1\ngears_0=24\ngears_1=36\n";
    for (os::WriteFault fault : {os::WriteFault::Write, os::WriteFault::Rename}) {
        WriteIni(before);
        Open();
        ClearByTyping(GearBox(0));
        TypeText(GearBox(0), "30");
        MessageRecorder recorder;
        os::InjectWriteFault(1, fault);
        CloseWindow();
        EXPECT_EQ(Ini(), before) << "nothing half-new";
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_NE(recorder.messages[0].find(folder.File("kestrany.ini")), std::string::npos);
        EXPECT_EQ(folder.EntryCount(), 1u) << "no temporary file left behind";
    }
}

TEST_F(HostileFilesTest, ASuccessfulCloseWritesEveryKeyInOneReplace) {
    Open();
    MessageRecorder recorder;
    os::InjectWriteFault(2, os::WriteFault::Write);  // a second replace would fail
    CloseWindow();
    EXPECT_TRUE(recorder.messages.empty());
    const std::string ini = Ini();
    for (const char* line : {"gears_11=80\n", "Gears_count=11\n", "chkAll=0\n", "[frmMain]\n", "h="})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
}

TEST_F(HostileFilesTest, ASettingsFileThatIsALinkIsUpdatedThroughTheLink) {
    TempFolder elsewhere;
    const std::string target = elsewhere.File("real.ini");
    TempFolder::Write(target, "[sets]\nGears_count=0\ngears_0=33\n");
    std::filesystem::create_symlink(target, folder.File("kestrany.ini"));
    Open();
    EXPECT_EQ(GearBox(0).Text(), "33");
    ClearByTyping(GearBox(0));
    TypeText(GearBox(0), "44");
    CloseWindow();
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("kestrany.ini")));
    EXPECT_NE(TempFolder::Read(target).find("gears_0=44\n"), std::string::npos);
}

// However the placement was edited, the window opens on the screen, inside
// no larger than its free area and no smaller than the window allows, and what
// is written back is what was shown.
TEST_F(HostileFilesTest, ExtremePlacementsOpenOnTheScreen) {
    const auto most = std::to_string(std::numeric_limits<std::int32_t>::max());
    const auto least = std::to_string(std::numeric_limits<std::int32_t>::min());
    const std::string cases[] = {
        "x=" + least + "\ny=" + least + "\nw=" + most + "\nh=" + most + "\n",
        "x=" + most + "\ny=" + most + "\nw=1\nh=-5\n",
        "x=1e300\ny=-1e300\nw=1e300\nh=nan\n",
    };
    for (const std::string& placement : cases) {
        SCOPED_TRACE(placement);
        WriteIni("[frmMain]\n" + placement);
        Open();
        const forms::Form& shown = window->Window();
        EXPECT_GE(shown.Left(), 0);
        EXPECT_GE(shown.Top(), 0);
        EXPECT_LE(shown.ScaleWidth(), forms::AvailableWidth());
        EXPECT_LE(shown.ScaleHeight(), forms::AvailableHeight());
        // The smallest size is held in whole pixels.
        EXPECT_GE(shown.Width(), app::kMinTrackWidth - forms::TwipsPerPixelX());
        EXPECT_GE(shown.Height(), std::min<double>(app::kMinTrackHeight, forms::AvailableHeight()) -
                                      forms::TwipsPerPixelY());
        const std::string written = "x=" + std::to_string(shown.Left()) + "\ny=" + std::to_string(shown.Top()) +
                                    "\nw=" + std::to_string(shown.ScaleWidth()) + "\nh=" + std::to_string(shown.ScaleHeight());
        CloseWindow();
        EXPECT_NE(Ini().find(written), std::string::npos) << Ini();
    }
}

TEST_F(HostileFilesTest, AFailedCsvOrTemplateWriteKeepsTheOldFileAndIsTold) {
    Open();
    TypeText(Inputs().request, "1.0");
    window->FindGearTrains();
    const std::string csv = folder.File("results.csv");
    TempFolder::Write(csv, "old results\r\n");
    const std::string lang = "[frmMain]\nsaveCsvFailed=Nicht gespeichert.\ntemplateFailed=Nicht geschrieben:\n";
    WriteLang(lang);
    for (os::WriteFault fault : {os::WriteFault::Write, os::WriteFault::Rename}) {
        os::SetSaveFileAnswerer([&csv](const os::OPENFILENAME&) { return std::optional<std::string>(csv); });
        MessageRecorder recorder;
        os::InjectWriteFault(1, fault);
        window->ExportCsv();
        os::InjectWriteFault(1, fault);
        EXPECT_FALSE(app::WriteLanguageTemplate(window->Window()));
        os::SetSaveFileAnswerer({});
        EXPECT_EQ(TempFolder::Read(csv), "old results\r\n");
        EXPECT_EQ(TempFolder::Read(folder.File("lang.txt")), lang);
        EXPECT_EQ(recorder.messages, (std::vector<std::string>{"Nicht gespeichert.\n\n" + csv,
                                                               "Nicht geschrieben:\n" + folder.File("lang.txt")}));
    }
}

// The save dialog may hand back any path the system can name, however long;
// one the system refuses is reported like any failed write.
TEST_F(HostileFilesTest, LongSavePathsAreUsedAndRefusedOnesAreReported) {
    Open(false);
    std::filesystem::path deep = folder.Path();
    for (int level = 0; level < 4; ++level) deep /= std::string(70, 'z') + "\xc3\xa4\xc3\xb6\xc3\xbc";  // "äöü"
    std::filesystem::create_directories(deep);
    const std::string longPath = (deep / "results.csv").string();
    ASSERT_GT(longPath.size(), 255u);
    const std::string refusedPath = folder.File(std::string(300, 'r') + ".csv");
    std::string beyondAnyPath = folder.Path().string();
    while (beyondAnyPath.size() < 4096) beyondAnyPath += "/" + std::string(200, 'b');
    for (const std::string& path : {longPath, refusedPath, beyondAnyPath}) {
        os::SetSaveFileAnswerer([&path](const os::OPENFILENAME&) { return std::optional<std::string>(path); });
        MessageRecorder recorder;
        window->ExportCsv();
        os::SetSaveFileAnswerer({});
        const bool refused = path != longPath;
        std::error_code error;
        EXPECT_EQ(std::filesystem::exists(path, error), !refused) << path.size();
        EXPECT_EQ(recorder.messages.size(), refused ? 1u : 0u) << path.size();
    }
}

}  // namespace

// Values below what a lathe can have: a tooth count of 0 or less is an empty
// slot, and a leadscrew or ratio side below 0 reads as 0 (nothing listed, the
// ratio left out), however the file was edited.
TEST_F(HostileFilesTest, MeaninglessStoredValuesReadAsEmptyOrZero) {
    using Box = forms::Control& (*)(const app::MainControls&);
    const Box gear1 = [](const app::MainControls& c) -> forms::Control& { return *c.gearBoxes[1]; };
    const Box mm = [](const app::MainControls& c) -> forms::Control& { return c.inputs.leadscrewMm; };
    const Box tpi = [](const app::MainControls& c) -> forms::Control& { return c.inputs.leadscrewTpi; };
    const Box left = [](const app::MainControls& c) -> forms::Control& { return c.inputs.ratioLeft; };
    const Box right = [](const app::MainControls& c) -> forms::Control& { return c.inputs.ratioRight; };
    struct Case {
        const char* line;
        Box box;
        const char* shown;
    };
    const Case cases[] = {
        {"gears_1=-5", gear1, ""},          {"gears_1=0", gear1, ""},      {"gears_1=-2147483648", gear1, ""},
        {"screwpitchm=-1.5", mm, "0"},      {"screwpitchi=-16", tpi, "0"}, {"prevl=-40", left, "0"},
        {"prevr=-0.4", right, "0"},         {"prevr=30", right, "30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        WriteIni(std::string("[sets]\n") + c.line + "\nGears_count=2\ngears_0=20\ngears_1=40\ngears_2=30\n");
        Open(false);
        EXPECT_EQ(c.box(Controls()).Text(), c.shown);
        if (c.box == gear1) {
            EXPECT_EQ(GearList(), (std::vector<std::int32_t>{20, 0, 30}));
        }
        window.reset();
    }
}

// Without a home folder there is no settings file: what the program writes
// while it runs is read back from memory, nothing reaches a disk, and closing
// says once, in a text of its own, that the settings cannot be saved.
TEST_F(HostileFilesTest, WithoutAHomeTheSettingsLiveInMemoryAndTheUserIsToldOnce) {
    WriteLang("[frmMain]\nsettingsInMemory=Nicht gespeichert\n");
    app::SetIniPath("");
    Open();
    app::WriteSetting("chart_unc", "False");
    EXPECT_EQ(app::ReadSetting("chart_unc", "True"), "False");
    MessageRecorder recorder;
    CloseWindow();
    EXPECT_EQ(recorder.messages, std::vector<std::string>{"Nicht gespeichert"});
    EXPECT_EQ(folder.EntryCount(), 1u) << "only lang.txt";
}

// A write that was cut short (the program killed) leaves its temporary file;
// the next write removes such leftovers that no running program holds, and
// nothing else: not a file another program is writing, not a file of
// another name or owner, not a link.
TEST_F(HostileFilesTest, TheNextWriteRemovesLeftoversOfInterruptedWrites) {
    struct Entry {
        std::string name;
        bool stays;
    };
    const std::vector<Entry> entries = {
        {"kestrany.ini.partial-Ab3dE9", false}, {"kestrany.ini.partial-000000", false},
        {"kestrany.ini.partial-Held01", true},  {"kestrany.ini.backup", true},
        {"kestrany.ini.partial-Ab3dE", true},   {"kestrany.ini.partial-Ab3d-9", true},
        {"lang.txt.partial-Ab3dE9", true},      {"kestrany.ini.partial-Link01", true},
    };
    for (const Entry& entry : entries)
        if (entry.name != "kestrany.ini.partial-Link01") TempFolder::Write(folder.File(entry.name), "[sets]\n");
    std::filesystem::create_symlink(folder.File("kestrany.ini.backup"), folder.File("kestrany.ini.partial-Link01"));
    // Another program still writing holds its temporary file locked.
    const int held = ::open(folder.File("kestrany.ini.partial-Held01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    Open();
    CloseWindow();
    ::close(held);
    for (const Entry& entry : entries) {
        const auto type = std::filesystem::symlink_status(folder.File(entry.name)).type();
        EXPECT_EQ(type != std::filesystem::file_type::not_found, entry.stays) << entry.name;
    }
    EXPECT_NE(Ini().find("Gears_count=11"), std::string::npos);
}

// Bytes this process has read from files so far.
std::int64_t BytesRead() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::int64_t value = -1;
    while (io >> name >> value)
        if (name == "rchar:") return value;
    return -1;
}

// Dates the file's last change back to 2023, as a file edited long ago.
void AgeFile(const std::string& path) {
    const struct timespec old[2] = {{1'700'000'000, 0}, {1'700'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
}

// A bloated settings file is read and parsed once while it stays the same,
// not once for every key; every change, ours or another program's, even one
// that keeps its size and its date, is seen by the next read.
TEST_F(HostileFilesTest, ABloatedSettingsFileIsReadOnceWhileItStaysTheSame) {
    if (BytesRead() < 0) GTEST_SKIP() << "no /proc/self/io";
    std::string junk;
    while (junk.size() < 8'000'000)
        junk += "[junk" + std::to_string(junk.size()) + "]\nkey=" + std::string(60, 'x') + "\n";
    const std::string head = "[sets]\nGears_count=0\ngears_0=33\n";
    WriteIni(head + junk);
    AgeFile(folder.File("kestrany.ini"));
    const std::int64_t before = BytesRead();
    Open(false);
    EXPECT_LT(BytesRead() - before, 2 * static_cast<std::int64_t>(junk.size())) << "read again for every key";
    EXPECT_EQ(GearBox(0).Text(), "33");

    app::WriteSetting("gears_0", "34");
    EXPECT_EQ(app::ReadSetting("gears_0", ""), "34");
    AgeFile(folder.File("kestrany.ini"));
    EXPECT_EQ(app::ReadSetting("gears_0", ""), "34");
    // Another program writes the same number of bytes in place and dates it back.
    const std::string inPlace = "[sets]\nGears_count=0\ngears_0=35";
    std::fstream file(folder.File("kestrany.ini"), std::ios::in | std::ios::out);
    file.write(inPlace.data(), static_cast<std::streamsize>(inPlace.size()));
    file.close();
    AgeFile(folder.File("kestrany.ini"));
    EXPECT_EQ(app::ReadSetting("gears_0", ""), "35");
}
