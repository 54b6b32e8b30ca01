#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "TempFolder.h"
#include "os/files/Folders.h"

namespace {

TEST(FoldersTest, WritableMeansAFileCanBeCreatedThere) {
    TempFolder folder;
    EXPECT_TRUE(os::FolderWritable(folder.Path().string()));
    EXPECT_EQ(folder.EntryCount(), 0u) << "the probe file is removed again";

    // /proc refuses new files even to the superuser, whatever its permission bits say.
    EXPECT_FALSE(os::FolderWritable("/proc/self"));
    EXPECT_FALSE(os::FolderWritable(folder.File("missing")));
    EXPECT_FALSE(os::FolderWritable(""));

    // A folder without write permission: unwritable unless this process may
    // write anyway (the superuser may), and the answer must agree with that.
    const bool enforced = folder.ReadOnlyIsEnforced();
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(os::FolderWritable(folder.Path().string()), !enforced);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all);
}

TEST(FoldersTest, CreatesMissingFoldersForTheOwnerOnly) {
    TempFolder folder;
    const std::string nested = folder.File("config/kestrany");
    ASSERT_TRUE(os::CreateFolderPath(nested));
    for (const std::string& made : {folder.File("config"), nested}) {
        struct stat info {};
        ASSERT_EQ(::stat(made.c_str(), &info), 0) << made;
        EXPECT_TRUE(S_ISDIR(info.st_mode)) << made;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
    }
    EXPECT_TRUE(os::CreateFolderPath(nested)) << "an existing folder is fine";

    TempFolder::Write(folder.File("plain"), "x");
    EXPECT_FALSE(os::CreateFolderPath(folder.File("plain"))) << "a file is not a folder";
    EXPECT_FALSE(os::CreateFolderPath(folder.File("plain/below")));
    EXPECT_FALSE(os::CreateFolderPath("/proc/self/kestrany"));
    EXPECT_FALSE(os::CreateFolderPath(""));
}

}  // namespace
