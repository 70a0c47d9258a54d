#include "printing/picture_conversion.h"

#include <unistd.h>

#include <filesystem>

#include "platform/file_error.h"
#include "platform/private_folder.h"
#include "platform/text.h"
#include "printing/picture_left_out.h"

namespace vt {
namespace {

constexpr const char* kPictureFolderPrefix = "vittlon-pictures-";

constexpr std::size_t kBlock = 200;

bool HasBlock(const std::string& bytes, std::size_t n) {
    return bytes.size() >= n * kBlock;
}

std::string Block(const std::string& bytes, std::size_t n) {
    return bytes.substr((n - 1) * kBlock, kBlock);
}

void SetBlock(std::string& bytes, std::size_t n, const std::string& block) {
    bytes.replace((n - 1) * kBlock, kBlock, block);
}

// Blocks 1, 15 and 19 take part. A file too short for block 19 swaps blocks 1 and 15 only,
// and one too short for block 15 is left as it is: the same rule both ways, so a short
// picture still comes back unchanged. (Stored ".asz" files were all long enough.)
std::string Rotate(std::string bytes, bool protect) {
    if (!HasBlock(bytes, 15)) return bytes;
    const std::string b1 = Block(bytes, 1);
    const std::string b15 = Block(bytes, 15);
    if (!HasBlock(bytes, 19)) {
        SetBlock(bytes, 1, b15);
        SetBlock(bytes, 15, b1);
        return bytes;
    }
    const std::string b19 = Block(bytes, 19);
    if (protect) {  // 1 <- 19, 15 <- 1, 19 <- 15
        SetBlock(bytes, 1, b19);
        SetBlock(bytes, 15, b1);
        SetBlock(bytes, 19, b15);
    } else {  // 1 <- 15, 15 <- 19, 19 <- 1
        SetBlock(bytes, 1, b15);
        SetBlock(bytes, 15, b19);
        SetBlock(bytes, 19, b1);
    }
    return bytes;
}

// The 1-based position of the last occurrence of `what` in the upper-case path: the file's
// extension, even when a folder's name holds the same letters.
std::size_t LastPosition(const std::string& path, const std::string& what) {
    const std::size_t p = UCase(path).rfind(what);
    return p == std::string::npos ? 0 : p + 1;
}

}  // namespace

std::string ProtectPicture(std::string bytes) {
    return Rotate(std::move(bytes), true);
}
std::string UnprotectPicture(std::string bytes) {
    return Rotate(std::move(bytes), false);
}

std::string PictureTempFolder(const App& app) {
    // Made the first time a copy is needed, and removed with any copy left in it when the
    // program ends. A folder that cannot be made is tried again at the next picture.
    std::optional<PrivateFolder>& folder = app.memory->pictureFolder;
    if (!folder) folder.emplace(kPictureFolderPrefix);
    return folder->path().string();
}

void RemoveStalePictureFolders() {
    try {
        RemoveStalePrivateFolders(kPictureFolderPrefix);
    } catch (const FileError&) {
        // No temporary folder to look in: nothing was left there either.
    }
}

void ConvertJPG(App& app) {
    AppState& st = app.st;
    const std::size_t p = LastPosition(st.ConvertPath, "JPG");
    if (p < 2) {
        st.ConvertPath = "";
        return;
    }
    try {
        st.ConvertCopy = st.ConvertPath;
        st.ConvertCopy.replace(p - 1, 3, "ASZ");
        const std::string plain = app.os.drives.ReadWhole(st.ConvertPath, kMaxPictureFileBytes);
        app.os.drives.WriteWhole(st.ConvertCopy, ProtectPicture(plain));
        app.os.drives.Delete(st.ConvertPath);
        st.ConvertPath = st.ConvertCopy;
    } catch (const FileError& error) {
        TellPictureLeftOut(app, st.ConvertPath, error);
        // ConvertPath stays as it was; the label goes on without this conversion.
    }
}

void ConvertASZ(App& app) {
    namespace fs = std::filesystem;
    AppState& st = app.st;
    const std::size_t p = LastPosition(st.ConvertPath, "ASZ");
    if (p == 0) {
        st.ConvertPath = "";
        return;
    }
    try {
        const std::string stored = app.os.drives.ReadWhole(st.ConvertPath, kMaxPictureFileBytes);
        // 123.asz becomes 123.as2, in the program's own folder (the plain picture never lies
        // in the shared picture folder), marked with the process so two sessions never share it.
        std::string name = st.ConvertPath.substr(st.ConvertPath.find_last_of("\\/:") + 1);
        name.back() = '2';
        name = std::to_string(::getpid()) + "-" + name;
        st.ConvertCopy = (fs::path(PictureTempFolder(app)) / name).string();
        WritePrivateFile(st.ConvertCopy, UnprotectPicture(stored));
        st.ConvertPath = st.ConvertCopy;
    } catch (const FileError& error) {
        TellPictureLeftOut(app, st.ConvertPath, error);
        st.ConvertPath = "";  // no plain copy: the label goes without the picture
    }
}

void kxfil(App& app) {
    // Only the program's own temporary picture copies are ever deleted here; a path anywhere
    // else (a resident's stored picture) is left alone.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path copy = fs::weakly_canonical(app.st.PicturePath, error);
    const fs::path folder = fs::weakly_canonical(PictureTempFolder(app), error);
    if (error || app.st.PicturePath.empty() || copy.parent_path() != folder) return;
    fs::remove(copy, error);  // a copy already gone is no reason to stop a label
}

}  // namespace vt
