#include "platform/error_output.h"

#include <iostream>

#include "platform/codepage.h"

namespace vt {

void TellErrorOutput(const std::string& text) {
    std::cerr << "Vittlon: " << ToUtf8(text) << '\n';
}

}  // namespace vt
