#pragma once
// A fixed-length record file held whole in memory: record n (from 1) starts at byte
// (n - 1) x length, and every byte no field covers is a blank. Files that are changed and then
// replaced whole (so that a failure never leaves half a file) go through this, as do the
// fixture files the site builder writes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/drives.h"

namespace vt {

class RecordImage {
  public:
    explicit RecordImage(std::size_t recordLength, std::string bytes = {});

    // The whole file; no records when it is missing. Throws FileError when the path is refused
    // or the file cannot be read.
    static RecordImage Load(const Drives& drives, std::string_view winPath,
                            std::size_t recordLength);
    // Replace the file whole, through a temporary file and a rename. A file loaded with Load
    // and not changed since is not written again. Throws FileError.
    void Save(const Drives& drives, std::string_view winPath) const;

    // Make sure records 1..count exist (blank when new).
    void Reserve(std::size_t count);
    // Record n, exactly recordLength() characters: blanks past the end, a partial record
    // padded with blanks.
    std::string Read(std::size_t n) const;
    // Replace record n, `record` padded with blanks or cut to the record length; the file grows
    // with blank records up to n.
    void Write(std::size_t n, std::string_view record);
    // Put `value` at 1-based column `start` of record `n`, padded or cut to `width`. A field
    // outside its record throws std::out_of_range (it would land in the next record).
    void Put(std::size_t n, std::size_t start, std::size_t width, std::string_view value);

    std::size_t recordLength() const { return length_; }
    // Records in the file, a partial last one included.
    std::size_t recordCount() const { return (bytes_.size() + length_ - 1) / length_; }
    const std::string& bytes() const { return bytes_; }

  private:
    std::size_t length_;
    std::string bytes_;
    std::optional<std::string> loaded_;  // the file's bytes as Load found them
};

}  // namespace vt
