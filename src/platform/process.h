#pragma once
#include <cstdint>
#include <string>

namespace vt {

// Run a command line and wait, without time limit, for it to end. Returns the exit code, or
// -1 when the process could not be started or did not end normally.
std::int32_t ExecCmd(const std::string& cmdline);

}  // namespace vt
