#pragma once
#include <string>
#include <string_view>

#include "app/app.h"

namespace vt {

// The first field of a comma-separated text: leading blanks skipped; a field in double
// quotation marks runs to the next mark (commas and line breaks included) and loses its marks,
// a doubled mark inside it standing for one; an unquoted field runs to the first comma or line
// end, trailing blanks dropped.
std::string ReadTextField(std::string_view text);

// Put the user-defined label's text into the simple window when its file exists.
void LoadUserLabel(App& app);

// Split the user-defined label's text ULabelText into the label lines UserLines.
void MakeU(App& app);

}  // namespace vt
