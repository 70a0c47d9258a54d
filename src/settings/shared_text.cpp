#include "settings/shared_text.h"

#include <filesystem>
#include <utility>

#include "platform/file_error.h"
#include "platform/file_stamp.h"
#include "platform/private_file.h"
#include "platform/state_folder.h"

namespace vt {
namespace {

constexpr const char* kTitle = "Vittlon";

// The text not kept, as a new private file named after the station's file and the time.
std::filesystem::path KeepRecoveryCopy(const std::string& winPath, const std::string& bytes) {
    const std::string name = winPath.substr(winPath.find_last_of("\\/") + 1);
    return WriteNewPrivateFile(PrivateStateFolder("recovery", "a recovery copy"),
                               name + "-" + LocalTimeStamp(), "txt", bytes);
}

void Write(App& app, const std::string& winPath, SharedText& kept, const std::string& text,
           const std::string& bytes) {
    app.os.drives.WriteWhole(winPath, bytes);
    kept = {true, text, StampNow(app, winPath)};
}

}  // namespace

std::optional<FileStamp> StampNow(App& app, const std::string& winPath) {
    const std::optional<std::filesystem::path> host = app.os.drives.Resolve(winPath);
    return host ? StampOf(*host) : std::nullopt;
}

void NoteLoaded(SharedText& kept, std::string text, std::optional<FileStamp> stampBefore) {
    kept = {true, std::move(text), stampBefore};
}

SharedSave SaveSharedText(App& app, const std::string& winPath, const std::string& what,
                          SharedText& kept, const std::string& text, const std::string& bytes,
                          const std::function<std::string(const std::string&)>& textOf,
                          std::string& theirs) {
    if (kept.known && text == kept.text) return SharedSave::Unchanged;
    const std::optional<FileStamp> now = StampNow(app, winPath);
    // Never loaded here, unchanged on disk, or gone from it: nothing of another is lost.
    if (!kept.known || now == kept.stamp || !now) {
        Write(app, winPath, kept, text, bytes);
        return SharedSave::Saved;
    }
    // Changed on disk meanwhile: its bytes are read before anything is written.
    const std::string theirBytes = app.os.drives.ReadWhole(winPath);
    const bool ours =
        app.os.dialogs.MsgBox(what + " " + winPath +
                                  " was changed at another station since it was opened here.\r\n"
                                  "Save your changes over it? (No keeps the other text.)",
                              kTitle, MsgButtons::YesNo, 2) == MsgAnswer::Yes;
    const std::filesystem::path copy = KeepRecoveryCopy(winPath, ours ? theirBytes : bytes);
    if (ours) Write(app, winPath, kept, text, bytes);
    app.os.dialogs.MsgBox(std::string(ours ? "Your changes were saved. The other text is in "
                                           : "The other text was kept. Your changes are in ") +
                              ShownPath(copy) + ".",
                          kTitle, MsgButtons::OK, 1);
    if (ours) return SharedSave::Saved;
    theirs = textOf(theirBytes);
    kept = {true, theirs, now};
    return SharedSave::TheirsKept;
}

}  // namespace vt
