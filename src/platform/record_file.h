#pragma once
// A file of fixed-length records of single-byte characters. Record n (from 1) starts at byte
// (n - 1) x length. A record at or past the end reads as blanks (a partial record is padded
// with blanks); writing past the end pads the gap with blanks.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/drives.h"

namespace vt {

class RecordFile {
  public:
    enum class Mode {
        Read,       // the file must exist
        ReadWrite,  // created, empty, when missing
    };

    // Throws FileError when the path is refused, the file is missing (Read: MissingFile) or cannot
    // be opened, and when a file opened for reading is longer than kMaxDataFileBytes (damaged).
    RecordFile(const Drives& drives, std::string_view winPath, std::size_t recordLength,
               Mode mode = Mode::ReadWrite);
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    std::size_t recordLength() const { return length_; }
    std::uintmax_t SizeBytes();
    // Records in the file, a partial last one included.
    std::uint64_t RecordCount();

    // Record n (from 1), exactly recordLength() characters. n < 1 throws FileError.
    std::string Read(std::uint64_t n);
    // Write record n, `data` padded with blanks or cut to the record length.
    void Write(std::uint64_t n, std::string_view data);

  private:
    std::string name_;
    std::size_t length_;
    bool writable_;
    std::fstream file_;
    // A file opened for reading is read whole at once (the data files are small): each record
    // then costs no system call.
    std::optional<std::string> content_;
};

}  // namespace vt
