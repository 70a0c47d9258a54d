#pragma once
// The lines the program tells on the error output while a capture lives.
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace vt::test {

class CapturedErrorOutput {
  public:
    CapturedErrorOutput() : old_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedErrorOutput() { std::cerr.rdbuf(old_); }
    CapturedErrorOutput(const CapturedErrorOutput&) = delete;
    CapturedErrorOutput& operator=(const CapturedErrorOutput&) = delete;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(text_.str());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

  private:
    std::ostringstream text_;
    std::streambuf* old_;
};

}  // namespace vt::test
