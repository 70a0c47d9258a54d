#include "platform/record_file.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>
#include <system_error>

#include "platform/file_error.h"

namespace vt {

namespace {

// A data file of this program is a few kilobytes. A longer one is damaged: it is not read, and
// a record number read from a damaged file cannot make one write pad gigabytes of blanks.
constexpr std::uint64_t kMaxFileBytes = kMaxDataFileBytes;

// A stream call on the file failed: the reason is what the system call under it left in errno
// (the callers clear errno first). A stream can fail without a system call failing; that is
// told as an I/O error.
[[noreturn]] void Fail(const char* action, const std::string& name) {
    throw FileError(action, name, SystemReason());
}

std::filesystem::path Open(const Drives& drives, const std::string& name, RecordFile::Mode mode,
                           std::fstream& file) {
    std::error_code error;
    if (mode == RecordFile::Mode::Read) {
        const std::optional<std::filesystem::path> path = drives.Resolve(name);
        if (!path || !std::filesystem::is_regular_file(*path, error)) {
            throw MissingFile("cannot find " + name);
        }
        errno = 0;
        file.open(*path, std::ios::in | std::ios::binary);
        if (!file && errno == ENOENT) {  // gone since it was found
            throw MissingFile("cannot open", name, SystemReason(ENOENT));
        }
        if (!file) Fail("cannot open", name);
        return *path;
    }
    const std::optional<std::filesystem::path> path = drives.Target(name);
    if (!path) throw FileError("cannot open", name, "no such folder");
    if (!std::filesystem::exists(*path, error)) {
        // Appending creates the file empty without touching one that appeared meanwhile.
        errno = 0;
        std::ofstream create(*path, std::ios::app | std::ios::binary);
        if (!create) Fail("cannot create", name);
    }
    errno = 0;
    file.open(*path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file) Fail("cannot open", name);
    return *path;
}

}  // namespace

RecordFile::RecordFile(const Drives& drives, std::string_view winPath, std::size_t recordLength,
                       Mode mode)
    : name_(winPath), length_(recordLength), writable_(mode == Mode::ReadWrite) {
    if (length_ == 0) throw FileError("record length 0 for " + name_);
    Open(drives, name_, mode, file_);
    if (!writable_) {
        // The length measured here is all that is read, however the file grows meanwhile.
        const std::uintmax_t size = SizeBytes();
        if (size > kMaxFileBytes) {
            throw FileError("cannot read", name_, SystemReason(EFBIG));
        }
        std::string content(static_cast<std::size_t>(size), ' ');
        errno = 0;
        file_.seekg(0);
        file_.read(content.data(), static_cast<std::streamsize>(size));
        if (file_.bad()) Fail("cannot read", name_);
        content.resize(static_cast<std::size_t>(file_.gcount()));
        file_.clear();
        content_ = std::move(content);
    }
}

std::uintmax_t RecordFile::SizeBytes() {
    if (content_) return content_->size();
    file_.clear();
    errno = 0;
    file_.seekg(0, std::ios::end);
    const std::streamoff end = file_.tellg();
    if (end < 0) Fail("cannot read", name_);
    return static_cast<std::uintmax_t>(end);
}

std::uint64_t RecordFile::RecordCount() {
    return (SizeBytes() + length_ - 1) / length_;
}

std::string RecordFile::Read(std::uint64_t n) {
    if (n < 1) throw FileError("record number 0 in " + name_);
    std::string record(length_, ' ');
    const std::uint64_t size = SizeBytes();
    // Past the end; comparing record numbers first keeps (n - 1) x length from overflowing.
    if (n - 1 > size / length_) return record;
    const std::uint64_t offset = (n - 1) * length_;
    if (offset >= size) return record;
    if (content_) {
        content_->copy(record.data(), length_, static_cast<std::size_t>(offset));
        return record;
    }
    errno = 0;
    file_.seekg(static_cast<std::streamoff>(offset));
    file_.read(record.data(), static_cast<std::streamsize>(length_));
    if (file_.bad()) Fail("cannot read", name_);
    // A short read leaves the blanks the record started with after the partial record.
    file_.clear();
    return record;
}

void RecordFile::Write(std::uint64_t n, std::string_view data) {
    if (n < 1) throw FileError("record number 0 in " + name_);
    if (!writable_) throw FileError(name_ + " is open for reading only");
    const std::uint64_t size = SizeBytes();
    const std::uint64_t limit = std::max(size, kMaxFileBytes);
    const bool tooFar = n - 1 > limit / length_ ||
                        ((n - 1) * length_ > size && (n - 1) * length_ + length_ > kMaxFileBytes);
    if (tooFar) {
        throw FileError("record " + std::to_string(n) + " lies too far beyond the end of " + name_);
    }
    const std::uint64_t offset = (n - 1) * length_;
    errno = 0;
    if (offset > size) {
        const std::string blanks(std::min<std::uint64_t>(offset - size, 1 << 16), ' ');
        file_.seekp(static_cast<std::streamoff>(size));
        for (std::uint64_t gap = offset - size; gap > 0 && file_;) {
            const std::uint64_t chunk = std::min<std::uint64_t>(gap, blanks.size());
            file_.write(blanks.data(), static_cast<std::streamsize>(chunk));
            gap -= chunk;
        }
    }
    std::string record(data.substr(0, length_));
    record.resize(length_, ' ');
    file_.seekp(static_cast<std::streamoff>(offset));
    file_.write(record.data(), static_cast<std::streamsize>(length_));
    file_.flush();
    if (!file_) Fail("cannot write", name_);
}

}  // namespace vt
