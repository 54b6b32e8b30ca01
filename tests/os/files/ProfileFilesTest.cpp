#include <new>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>

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

// Content made piece by piece lands whole, or, when its making gives up,
// throws or meets a failed write, not at all: the old file stays and no
// temporary file is left beside it.
TEST_F(ProfileFilesTest, ContentWrittenInPiecesLandsWholeOrNotAtAll) {
    TempFolder::Write(file, "old");
    const std::size_t entries = folder.EntryCount();
    EXPECT_TRUE(os::ReplaceFileContentsBy(file, [](const os::PieceWriter& put) {
        return put("one, ") && put("") && put(std::string(100000, 'x')) && put(", three");
    }));
    EXPECT_EQ(TempFolder::Read(file), "one, " + std::string(100000, 'x') + ", three");
    TempFolder::Write(file, "old");
    const std::function<bool(const os::PieceWriter&)> failures[] = {
        [](const os::PieceWriter& put) { return put("half") && false; },
        [](const os::PieceWriter& put) -> bool {
            put("half");
            throw std::runtime_error("gave up");
        },
        [](const os::PieceWriter& put) -> bool {
            put("half");
            throw std::bad_alloc();
        },
    };
    for (const auto& produce : failures) {
        bool failed = false;
        try {
            failed = !os::ReplaceFileContentsBy(file, produce);
        } catch (const std::bad_alloc&) {
            failed = true;  // running out of memory is passed on, for the caller to tell
        }
        EXPECT_TRUE(failed);
        EXPECT_EQ(TempFolder::Read(file), "old");
        EXPECT_EQ(folder.EntryCount(), entries);
    }
    os::InjectWriteFault(1, os::WriteFault::Write);
    bool asked = false;
    EXPECT_FALSE(os::ReplaceFileContentsBy(file, [&asked](const os::PieceWriter& put) { return asked = put("new"); }));
    EXPECT_FALSE(asked);
    EXPECT_EQ(TempFolder::Read(file), "old");
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

namespace {

// Writing one key leaves every other line byte for byte as it stood, however
// the file's last line ends.
TEST_F(ProfileFilesTest, WritingAKeyKeepsEveryOtherValueByteForByte) {
    const std::string endings[] = {"", "\r", "\r\r", "\r\r\r", "\n", "\r\n", " \t"};
    for (const std::string& lineEnd : {std::string("\n"), std::string("\r\n")}) {
        for (const std::string& ending : endings) {
            SCOPED_TRACE("line end " + std::to_string(lineEnd.size()) + ", tail " + std::to_string(ending.size()));
            const std::string text = "[sets]" + lineEnd + "a=1" + lineEnd + "last=v" + ending;
            TempFolder::Write(file, text);
            const std::string before = Read("sets", "last", file);
            ASSERT_TRUE(os::WritePrivateProfileString("sets", "added", "2", file));
            EXPECT_EQ(Read("sets", "last", file), before);
            EXPECT_EQ(Read("sets", "a", file), "1");
            EXPECT_EQ(Read("sets", "added", file), "2");
            ASSERT_TRUE(os::WritePrivateProfileString("other", "k", "3", file));
            EXPECT_EQ(Read("sets", "last", file), before);
            const std::string after = TempFolder::Read(file);
            EXPECT_EQ(after.substr(0, text.size() - ending.size()), text.substr(0, text.size() - ending.size()));
        }
    }
}

TEST_F(ProfileFilesTest, AFileThatNeedsNoChangeIsWrittenBackUnchanged) {
    const std::string text = "; kept\r\n[sets]\r\n  a = 1 \r\nodd line\n[b]\r\nk=v\r\r";
    TempFolder::Write(file, text);
    os::ProfileWriteBatch batch(file);
    EXPECT_TRUE(batch.Commit());
    EXPECT_EQ(TempFolder::Read(file), text);
}

// Only regular files are read; anything else is a missing file, at once.
TEST_F(ProfileFilesTest, FoldersPipesAndDevicesReadAsMissing) {
    std::filesystem::create_directory(folder.File("dir"));
    ASSERT_EQ(::mkfifo(folder.File("pipe").c_str(), 0600), 0);
    for (const std::string& path : {folder.File("dir"), folder.File("pipe"), std::string("/dev/zero")}) {
        EXPECT_FALSE(os::ReadWholeFile(path)) << path;
        EXPECT_EQ(Read("sets", "a", path), "dflt") << path;
    }
}

TEST_F(ProfileFilesTest, ABatchWritesEverythingInOneReplaceOrNothing) {
    TempFolder::Write(file, "[sets]\nold=1\n");
    {
        os::ProfileWriteBatch batch(file);
        EXPECT_TRUE(os::WritePrivateProfileString("sets", "a", "1", file));
        EXPECT_TRUE(os::WritePrivateProfileString("sets", "b", "2", file));
        EXPECT_EQ(Read("sets", "b", file), "2") << "reads see the batch";
        EXPECT_EQ(TempFolder::Read(file), "[sets]\nold=1\n") << "nothing on disk before the commit";
        os::InjectWriteFault(1, os::WriteFault::Rename);
        EXPECT_FALSE(batch.Commit());
        EXPECT_EQ(TempFolder::Read(file), "[sets]\nold=1\n");
        EXPECT_TRUE(batch.Commit());
    }
    EXPECT_EQ(TempFolder::Read(file), "[sets]\nold=1\na=1\nb=2\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
    os::ProfileWriteBatch dropped(file);
    os::WritePrivateProfileString("sets", "c", "3", file);
}

TEST_F(ProfileFilesTest, InjectedFaultsHitTheNthReplaceOnly) {
    os::InjectWriteFault(2, os::WriteFault::Write);
    EXPECT_TRUE(os::ReplaceFileContents(file, "one"));
    EXPECT_FALSE(os::ReplaceFileContents(file, "two"));
    EXPECT_EQ(TempFolder::Read(file), "one");
    EXPECT_TRUE(os::ReplaceFileContents(file, "three"));
    EXPECT_EQ(TempFolder::Read(file), "three");
}

}  // namespace
