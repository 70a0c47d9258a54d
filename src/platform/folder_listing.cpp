#include "platform/folder_listing.h"

namespace vt {
namespace {
namespace fs = std::filesystem;

std::vector<FolderEntry> Read(const fs::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code linkError;
        entries.push_back({it->path().filename().string(), it->is_symlink(linkError)});
    }
    return entries;
}

}  // namespace

std::vector<FolderEntry> ListFolder(const fs::path& folder, FolderListings& kept) {
    const std::optional<FileStamp> stamp = StampOf(folder);
    if (!stamp) return {};
    const std::string key = folder.string();
    if (const auto listing = kept.Find(key, *stamp)) return *listing;
    return *kept.Keep(key, *stamp, Read(folder));
}

}  // namespace vt
