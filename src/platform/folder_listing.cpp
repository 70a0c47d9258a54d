#include "platform/folder_listing.h"

#include <chrono>
#include <map>

namespace vt {
namespace {
namespace fs = std::filesystem;

// A listing is kept only when the folder had not changed for this long when it was read: a
// change after that gives the folder a newer modification time, whatever the clock's grain.
constexpr auto kQuiet = std::chrono::seconds(2);
constexpr std::size_t kMaxFolders = 64;

struct Listing {
    fs::file_time_type modified;
    std::vector<FolderEntry> entries;
};

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

std::vector<FolderEntry> ListFolder(const fs::path& folder) {
    static std::map<std::string, Listing> kept;
    std::error_code error;
    const fs::file_time_type modified = fs::last_write_time(folder, error);
    if (error) return {};
    const std::string key = folder.string();
    if (auto it = kept.find(key); it != kept.end() && it->second.modified == modified) {
        return it->second.entries;
    }
    std::vector<FolderEntry> entries = Read(folder);
    if (fs::file_time_type::clock::now() - modified > kQuiet) {
        if (kept.size() >= kMaxFolders) kept.clear();
        kept[key] = Listing{modified, entries};
    } else {
        kept.erase(key);
    }
    return entries;
}

}  // namespace vt
