#pragma once
// Print Snack Menu: the week's snack list on one landscape letter page, its first 56 lines as
// the file holds them, borders and rules included.
#include <string>

#include "app/app.h"

namespace vt {

// Save the editor's text, then print the open snack list on the current printer.
void Command5_Click(App& app);

// A menu line of 164 characters shortened to the 156 that an inkjet printer's page holds: the
// Saturday cell loses its last eight characters and keeps its right border. On the heading
// line 3 four of them are taken from in front of the centred day name instead, so that
// "SATURDAY" stays whole.
std::string InkjetMenuLine(const std::string& line, int lineNo);

}  // namespace vt
