// The private folder for plain picture copies: what counts as private, where it is made, and
// that it goes with its owner. The tests run as root, so they can hand a folder to another user.
#include "platform/private_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/file_error.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

constexpr uid_t kSomeoneElse = 65534;

fs::path MakeFolder(const fs::path& path, fs::perms perms) {
    fs::create_directory(path);
    fs::permissions(path, perms);
    return path;
}

TEST(PrivateFolder, OnlyThisUsersOwnFolderClosedToOthersIsPrivate) {
    TempDir dir;
    const fs::path own = MakeFolder(dir.path() / "own", fs::perms::owner_all);
    EXPECT_TRUE(IsPrivateFolder(own));
    EXPECT_FALSE(IsPrivateFolder(
        MakeFolder(dir.path() / "g", fs::perms::owner_all | fs::perms::group_read)));
    EXPECT_FALSE(IsPrivateFolder(
        MakeFolder(dir.path() / "o", fs::perms::owner_all | fs::perms::others_exec)));
    fs::create_directory_symlink(own, dir.path() / "link");
    EXPECT_FALSE(IsPrivateFolder(dir.path() / "link"));

    const fs::path foreign = MakeFolder(dir.path() / "foreign", fs::perms::owner_all);
    ASSERT_EQ(::chown(foreign.c_str(), kSomeoneElse, kSomeoneElse), 0);
    EXPECT_FALSE(IsPrivateFolder(foreign));
    // Root could write there: only the check keeps a copy out.
    EXPECT_THROW(WritePrivateFile(foreign / "copy", "picture"), FileError);
    EXPECT_FALSE(fs::exists(foreign / "copy"));
}

TEST(PrivateFolder, IsMadeInTheRuntimeFolderOnlyWhenThatIsPrivateAndGoesWithItsOwner) {
    TempDir dir;
    const fs::path runtime = MakeFolder(dir.path() / "runtime", fs::perms::owner_all);
    const fs::path temporary = MakeFolder(dir.path() / "tmp", fs::perms::all);
    const ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", runtime.string());
    const ScopedEnv temporaryEnv("TMPDIR", temporary.string());
    fs::path made;
    {
        const PrivateFolder folder("copies-");
        made = folder.path();
        EXPECT_EQ(made.parent_path(), runtime);
        EXPECT_TRUE(IsPrivateFolder(made));
        WritePrivateFile(made / "copy", "picture");
    }
    EXPECT_FALSE(fs::exists(made));

    ASSERT_EQ(::chown(runtime.c_str(), kSomeoneElse, kSomeoneElse), 0);
    const PrivateFolder folder("copies-");
    EXPECT_EQ(folder.path().parent_path(), temporary);
}

// A folder of a program that was killed holds no lock: the next start removes it, and leaves
// those of running programs and other accounts.
TEST(PrivateFolder, OnlyFoldersNoProgramHoldsAreRemovedAsStale) {
    TempDir dir;
    const fs::path runtime = MakeFolder(dir.path() / "runtime", fs::perms::owner_all);
    const ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", runtime.string());
    const PrivateFolder running("copies-");
    const fs::path stale = MakeFolder(runtime / "copies-Ab12Cd", fs::perms::owner_all);
    WriteHostFile(stale / "copy", "picture");
    const fs::path foreign = MakeFolder(runtime / "copies-Zz99Yy", fs::perms::all);
    ASSERT_EQ(::chown(foreign.c_str(), kSomeoneElse, kSomeoneElse), 0);
    const fs::path other = MakeFolder(runtime / "copies-of-my-own", fs::perms::owner_all);
    RemoveStalePrivateFolders("copies-");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(running.path()));
    EXPECT_TRUE(fs::exists(foreign));
    EXPECT_TRUE(fs::exists(other));
}

}  // namespace
}  // namespace vt::test
