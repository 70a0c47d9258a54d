#include "printing/label_picture.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <optional>

#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "printing/picture_cache.h"
#include "printing/picture_conversion.h"
#include "printing/picture_left_out.h"
#include "settings/user_label_text.h"

namespace vt {
namespace {

constexpr int kFilteredPictureScreen = 5;

std::string PictureFile(const AppState& st, const std::string& extension) {
    return st.SetupTable(42) + "\\" + st.ResidentId + extension;
}

// The host path of a picture file; nullopt when it is missing (or is no file).
std::optional<std::string> HostFile(const App& app, const std::string& path) {
    const std::optional<std::filesystem::path> host = app.os.drives.Resolve(path);
    std::error_code error;
    if (!host || !std::filesystem::is_regular_file(*host, error)) return std::nullopt;
    return host->string();
}

// The pen width a ".flt" marker asks for: its first two bytes as a number, 1 to 10.
int MarkerScreenWidth(App& app, const std::string& marker) {
    RecordFile file(app.os.drives, marker, 2, RecordFile::Mode::Read);
    const double width = std::nearbyint(Val(file.Read(1)));
    return width >= 1 && width <= 10 ? static_cast<int>(width) : 1;
}

// Load the picture at PicturePath (a host path) into Image1, or take the one already decoded
// from `cache`, the file it comes from. A temporary plain copy is deleted after loading,
// whether the loading worked or not. False when the picture cannot be read or decoded: that is
// told under `stored`, the picture's own name.
bool LoadPicture(App& app, bool isTemporaryCopy, const std::optional<Picture>& decoded,
                 const std::optional<PictureCache>& cache, const std::string& stored) {
    AppState& st = app.st;
    if (decoded) {
        app.form1.Image1.Picture = *decoded;
        return true;
    }
    std::optional<FileError> failure;
    try {
        app.form1.Image1.Picture =
            st.PicturePath.empty() ? Picture{} : app.os.pictures.Load(st.PicturePath);
    } catch (const FileError& error) {
        failure = error;
    } catch (const std::exception&) {
        if (isTemporaryCopy) kxfil(app);
        throw;
    }
    if (isTemporaryCopy) kxfil(app);
    if (failure) {
        TellPictureLeftOut(app, stored, *failure);
        return false;
    }
    if (!st.PicturePath.empty() && cache) cache->Keep(app.form1.Image1.Picture);
    return true;
}

}  // namespace

LabelPictureFound FindLabelPicture(App& app, const RunRequest& run) {
    AppState& st = app.st;
    // A free-text label carries nothing of the resident in the slot the run walks: the box
    // stays empty.
    if (run.userLabels) return {};
    if (app.os.drives.FileExists(PictureFile(st, ".vly"))) return {};

    // A plain picture is stored in the protected form before it is shown. A dry run stores
    // nothing: it shows the plain file, the same picture.
    const std::string jpg = PictureFile(st, ".jpg");
    const bool plainJpg = app.os.drives.FileExists(jpg);
    if (plainJpg && !run.Dry()) {
        st.ConvertPath = jpg;
        ConvertJPG(app);
    }

    // Privacy levels 1 to 3 show no picture: the box stays empty (a screen marker still
    // counts), so nothing is decoded for them.
    const bool hidden = st.PrivacyLevel >= 1 && st.PrivacyLevel <= 3;
    bool found = false;
    bool temporaryCopy = false;
    std::optional<PictureCache> cache;  // the stored file the picture comes from
    std::string stored;                 // and its name as the site's files give it
    std::optional<Picture> decoded;
    st.PicturePath = "";
    // A picture file the painter reads as it is.
    const auto takePlain = [&](const std::string& candidate) {
        const std::optional<std::string> host = HostFile(app, candidate);
        if (!host) return false;
        found = true;
        stored = candidate;
        cache.emplace(app.os.drives, *host);
        if (!hidden) {
            st.PicturePath = *host;
            decoded = cache->Find();
        }
        return true;
    };
    const std::string asz = PictureFile(st, ".asz");
    if (plainJpg && run.Dry()) {
        takePlain(jpg);
    } else if (const std::optional<std::string> host = HostFile(app, asz)) {
        found = true;
        stored = asz;
        cache.emplace(app.os.drives, *host);
        if (!hidden && (decoded = cache->Find())) {
            st.PicturePath = *host;
        } else if (!hidden) {
            st.ConvertPath = asz;
            ConvertASZ(app);
            st.PicturePath = st.ConvertPath;
            temporaryCopy = !st.PicturePath.empty();
        }
    } else if (asz.size() >= 5) {
        for (const char* extension : {"gif", "bmp", "wmf"}) {
            if (takePlain(Left(asz, asz.size() - 3) + extension)) break;
        }
    }

    // A stored picture that could not be unprotected (the conversion told why), read or decoded
    // leaves the box as a missing one does, and the label goes on.
    const bool notUnprotected = found && !hidden && st.PicturePath.empty();
    if (!found || notUnprotected || !LoadPicture(app, temporaryCopy, decoded, cache, stored)) {
        app.form1.Image1.Picture = Picture{};
        return {};
    }

    LabelPictureFound shown;
    if (!st.PicturePath.empty()) shown.picture = app.form1.Image1.Picture;
    const std::string marker = PictureFile(st, ".flt");
    if (st.PrivacyLevel > 3) {
        shown.screen = kFilteredPictureScreen;
    } else if (app.os.drives.FileExists(marker)) {
        shown.screen = MarkerScreenWidth(app, marker);
    }
    return shown;
}

}  // namespace vt
