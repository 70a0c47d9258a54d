#pragma once
// An exclusive lock on a byte range of a file that several stations write, held for a
// read-modify-write. fcntl record locks: network file systems (NFS, SMB mounts) pass them to
// the server, so another workstation's program waits too.
#include <chrono>
#include <cstdint>
#include <filesystem>

namespace vt {

class RecordLock {
  public:
    // Locks `length` bytes from `offset` (0: to the end of the file, however long it grows);
    // waits up to `limit` while another holds any of them. Creates the file when missing.
    // Throws FileError when it cannot be opened or stays locked past the limit.
    RecordLock(const std::filesystem::path& file, std::uint64_t offset, std::uint64_t length,
               std::chrono::milliseconds limit = std::chrono::seconds(10));
    // Unlocks. (Closing any descriptor of the file in this process unlocks too: the lock
    // belongs to the process, so it is held over a whole read-modify-write and no longer.)
    ~RecordLock();
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

  private:
    int fd_ = -1;
};

}  // namespace vt
