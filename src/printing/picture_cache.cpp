#include "printing/picture_cache.h"

#include <chrono>
#include <filesystem>
#include <list>

namespace vt {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kKept = 48;
constexpr auto kQuiet = std::chrono::seconds(2);

struct Stamp {
    std::uintmax_t size = 0;
    fs::file_time_type modified;
    bool operator==(const Stamp&) const = default;
};

struct Entry {
    std::string path;
    Stamp stamp;
    Picture picture;
};

std::optional<Stamp> StampOf(const std::string& path) {
    std::error_code error;
    Stamp stamp{fs::file_size(path, error), {}};
    if (error) return std::nullopt;
    stamp.modified = fs::last_write_time(path, error);
    if (error) return std::nullopt;
    return stamp;
}

// Most recently used first.
std::list<Entry>& Entries() {
    static std::list<Entry> entries;
    return entries;
}

}  // namespace

std::optional<Picture> PictureCache::Find(const std::string& hostPath) {
    const std::optional<Stamp> stamp = StampOf(hostPath);
    if (!stamp) return std::nullopt;
    std::list<Entry>& entries = Entries();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->path != hostPath) continue;
        if (!(it->stamp == *stamp)) {
            entries.erase(it);
            return std::nullopt;
        }
        entries.splice(entries.begin(), entries, it);
        return entries.front().picture;
    }
    return std::nullopt;
}

void PictureCache::Keep(const std::string& hostPath, const Picture& picture) {
    const std::optional<Stamp> stamp = StampOf(hostPath);
    if (!stamp || picture.empty() || fs::file_time_type::clock::now() - stamp->modified < kQuiet) {
        return;
    }
    std::list<Entry>& entries = Entries();
    entries.remove_if([&](const Entry& e) { return e.path == hostPath; });
    entries.push_front({hostPath, *stamp, picture});
    if (entries.size() > kKept) entries.pop_back();
}

}  // namespace vt
