#pragma once
// The bytes of a fixed-length record file built in memory: record n (from 1) starts at byte
// (n - 1) x length, and every byte no field covers is a blank, as the records system leaves it.
#include <cstddef>
#include <string>
#include <string_view>

namespace vt::site {

class RecordImage {
  public:
    explicit RecordImage(std::size_t recordLength) : length_(recordLength) {}

    // Make sure records 1..count exist (blank when new).
    void Reserve(std::size_t count);
    // Put `value` at 1-based column `start` of record `n`, padded or cut to `width`; the file
    // grows with blank records up to n.
    void Put(std::size_t n, std::size_t start, std::size_t width, std::string_view value);

    const std::string& bytes() const { return bytes_; }

  private:
    std::size_t length_;
    std::string bytes_;
};

}  // namespace vt::site
