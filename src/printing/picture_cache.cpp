#include "printing/picture_cache.h"

#include <utility>

namespace vt {

PictureCache::PictureCache(const Drives& drives, std::string hostPath)
    : drives_(drives), path_(std::move(hostPath)), stamp_(StampOf(path_)) {}

std::optional<Picture> PictureCache::Find() const {
    if (!stamp_) return std::nullopt;
    if (const auto kept = drives_.Pictures().Find(path_, *stamp_)) return *kept;
    return std::nullopt;
}

void PictureCache::Keep(const Picture& picture) const {
    if (!stamp_ || picture.empty()) return;
    drives_.Pictures().Keep(path_, *stamp_, picture);
}

}  // namespace vt
