#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "os/files/AtomicFile.h"
#include "os/files/ProfileFiles.h"

namespace {

std::string Read(const std::string& section, const std::string& key, const std::string& file,
                 os::DWORD size = 255) {
    std::string buffer(size, '\0');
    const os::DWORD copied = os::GetPrivateProfileString(section, key, "dflt", buffer.data(), size, file);
    buffer.resize(copied);
    return buffer;
}

class ProfileFilesTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string file = folder.File("kestrany.ini");
};

TEST_F(ProfileFilesTest, ReadsValuesWithoutRegardToCase) {
    TempFolder::Write(file, "[sets]\r\nchkLow=1\r\n  Gears_count = 11 \r\n; gears_0=99\r\nq=\"quoted\"\r\n"
                            "[frmMain]\r\nx=120\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"sets", "chklow", "1"},     {"SETS", "CHKLOW", "1"},       {"sets", "gears_count", "11"},
        {"sets", "gears_0", "dflt"}, {"sets", "q", "quoted"},       {"frmmain", "X", "120"},
        {"frmMain", "chkLow", "dflt"}, {"nosuch", "x", "dflt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(Read(c.section, c.key, file), c.expected);
    }
    EXPECT_EQ(Read("sets", "x", folder.File("missing.ini")), "dflt");
}

TEST_F(ProfileFilesTest, ValuesAreCutToTheBuffer) {
    TempFolder::Write(file, "[s]\nlong=" + std::string(300, 'v') + "\n");
    EXPECT_EQ(Read("s", "long", file).size(), 254u);
    EXPECT_EQ(Read("s", "long", file, 4), "vvv");
}

TEST_F(ProfileFilesTest, FirstWriteCreatesTheFile) {
    ASSERT_TRUE(os::WritePrivateProfileString("sets", "chkLow", "1", file));
    EXPECT_EQ(TempFolder::Read(file), "[sets]\nchkLow=1\n");
    EXPECT_EQ(folder.EntryCount(), 1u);  // no temporary file left behind
}

TEST_F(ProfileFilesTest, WritesReplaceInPlaceAndAddWhereTheyBelong) {
    TempFolder::Write(file, "; settings\r\n[sets]\r\nchklow=0\r\nprevl=40\r\n\r\n[frmMain]\r\nx=1\r\n");
    ASSERT_TRUE(os::WritePrivateProfileString("SETS", "chkLow", "1", file));
    ASSERT_TRUE(os::WritePrivateProfileString("sets", "prevr", "30", file));
    ASSERT_TRUE(os::WritePrivateProfileString("frmPrint", "x", "5", file));
    EXPECT_EQ(TempFolder::Read(file),
              "; settings\r\n[sets]\r\nchkLow=1\r\nprevl=40\r\nprevr=30\r\n\r\n[frmMain]\r\nx=1\r\n"
              "[frmPrint]\r\nx=5\r\n");
    EXPECT_EQ(Read("sets", "chklow", file), "1");  // nothing cached: the next read sees the write
}

TEST_F(ProfileFilesTest, FailedWriteLeavesTheFileWhole) {
    TempFolder::Write(file, "[sets]\nprevl=40\n");
    if (!folder.ReadOnlyIsEnforced()) GTEST_SKIP() << "this user may write into read-only folders";
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(os::WritePrivateProfileString("sets", "prevl", "30", file));
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(TempFolder::Read(file), "[sets]\nprevl=40\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST_F(ProfileFilesTest, FileThatIsNotUtf8IsReadAsLatin1) {
    TempFolder::Write(file, "[frmMain]\nbtnCalc=Gr\xF6\xDF" "e\n");
    EXPECT_EQ(Read("frmMain", "btnCalc", file), "Gr\xC3\xB6\xC3\x9F" "e");
    ASSERT_TRUE(os::WritePrivateProfileString("frmMain", "caption", "K", file));
    EXPECT_EQ(TempFolder::Read(file), "[frmMain]\nbtnCalc=Gr\xC3\xB6\xC3\x9F" "e\ncaption=K\n");
}

TEST_F(ProfileFilesTest, ReplacingFileContentsKeepsTheOldFileOnFailure) {
    EXPECT_TRUE(os::ReplaceFileContents(file, "one"));
    EXPECT_TRUE(os::ReplaceFileContents(file, "two"));
    EXPECT_EQ(TempFolder::Read(file), "two");
    EXPECT_FALSE(os::ReplaceFileContents(folder.File("no/such/folder.csv"), "x"));
    EXPECT_EQ(*os::ReadWholeFile(file), "two");
    EXPECT_FALSE(os::ReadWholeFile(folder.File("missing")).has_value());
}

}  // namespace
