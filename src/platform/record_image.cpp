#include "platform/record_image.h"

#include <stdexcept>

#include "platform/file_error.h"
#include "platform/text.h"

namespace vt {

RecordImage::RecordImage(std::size_t recordLength, std::string bytes)
    : length_(recordLength), bytes_(std::move(bytes)) {
    if (length_ == 0) throw std::invalid_argument("record length 0");
}

RecordImage RecordImage::Load(const Drives& drives, std::string_view winPath,
                              std::size_t recordLength) {
    if (!drives.Target(winPath)) throw FileError("cannot open " + std::string(winPath));
    if (!drives.FileExists(winPath)) return RecordImage(recordLength);
    RecordImage image(recordLength, drives.ReadWhole(winPath));
    image.loaded_ = image.bytes_;
    return image;
}

void RecordImage::Save(const Drives& drives, std::string_view winPath) const {
    if (loaded_ && *loaded_ == bytes_) return;  // nothing changed: the file stays as it is
    drives.WriteWhole(winPath, bytes_);
}

void RecordImage::Reserve(std::size_t count) {
    if (bytes_.size() < count * length_) bytes_.resize(count * length_, ' ');
}

std::string RecordImage::Read(std::size_t n) const {
    if (n == 0) throw std::out_of_range("record 0");
    const std::size_t start = (n - 1) * length_;
    std::string record = start < bytes_.size() ? bytes_.substr(start, length_) : std::string();
    record.resize(length_, ' ');
    return record;
}

void RecordImage::Write(std::size_t n, std::string_view record) {
    if (n == 0) throw std::out_of_range("record 0");
    Reserve(n);
    bytes_.replace((n - 1) * length_, length_, PadTo(record, length_));
}

void RecordImage::Put(std::size_t n, std::size_t start, std::size_t width, std::string_view value) {
    // A field that ran over its record would silently land in the next one.
    if (n == 0 || start == 0 || start - 1 + width > length_) {
        throw std::out_of_range("field outside record: record " + std::to_string(n) + ", column " +
                                std::to_string(start) + ", width " + std::to_string(width));
    }
    std::string record = Read(n);
    PutField(record, start, width, value);
    Write(n, record);
}

}  // namespace vt
