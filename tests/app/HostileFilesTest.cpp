#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/LanguageFile.h"
#include "app/MainLayout.h"
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
        EXPECT_EQ(Item("t_gears", 0).Text(), "20");
        EXPECT_TRUE(Item("optScrew", 0).OptionValue());
        EXPECT_EQ(Item("screwpitchM").Text(), "1.5");
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
        TypeText(Item("reqPitch"), "1.0");
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
        ClearByTyping(Item("t_gears", 0));
        TypeText(Item("t_gears", 0), "30");
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
    EXPECT_EQ(Item("t_gears", 0).Text(), "33");
    ClearByTyping(Item("t_gears", 0));
    TypeText(Item("t_gears", 0), "44");
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
    TypeText(Item("reqPitch"), "1.0");
    window->FindGearTrains();
    const std::string csv = folder.File("results.csv");
    TempFolder::Write(csv, "old results\r\n");
    WriteLang("[frmMain]\nbtnCalc=Rechnen!\n");
    for (os::WriteFault fault : {os::WriteFault::Write, os::WriteFault::Rename}) {
        os::SetSaveFileAnswerer([&csv](const os::OPENFILENAME&) { return std::optional<std::string>(csv); });
        MessageRecorder recorder;
        os::InjectWriteFault(1, fault);
        window->ExportCsv();
        os::InjectWriteFault(1, fault);
        EXPECT_FALSE(app::WriteLanguageTemplate(window->Window()));
        os::SetSaveFileAnswerer({});
        EXPECT_EQ(TempFolder::Read(csv), "old results\r\n");
        EXPECT_EQ(TempFolder::Read(folder.File("lang.txt")), "[frmMain]\nbtnCalc=Rechnen!\n");
        ASSERT_EQ(recorder.messages.size(), 2u);
        EXPECT_NE(recorder.messages[0].find(csv), std::string::npos);
        EXPECT_NE(recorder.messages[1].find(folder.File("lang.txt")), std::string::npos);
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
