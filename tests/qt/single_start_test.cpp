// One windowed program per drives folder: a later start asks the first for its windows and
// ends; another drives folder, or a first program that was killed, does not keep it out.
#include "platform/qt/single_start.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTest>
#include <cstring>
#include <memory>

#include "support/scoped_env.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

// What a killed program leaves at `path`: a socket file nobody listens on.
void LeaveDeadSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST(SingleStart, ALaterStartForTheSameFolderHandsOverAndEnds) {
    TempDir runtime;
    ScopedEnv session("XDG_RUNTIME_DIR", runtime.path().string());
    TempDir drives;
    fs::create_directories(drives.path() / "one");
    fs::create_directories(drives.path() / "two");

    auto first = std::make_unique<SingleStart>(drives.path() / "one");
    ASSERT_FALSE(first->HandedOver());
    int shown = 0;
    first->OnShowRequest([&shown] { ++shown; });
    {
        // The same folder written another way.
        const SingleStart second(drives.path() / "two" / ".." / "one");
        EXPECT_TRUE(second.HandedOver());
        EXPECT_TRUE(second.FirstAnswered());
        const SingleStart other(drives.path() / "two");
        EXPECT_FALSE(other.HandedOver()) << "another drives folder is another program";
    }
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown == 1; }, 5000));

    first.reset();
    for (const auto& entry : fs::directory_iterator(runtime.path())) {
        if (entry.path().extension() == ".socket") fs::remove(entry.path());
    }
    for (const auto& entry : fs::directory_iterator(runtime.path())) {
        if (entry.path().extension() == ".lock") {
            LeaveDeadSocket(fs::path(entry.path()).replace_extension(".socket"));
        }
    }
    const SingleStart next(drives.path() / "one");
    EXPECT_FALSE(next.HandedOver()) << "the lock went with the first program";
    const SingleStart after(drives.path() / "one");
    EXPECT_TRUE(after.HandedOver());
    EXPECT_TRUE(after.FirstAnswered()) << "the dead socket was replaced by a listening one";
}

}  // namespace
}  // namespace vt::test
