#include "platform/record_file.h"
#include "platform/text.h"
#include "program/setup_file.h"

namespace vt {
namespace {

// The folder of a setup file at a fixed place: the path without "\F.ZRB".
std::string FolderOf(const std::string& setupFile) {
    return setupFile.substr(0, setupFile.size() - std::string_view("\\F.ZRB").size());
}

bool TryFixedPlace(App& app, char drive) {
    app.st.SetupFile = kSetupFileOnA;
    app.st.SetupFile[0] = drive;
    if (!app.os.drives.FileExists(app.st.SetupFile)) return false;
    app.st.SetupNotFound = 0;
    app.st.SetupFolder = FolderOf(app.st.SetupFile);
    return true;
}

// The first 40 bytes of a locator file name a folder, ended by the first blank unless the
// blank is the first character.
std::string LocatedFolder(const Drives& drives, const std::string& locator) {
    RecordFile file(drives, locator, 40, RecordFile::Mode::Read);
    std::string folder = file.Read(1);
    const std::size_t blank = InStr(folder, " ");
    if (blank > 1) folder = Left(folder, blank - 1);
    return folder;
}

bool TryLocator(App& app) {
    for (const char* locator : {"a:\\find.zrb", "b:\\find.zrb"}) {
        if (!app.os.drives.FileExists(locator)) continue;
        const std::string folder = LocatedFolder(app.os.drives, locator);
        app.st.SetupFile = folder + "\\f.zrb";
        if (app.os.drives.FileExists(app.st.SetupFile)) {
            app.st.SetupNotFound = 0;
            app.st.SetupFolder = folder;
            return true;
        }
        return false;  // only the first locator found is followed
    }
    return false;
}

}  // namespace

void CkDrv(App& app) {
    bool exists = false;
    try {
        exists = app.os.drives.FileExists(app.st.SetupFile);
    } catch (const std::exception&) {
        exists = false;  // a drive that fails the lookup is skipped
    }
    if (!exists) return;
    app.st.SetupNotFound = 0;
    app.st.SetupFolder = FolderOf(app.st.SetupFile);
}

void FindSetupFile(App& app) {
    app.st.SetupNotFound = 1;
    if (TryFixedPlace(app, 'c')) return;

    // Codes 100 to 127: "d" to "z" and the five codes after them, as the scan always was.
    for (int code = 100; code <= 127; ++code) {
        app.st.SetupFile = kSetupFileOnA;
        app.st.SetupFile[0] = static_cast<char>(code);
        CkDrv(app);
        if (app.st.SetupNotFound == 0) return;
    }

    if (TryLocator(app)) return;

    for (char drive : {'a', 'b', 'c'}) {
        if (TryFixedPlace(app, drive)) return;
    }
}

}  // namespace vt
