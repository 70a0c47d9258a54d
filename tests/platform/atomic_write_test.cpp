// Replacing a file whole: what a killed writer left behind goes, and the rename is made to last.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/drives.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

// The id of a process that has ended: nothing runs under it (until the system reuses it).
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(AtomicWrite, TemporaryFilesOfAKilledWriterGoAtTheNextWriteOfTheSameFile) {
    TempDir dir;
    const std::string ended = std::to_string(EndedProcess());
    const fs::path left = dir.path() / (".F.ZRB.tmp" + ended + "-4");
    const std::vector<fs::path> kept = {
        dir.path() / ".F.ZRB.tmp1-2",                // its writer still runs
        dir.path() / ".F.ZRB.tmpnotes",              // not one of ours
        dir.path() / (".Other.tmp" + ended + "-1"),  // another file's
    };
    WriteHostFile(left, "half a setup file");
    for (const fs::path& file : kept) WriteHostFile(file, "x");

    WriteFileAtomically(dir.path() / "F.ZRB", "setup");
    EXPECT_FALSE(fs::exists(left));
    for (const fs::path& file : kept) EXPECT_TRUE(fs::exists(file)) << file;
    EXPECT_EQ(ReadHostFile(dir.path() / "F.ZRB"), "setup");
}

// Run under strace by the test below: one replacement in the folder it names.
TEST(AtomicWrite, OneWriteForTheTrace) {
    const char* folder = std::getenv("VITTLON_TRACED_FOLDER");
    if (!folder) GTEST_SKIP() << "run by SyncsTheFolderAfterTheRename";
    WriteFileAtomically(fs::path(folder) / "Labelset.D1", "settings");
}

TEST(AtomicWrite, SyncsTheFolderAfterTheRename) {
    if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "no strace";
    TempDir dir;
    const fs::path log = dir.path() / "trace.log";
    std::ostringstream command;
    // LeakSanitizer cannot work under a tracer; the sanitizer build traces without it.
    command << "ASAN_OPTIONS=detect_leaks=0 VITTLON_TRACED_FOLDER=" << dir.path().string()
            << " strace -f -qq -e trace=openat,fsync,rename -o " << log.string() << " "
            << fs::read_symlink("/proc/self/exe").string()
            << " --gtest_filter=AtomicWrite.OneWriteForTheTrace >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.str().c_str()), 0);

    // After the rename onto the file, the folder is opened and that descriptor synced.
    const std::string trace = ReadHostFile(log);
    const std::size_t renamed = trace.find("Labelset.D1\")");
    ASSERT_NE(renamed, std::string::npos) << trace;
    std::smatch opened;
    const std::string after = trace.substr(renamed);
    const std::regex folderOpen("openat\\(AT_FDCWD, \"" + dir.path().string() +
                                "\", O_RDONLY\\|O_CLOEXEC\\|O_DIRECTORY\\) = (\\d+)");
    ASSERT_TRUE(std::regex_search(after, opened, folderOpen)) << after;
    const std::regex synced("fsync\\(" + opened[1].str() + "\\)\\s+= 0");
    EXPECT_TRUE(std::regex_search(after, synced)) << after;
}

}  // namespace
}  // namespace vt::test
