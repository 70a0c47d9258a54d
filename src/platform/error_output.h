#pragma once
// Lines for whoever looks after the station. An operator never sees the error output: what is
// told there is what the window goes on without.
#include <string>

namespace vt {

// One line "Vittlon: <text>" on the error output; the text is Windows-1252, as the data files
// hold it.
void TellErrorOutput(const std::string& text);

}  // namespace vt
