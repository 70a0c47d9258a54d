#include "platform/process.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vt {
namespace {

TEST(ExecCmd, ReturnsTheExitCode) {
    EXPECT_EQ(ExecCmd("exit 3"), 3);
    EXPECT_EQ(ExecCmd("true"), 0);
    EXPECT_EQ(ExecCmd("exit 300"), 44);  // exit codes are one byte: 300 mod 256
}

TEST(ExecCmd, AProcessEndedBySignalGivesMinusOne) {
    EXPECT_EQ(ExecCmd("kill -9 $$"), -1);
}

TEST(ExecCmd, RunsTheWholeLineThroughTheShell) {
    const std::filesystem::path out =
        std::filesystem::temp_directory_path() / ("vittlon-exec-" + std::to_string(::getpid()));
    EXPECT_EQ(ExecCmd("printf '%s' \"a b\" > '" + out.string() + "' && exit 7"), 7);
    std::ifstream in(out);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "a b");
    std::filesystem::remove(out);
}

}  // namespace
}  // namespace vt
