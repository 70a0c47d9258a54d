#include "printing/picture_left_out.h"

#include "platform/error_output.h"

namespace vt {
namespace {

// More pictures than a facility has residents: past that, telling again is harmless.
constexpr std::size_t kToldKept = 4096;

}  // namespace

void TellPictureLeftOut(const App& app, const std::string& picture, const FileError& error) {
    // A failure of the picture's own file needs only the system's reason after its name.
    const std::string reason = error.file() == picture ? error.reason() : error.what();
    std::set<std::string>& told = app.memory->picturesToldLeftOut;
    if (told.size() >= kToldKept) told.clear();
    if (!told.insert(picture + '\n' + reason).second) return;
    TellErrorOutput("picture " + picture + " left out: " + reason);
}

}  // namespace vt
