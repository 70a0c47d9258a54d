#pragma once
#include <stdexcept>
#include <string>

namespace vt {

// A file that cannot be found, opened, read or written. The message names the file.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace vt
