#pragma once
// A resident's picture that is there but cannot be read, unprotected or decoded: the label goes
// without it, as without a missing picture, and whoever looks after the station is told.
#include <string>

#include "app/app.h"
#include "platform/file_error.h"

namespace vt {

// One line "picture <file> left out: <reason>" on the error output, for the stored picture
// `picture`. A picture is told once for each reason, however many labels, previews and runs
// come by it.
void TellPictureLeftOut(const App& app, const std::string& picture, const FileError& error);

}  // namespace vt
