#pragma once
#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

#include "platform/codepage.h"

namespace vt {

// A file name of this system as the program's text, for a message: names are UTF-8 by custom;
// a byte that is not shows as '?'.
inline std::string ShownPath(const std::filesystem::path& path) {
    return FromUtf8(path.string());
}

// The system's words for an error number ("Permission denied"); a call that failed without
// leaving one (a stream can) is told as an I/O error.
inline std::string SystemReason(int error = errno) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

// A file that cannot be found, opened, read or written. The message names the file.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    // A system call on `file` failed: the message reads "cannot open c:\zel\F.ZRB: Permission
    // denied", and the file and the system's reason stay at hand on their own.
    FileError(const std::string& action, std::string file, std::string reason)
        : std::runtime_error(action + " " + file + ": " + reason),
          file_(std::move(file)),
          reason_(std::move(reason)) {}

    // The file and the system's reason; both empty for an error made from one message.
    const std::string& file() const { return file_; }
    const std::string& reason() const { return reason_; }

  private:
    std::string file_;
    std::string reason_;
};

// A file that is not there, also one that went missing between the lookup and the opening (the
// records system deletes some files and writes them anew).
class MissingFile : public FileError {
  public:
    using FileError::FileError;
};

}  // namespace vt
