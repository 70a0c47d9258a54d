#pragma once
// The rule for a text file that several stations edit (the week's snack list, the user-label
// text): it is written only when its text was changed here, and a file that changed on disk
// since it was loaded or saved here is never replaced silently. The operator chooses which
// text the file keeps; the other one goes to a recovery copy in the user's state folder
// ("recovery"), which a message names. Nothing is lost either way.
#include <functional>
#include <optional>
#include <string>

#include "app/app.h"

namespace vt {

// The file's stamp now; nullopt when it is missing or refused.
std::optional<FileStamp> StampNow(App& app, const std::string& winPath);

// The text as just read from the file, with the stamp taken before reading (a change during
// the read then shows as a change on disk).
void NoteLoaded(SharedText& kept, std::string text, std::optional<FileStamp> stampBefore);

enum class SharedSave {
    Unchanged,   // the text is as loaded or saved here: nothing was written
    Saved,       // the file holds the text now
    TheirsKept,  // the file's own text stays (the operator's choice); `theirs` holds it
};

// Saves `text` as `bytes` over the file by the rule above. `what` names the text in the
// messages ("The snack list"); `textOf` reads the text out of the file's bytes. Throws
// FileError when the file or a needed recovery copy cannot be written: then the file is as it
// was and the text stays with the caller.
SharedSave SaveSharedText(App& app, const std::string& winPath, const std::string& what,
                          SharedText& kept, const std::string& text, const std::string& bytes,
                          const std::function<std::string(const std::string&)>& textOf,
                          std::string& theirs);

}  // namespace vt
