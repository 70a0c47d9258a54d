#include "platform/drives.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_error.h"
#include "support/scoped_env.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A drives folder with drive c: and, beside it, an "outside" folder that no path may reach.
class DrivesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() /
                ("vittlon-drives-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(base_);
        root_ = base_ / "drives";
        c_ = root_ / "c";
        fs::create_directories(c_);
        Put(c_ / "zel" / "setup" / "F.ZRB", "setup");
        Put(base_ / "outside" / "secret", "secret");
        Put(root_ / "secret", "beside the drives");
    }
    void TearDown() override { fs::remove_all(base_); }

    Drives drives() const { return Drives(root_); }

    fs::path base_, root_, c_;
};

TEST_F(DrivesTest, ComponentsMatchIgnoringCaseAndEitherSeparator) {
    const fs::path setup = c_ / "zel" / "setup" / "F.ZRB";
    EXPECT_EQ(drives().Resolve("c:\\zel\\setup\\F.ZRB"), setup);
    EXPECT_EQ(drives().Resolve("C:\\ZEL\\Setup\\f.zrb"), setup);
    EXPECT_EQ(drives().Resolve("c:/zel//setup/./F.ZRB"), setup);  // empty and "." skipped
    EXPECT_EQ(drives().Resolve("c:zel\\setup\\F.ZRB"), setup);    // no separator after c:
    EXPECT_EQ(drives().Resolve("c:\\"), c_);
    EXPECT_FALSE(drives().Resolve("c:\\zel\\setup\\F.ZRB "));  // trailing blank kept: a miss
    EXPECT_FALSE(drives().Resolve("d:\\zel\\setup\\F.ZRB"));   // no drive d
}

TEST_F(DrivesTest, ExactNameFirstThenFirstCaseInsensitiveMatchInSortedOrder) {
    Put(c_ / "Data" / "x", "upper");
    Put(c_ / "data" / "x", "lower");
    EXPECT_EQ(drives().Resolve("c:\\data\\x"), c_ / "data" / "x");  // exact
    EXPECT_EQ(drives().Resolve("c:\\Data\\x"), c_ / "Data" / "x");  // exact
    // No exact "DATA": "Data" sorts before "data" ('D' < 'd').
    EXPECT_EQ(drives().Resolve("c:\\DATA\\x"), c_ / "Data" / "x");
}

TEST_F(DrivesTest, DriveFolderIsMatchedIgnoringCaseToo) {
    fs::rename(c_, root_ / "C");
    EXPECT_EQ(drives().Resolve("c:\\zel"), root_ / "C" / "zel");
}

TEST_F(DrivesTest, PathsThatCouldLeaveTheDriveAreRefused) {
    Put(root_ / "x", "x beside the drive folders");
    Put(root_ / "etc" / "passwd", "not to be read");
    fs::create_directories(c_ / "a");
    const char* refused[] = {
        "c:..\\x",             // would be drives/x
        "c:\\..\\secret",      // would be drives/secret
        "c:\\a\\..\\..\\etc",  // would be drives/etc
        "c:\\zel\\..\\zel",    // harmless in effect, refused all the same
        "c:\\zel\\c:\\zel",    // a drive inside a path
        "{:\\x",               // '{' follows 'z' but is no drive letter
        "~:\\x",
        "1:\\x",
        "\\zel\\setup",  // no drive at all
        "zel",
        "",
        "c",
    };
    for (const char* path : refused) {
        EXPECT_FALSE(drives().Resolve(path)) << path;
        EXPECT_FALSE(drives().Target(path)) << path;
    }
    const std::string withNul("c:\\zel\0\\x", 9);
    EXPECT_FALSE(drives().Target(withNul));
}

TEST_F(DrivesTest, TargetNeedsEveryFolderButNotTheFile) {
    EXPECT_EQ(drives().Target("c:\\ZEL\\setup\\New.Txt"), c_ / "zel" / "setup" / "New.Txt");
    EXPECT_EQ(drives().Target("c:\\zel\\SETUP\\f.zrb"), c_ / "zel" / "setup" / "F.ZRB");
    EXPECT_FALSE(drives().Target("c:\\zel\\nofolder\\New.Txt"));
    EXPECT_FALSE(drives().Target("c:\\zel\\setup\\F.ZRB\\below"));  // a file is no folder
}

// The drive folder may be a symlink: that is how the records system's share is mounted. A
// symlink inside a drive is followed only while it stays inside that drive.
TEST_F(DrivesTest, SymlinksAreFollowedOnlyWithinTheDrive) {
    fs::create_directories(base_ / "share" / "zel");
    Put(base_ / "share" / "zel" / "f.zrb", "shared");
    fs::create_directory_symlink(base_ / "share", root_ / "s");
    EXPECT_EQ(drives().Resolve("s:\\zel\\F.ZRB"), root_ / "s" / "zel" / "f.zrb");

    fs::create_directory_symlink(base_ / "outside", c_ / "escape");
    EXPECT_FALSE(drives().Resolve("c:\\escape\\secret"));
    EXPECT_FALSE(drives().Target("c:\\escape\\new"));
    EXPECT_FALSE(drives().FileExists("c:\\escape\\secret"));

    fs::create_symlink(base_ / "outside" / "secret", c_ / "link");
    EXPECT_FALSE(drives().Resolve("c:\\link"));
    EXPECT_THROW(drives().WriteWhole("c:\\link", "overwritten"), FileError);
    EXPECT_EQ(Slurp(base_ / "outside" / "secret"), "secret");

    fs::create_symlink(base_ / "nowhere", c_ / "dangling");
    EXPECT_FALSE(drives().Target("c:\\dangling"));

    fs::create_directory_symlink(c_ / "zel", c_ / "alias");
    EXPECT_TRUE(drives().FileExists("c:\\alias\\setup\\F.ZRB"));
}

using test::ScopedEnv;

TEST_F(DrivesTest, DefaultRootFollowsTheEnvironment) {
    const ScopedEnv home("HOME", base_.string());
    {
        const ScopedEnv set("VITTLON_DRIVES", "/srv/drives");
        EXPECT_EQ(Drives::DefaultRoot(), fs::path("/srv/drives"));
    }
    const ScopedEnv empty("VITTLON_DRIVES", "");  // set but empty counts as unset
    EXPECT_EQ(Drives::DefaultRoot(), base_ / ".local/share/vittlon/drives");
}

TEST_F(DrivesTest, FileQueriesTellFilesFromFolders) {
    EXPECT_TRUE(drives().FileExists("c:\\zel\\setup\\f.zrb"));
    EXPECT_FALSE(drives().FileExists("c:\\zel\\setup"));
    EXPECT_TRUE(drives().FolderExists("c:\\zel\\setup"));
    EXPECT_FALSE(drives().FolderExists("c:\\zel\\setup\\f.zrb"));
    EXPECT_EQ(drives().FileLength("c:\\zel\\setup\\f.zrb"), 5u);
    EXPECT_FALSE(drives().FileLength("c:\\zel\\setup"));
    EXPECT_FALSE(drives().FileLength("c:\\zel\\none"));
}

TEST_F(DrivesTest, DeleteRemovesFilesButNeverFolders) {
    EXPECT_FALSE(drives().Delete("c:\\zel\\setup"));
    EXPECT_TRUE(fs::exists(c_ / "zel" / "setup"));
    EXPECT_TRUE(drives().Delete("c:\\ZEL\\SETUP\\F.ZRB"));
    EXPECT_FALSE(fs::exists(c_ / "zel" / "setup" / "F.ZRB"));
    EXPECT_FALSE(drives().Delete("c:\\zel\\setup\\F.ZRB"));
}

TEST_F(DrivesTest, WriteWholeReplacesAndLeavesNoTemporaryFile) {
    drives().WriteWhole("c:\\zel\\setup\\F.ZRB", "new content");
    drives().WriteWhole("c:\\zel\\setup\\Other.txt", "other");
    EXPECT_EQ(Slurp(c_ / "zel" / "setup" / "F.ZRB"), "new content");
    EXPECT_EQ(drives().ReadWhole("c:\\zel\\setup\\other.TXT"), "other");
    EXPECT_EQ(Names(c_ / "zel" / "setup"), (std::vector<std::string>{"F.ZRB", "Other.txt"}));
}

TEST_F(DrivesTest, WriteWholeKeepsPermissionsAndWritesThroughSymlinks) {
    fs::permissions(c_ / "zel" / "setup" / "F.ZRB", fs::perms(0640));
    fs::create_symlink(c_ / "zel" / "setup" / "F.ZRB", c_ / "zel" / "link");
    drives().WriteWhole("c:\\zel\\link", "through the link");
    EXPECT_TRUE(fs::is_symlink(c_ / "zel" / "link"));
    EXPECT_EQ(Slurp(c_ / "zel" / "setup" / "F.ZRB"), "through the link");
    EXPECT_EQ(fs::status(c_ / "zel" / "setup" / "F.ZRB").permissions(), fs::perms(0640));
}

TEST_F(DrivesTest, FailedWritesNameTheWindowsPath) {
    try {
        drives().WriteWhole("c:\\zel\\missing\\F.TXT", "x");
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("c:\\zel\\missing\\F.TXT"), std::string::npos);
    }
    try {
        drives().ReadWhole("c:\\zel\\none.txt");
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("c:\\zel\\none.txt"), std::string::npos);
    }
}

// A write that fails halfway (here the file size limit, which also holds for root) leaves the
// old content and no temporary file behind.
TEST_F(DrivesTest, OldContentSurvivesAWriteThatFailsHalfway) {
    const fs::path file = c_ / "zel" / "setup" / "F.ZRB";
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1 << 20;
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of a signal
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(drives().WriteWhole("c:\\zel\\setup\\F.ZRB", std::string(2 << 20, 'x')),
                 FileError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(Slurp(file), "setup");
    EXPECT_EQ(Names(file.parent_path()), std::vector<std::string>{"F.ZRB"});
}

TEST_F(DrivesTest, CopyReplacesTheTargetWhole) {
    Put(c_ / "pics" / "old.jpg", "a much longer old picture");
    Put(c_ / "pics" / "new.jpg", "new");
    drives().Copy("c:\\pics\\NEW.JPG", "c:\\pics\\old.jpg");
    EXPECT_EQ(Slurp(c_ / "pics" / "old.jpg"), "new");
    drives().Copy("c:\\pics\\new.jpg", "c:\\pics\\copy.jpg");
    EXPECT_EQ(Slurp(c_ / "pics" / "copy.jpg"), "new");
    EXPECT_THROW(drives().Copy("c:\\pics\\none.jpg", "c:\\pics\\x.jpg"), FileError);
    EXPECT_FALSE(fs::exists(c_ / "pics" / "x.jpg"));
}

TEST_F(DrivesTest, WholeReadsRefuseAFileLongerThanTheCapAsDamage) {
    const fs::path file = c_ / "zel" / "setup" / "F.ZRB";
    fs::resize_file(file, kMaxDataFileBytes);
    EXPECT_EQ(drives().ReadWhole("c:\\zel\\setup\\F.ZRB").size(), kMaxDataFileBytes);
    fs::resize_file(file, kMaxDataFileBytes + 1);
    try {
        drives().ReadWhole("c:\\zel\\setup\\F.ZRB");
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.file(), "c:\\zel\\setup\\F.ZRB");
        EXPECT_EQ(error.reason(), "File too large");
    }
    EXPECT_THROW(drives().Copy("c:\\zel\\setup\\F.ZRB", "c:\\zel\\copy"), FileError);
    EXPECT_FALSE(fs::exists(c_ / "zel" / "copy"));
    EXPECT_EQ(drives().ReadWhole("c:\\zel\\setup\\F.ZRB", kMaxPictureFileBytes).size(),
              kMaxDataFileBytes + 1);
}

TEST(HostFileRead, WhatNeverEndsIsReadOnlyOneBytePastTheCap) {
    // A device tells no length, as a file that grows while it is read outgrows the one it told.
    const HostFileContent content = ReadHostFileUpTo("/dev/zero", 1000);
    EXPECT_EQ(content.failure, HostFileContent::Failure::TooLarge);
}

}  // namespace
}  // namespace vt
