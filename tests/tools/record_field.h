#pragma once
// Reading expected fields out of written bytes by plain offset arithmetic, independent of the
// builder's own record helpers.
#include <cstddef>
#include <string>

namespace vt::site::test {

// Columns start..start+width-1 (1-based) of record n (1-based) of a file of recordLength-byte
// records.
inline std::string Field(const std::string& bytes, std::size_t recordLength, std::size_t n,
                         std::size_t start, std::size_t width) {
    return bytes.substr((n - 1) * recordLength + (start - 1), width);
}

}  // namespace vt::site::test
