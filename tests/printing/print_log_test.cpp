// The print log: one 3-character date entry per printed run, its copies and its backup.
#include "printing/print_log.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/station_fixture.h"

namespace vt::test {
namespace {

struct LogFixture : StationFixture {
    std::string logPath = layout.SetupPath("L1");
    std::string unit1 = layout.UnitPath(1);
    std::string backup = layout.Path(35, "\\misc\\v1.1");

    LogFixture() { app->st.StationDates(1) = "12-08-26"; }
    void Log() { LogP(*app); }
    std::string Record(const std::string& path, std::size_t n) {
        return Bytes(path).substr((n - 1) * 122, 122);
    }
};

// Month 12, day 8, year 26: the characters of 12 + 33, 8 + 33 and 26 + 33.
const std::string kEntry = {char(45), char(41), char(59)};

TEST(PrintLog, TheFirstRunOfAStationStartsTheLog) {
    LogFixture f;
    f.Log();
    const std::string line = kEntry + std::string(117, ' ') + "\r\n";
    EXPECT_EQ(f.Bytes(f.logPath), line);
    EXPECT_EQ(f.Record(f.unit1, 903), line);
    EXPECT_EQ(f.Record(f.unit1, 904), line);
    EXPECT_EQ(f.Bytes(f.backup), line);
}

TEST(PrintLog, EntriesFollowEachOtherAndTheFortyFirstStartsANewLine) {
    LogFixture f;
    for (int i = 0; i < 41; ++i) f.Log();
    const std::string bytes = f.Bytes(f.logPath);
    ASSERT_EQ(bytes.size(), 2u * 122u);
    std::string full;
    for (int i = 0; i < 40; ++i) full += kEntry;
    EXPECT_EQ(bytes.substr(0, 122), full + "\r\n");
    EXPECT_EQ(bytes.substr(122), kEntry + std::string(117, ' ') + "\r\n");
    EXPECT_EQ(f.Record(f.unit1, 903), full + "\r\n");  // the log's first line
    EXPECT_EQ(f.Record(f.unit1, 904), bytes.substr(122));
}

TEST(PrintLog, ALongerBackupOfAShortenedLogIsKept) {
    LogFixture f;
    for (int i = 0; i < 45; ++i) f.Log();
    const std::string longBackup = f.Bytes(f.backup);
    WriteHostFile(f.Host(f.logPath), "");  // the log was replaced by an empty one
    f.Log();
    EXPECT_EQ(f.Bytes(f.backup), longBackup);
    EXPECT_EQ(f.Bytes(f.logPath).size(), 122u);
}

TEST(PrintLog, DatePartsOutOfRangeAreWrittenAsExclamationMarks) {
    LogFixture f;
    f.app->st.StationDates(1) = "13-32-xx";
    f.Log();
    EXPECT_EQ(f.Bytes(f.logPath).substr(0, 3), "!!!");
}

TEST(PrintLog, ALineThatIsNoLogLineIsReplacedByAFreshOne) {
    LogFixture f;
    WriteHostFile(f.Host(f.logPath), std::string(122, 'x'));
    f.Log();
    EXPECT_EQ(f.Bytes(f.logPath), kEntry + std::string(117, ' ') + "\r\n");
}

TEST(PrintLog, PreviewsAreNotLoggedAndFailuresAreSilent) {
    LogFixture f;
    f.app->st.PreviewMode = 1;
    f.Log();
    EXPECT_FALSE(f.tp.drives.FileExists(f.logPath));

    LogFixture broken;
    std::filesystem::remove_all(broken.Host("c:\\zel\\setup"));
    broken.Log();
    EXPECT_TRUE(broken.tp.dialogs.asked.empty());
}

}  // namespace
}  // namespace vt::test

namespace vt::test {
namespace {

// Another run (a second station) holds the log for its read-modify-write while this run logs:
// this one waits for it and adds its entry after the other's, in the log and in the unit
// file's copies. The other run is a child process, as fcntl locks are a process's.
TEST(PrintLog, ARunWaitsForAnotherRunsEntryAndKeepsIt) {
    LogFixture f;
    const std::filesystem::path log = f.Host(f.logPath);
    const std::filesystem::path locked = f.tp.root() / "locked";
    const std::string other = std::string(",(;") + std::string(117, ' ') + "\r\n";  // 11-07-26
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(log.c_str(), O_RDWR | O_CREAT, 0666);
        struct flock all = {};
        all.l_type = F_WRLCK;
        all.l_whence = SEEK_SET;
        if (fd < 0 || ::fcntl(fd, F_SETLKW, &all) != 0) ::_exit(1);
        ::close(::open(locked.c_str(), O_WRONLY | O_CREAT, 0600));
        ::sleep(1);  // a slow share: the other run's write is held up
        const bool written = ::pwrite(fd, other.data(), other.size(), 0) == ssize_t(other.size());
        ::_exit(written ? 0 : 1);
    }
    while (!std::filesystem::exists(locked))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    f.Log();
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_EQ(status, 0);
    const std::string both = ",(;" + kEntry + std::string(114, ' ') + "\r\n";
    EXPECT_EQ(f.Bytes(f.logPath), both);
    EXPECT_EQ(f.Record(f.unit1, 904), both);
}

}  // namespace
}  // namespace vt::test
