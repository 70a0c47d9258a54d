// Kept file contents are served only while the file is in the state it was read in.
#include "platform/stamp_cache.h"

#include <gtest/gtest.h>

#include "platform/drives.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

// Put other bytes of the same length in place of a file, with its old modification time: as a
// copy tool that keeps times does, within the same second.
void ReplaceKeepingSizeAndTime(const fs::path& file, const std::string& bytes) {
    const fs::file_time_type modified = fs::last_write_time(file);
    const fs::path copy = file.string() + ".new";
    WriteHostFile(copy, bytes);
    fs::last_write_time(copy, modified);
    fs::rename(copy, file);
}

TEST(StampCache, AValueIsServedWhileItsFileKeepsItsStamp) {
    TempDir dir;
    const fs::path file = dir.path() / "dining.D1";
    WriteHostFile(file, "AAAA");
    StampCache<std::string> cache(4);
    cache.Keep("dining", *StampOf(file), "AAAA");
    ASSERT_NE(cache.Find("dining", *StampOf(file)), nullptr);
    EXPECT_EQ(*cache.Find("dining", *StampOf(file)), "AAAA");

    ReplaceKeepingSizeAndTime(file, "BBBB");
    EXPECT_EQ(cache.Find("dining", *StampOf(file)), nullptr) << "replaced: read again";
    EXPECT_EQ(cache.size(), 0u) << "the old state's entry is gone";
}

TEST(StampCache, TheLeastRecentlyUsedGoesWhenFull) {
    TempDir dir;
    WriteHostFile(dir.path() / "f", "x");
    const FileStamp stamp = *StampOf(dir.path() / "f");
    StampCache<int> cache(2);
    cache.Keep("a", stamp, 1);
    cache.Keep("b", stamp, 2);
    cache.Find("a", stamp);
    cache.Keep("c", stamp, 3);
    EXPECT_NE(cache.Find("a", stamp), nullptr);
    EXPECT_EQ(cache.Find("b", stamp), nullptr);
    EXPECT_NE(cache.Find("c", stamp), nullptr);
}

TEST(StampCache, ACaseInsensitiveLookupSeesAFolderReplacedAtOnce) {
    TempDir dir;
    Drives drives(dir.path());
    WriteHostFile(dir.path() / "c" / "zel" / "Dining.D1", "old");
    // A folder last changed an hour ago (a server's clock may lag as much).
    const fs::file_time_type modified = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(dir.path() / "c" / "zel", modified);
    ASSERT_TRUE(drives.FileExists("c:\\zel\\DINING.D1"));  // listed and kept
    // The folder is replaced by another whose file has another name, with the same times.
    fs::rename(dir.path() / "c" / "zel", dir.path() / "c" / "old");
    WriteHostFile(dir.path() / "c" / "zel" / "Menu.D1", "new");
    fs::last_write_time(dir.path() / "c" / "zel", modified);
    EXPECT_FALSE(drives.FileExists("c:\\zel\\DINING.D1"));
    EXPECT_TRUE(drives.FileExists("c:\\zel\\MENU.D1"));
}

TEST(StampCache, AFolderTurnedIntoALinkOutOfTheDriveIsRefusedAtOnce) {
    TempDir dir;
    Drives drives(dir.path() / "drives");
    WriteHostFile(dir.path() / "drives" / "c" / "zel" / "setup" / "F.ZRB", "inside");
    ASSERT_TRUE(drives.Resolve("c:\\zel\\setup\\F.ZRB"));
    // Right after that lookup, the folder becomes a link to a tree outside the drive.
    WriteHostFile(dir.path() / "elsewhere" / "setup" / "F.ZRB", "outside");
    fs::remove_all(dir.path() / "drives" / "c" / "zel");
    fs::create_directory_symlink(dir.path() / "elsewhere", dir.path() / "drives" / "c" / "zel");
    EXPECT_FALSE(drives.Resolve("c:\\zel\\setup\\F.ZRB"));
}

}  // namespace
}  // namespace vt::test
