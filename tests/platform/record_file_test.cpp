#include "platform/record_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "platform/file_error.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

class RecordFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("vittlon-records-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "c" / "setup");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path File(const char* name) const { return root_ / "c" / "setup" / name; }
    void Put(const char* name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Slurp(const char* name) const {
        std::ifstream in(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path root_;
};

TEST_F(RecordFileTest, ReadingAMissingFileThrowsAndCreatesNothing) {
    const Drives drives(root_);
    EXPECT_THROW(RecordFile(drives, "c:\\setup\\none.x", 10, RecordFile::Mode::Read), MissingFile);
    EXPECT_FALSE(fs::exists(File("none.x")));
}

TEST_F(RecordFileTest, ReadWriteCreatesAMissingFileEmptyButNeedsItsFolder) {
    const Drives drives(root_);
    RecordFile file(drives, "c:\\SETUP\\New.x", 10);
    EXPECT_EQ(file.SizeBytes(), 0u);
    EXPECT_TRUE(fs::exists(File("New.x")));
    EXPECT_THROW(RecordFile(drives, "c:\\nofolder\\New.x", 10), FileError);
    EXPECT_THROW(RecordFile(drives, "c:\\..\\New.x", 10), FileError);
}

TEST_F(RecordFileTest, OpeningForReadWriteKeepsTheContent) {
    Put("a.x", "AAAABBBB");
    const Drives drives(root_);
    RecordFile file(drives, "c:\\setup\\a.x", 4);
    EXPECT_EQ(file.Read(2), "BBBB");
}

TEST_F(RecordFileTest, RecordsPastTheEndReadAsBlanksAndAPartialOneIsPadded) {
    Put("a.x", "AAAABB");
    const Drives drives(root_);
    RecordFile file(drives, "c:\\setup\\a.x", 4, RecordFile::Mode::Read);
    EXPECT_EQ(file.RecordCount(), 2u);  // the partial record counts
    EXPECT_EQ(file.Read(1), "AAAA");
    EXPECT_EQ(file.Read(2), "BB  ");
    EXPECT_EQ(file.Read(3), "    ");
    EXPECT_EQ(file.Read(1), "AAAA");  // reading on after the end still works
    EXPECT_EQ(file.Read(std::numeric_limits<std::uint64_t>::max()), "    ");
    EXPECT_THROW(file.Read(0), FileError);
}

TEST_F(RecordFileTest, WritingPastTheEndPadsTheGapWithBlanks) {
    Put("a.x", "AAAAB");
    const Drives drives(root_);
    {
        RecordFile file(drives, "c:\\setup\\a.x", 4);
        file.Write(4, "DDDDDD");  // cut to the record length
        file.Write(2, "b");       // padded, overwrites the partial record
        EXPECT_EQ(file.Read(4), "DDDD");
    }
    // Record 2 is "b" and three blanks, record 3 the padded gap.
    EXPECT_EQ(Slurp("a.x"),
              "AAAA"
              "b   "
              "    "
              "DDDD");
}

TEST_F(RecordFileTest, WritesFarBeyondTheEndAreRefused) {
    Put("a.x", "AAAA");
    const Drives drives(root_);
    RecordFile file(drives, "c:\\setup\\a.x", 100);
    EXPECT_THROW(file.Write(1'000'000, "x"), FileError);  // would pad 100 MB of blanks
    EXPECT_THROW(file.Write(std::numeric_limits<std::uint64_t>::max(), "x"), FileError);
    EXPECT_THROW(file.Write(0, "x"), FileError);
    EXPECT_EQ(file.SizeBytes(), 4u);
    file.Write(1000, "far but sound");  // 100 KB: a data file may be that large
    EXPECT_EQ(file.SizeBytes(), 100'000u);
    EXPECT_EQ(file.Read(999), std::string(100, ' '));
}

TEST_F(RecordFileTest, AFileForReadingLongerThanTheCapIsRefusedAsDamaged) {
    Put("a.x", "AAAA");
    fs::resize_file(File("a.x"), kMaxDataFileBytes);
    const Drives drives(root_);
    EXPECT_EQ(RecordFile(drives, "c:\\setup\\a.x", 4, RecordFile::Mode::Read).Read(1), "AAAA");
    fs::resize_file(File("a.x"), kMaxDataFileBytes + 1);
    EXPECT_THROW(RecordFile(drives, "c:\\setup\\a.x", 4, RecordFile::Mode::Read), FileError);
}

TEST_F(RecordFileTest, AFileOpenedForReadingCannotBeWritten) {
    Put("a.x", "AAAA");
    const Drives drives(root_);
    RecordFile file(drives, "c:\\setup\\a.x", 4, RecordFile::Mode::Read);
    EXPECT_THROW(file.Write(1, "BBBB"), FileError);
    EXPECT_EQ(Slurp("a.x"), "AAAA");
}

TEST_F(RecordFileTest, ErrorsNameTheWindowsPath) {
    const Drives drives(root_);
    try {
        RecordFile file(drives, "c:\\setup\\none.x", 4, RecordFile::Mode::Read);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("c:\\setup\\none.x"), std::string::npos);
    }
}

}  // namespace
}  // namespace vt
