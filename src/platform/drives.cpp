#include "platform/drives.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "platform/file_error.h"
#include "platform/folder_listing.h"

namespace vt {

namespace fs = std::filesystem;

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

struct ParsedPath {
    char drive;
    std::vector<std::string> components;
};

// Splits "c:\zel\setup\F.ZRB" into its drive and components. Empty and "." components are
// dropped; "..", a drive inside ("c:\a\d:\b") or a NUL refuse the whole path, so that no text
// from a data file can climb out of its drive folder.
std::optional<ParsedPath> Parse(std::string_view winPath) {
    if (winPath.size() < 2 || !IsAsciiLetter(winPath[0]) || winPath[1] != ':') {
        return std::nullopt;
    }
    ParsedPath parsed{winPath[0], {}};
    std::string_view rest = winPath.substr(2);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of("\\/"), rest.size());
        const std::string_view component = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (component.empty() || component == ".") continue;
        if (component == ".." || component.find(':') != std::string_view::npos ||
            component.find('\0') != std::string_view::npos) {
            return std::nullopt;
        }
        parsed.components.emplace_back(component);
    }
    return parsed;
}

// An entry found in a folder: its path, whether it is a symbolic link, and what it is (links
// followed).
struct Entry {
    fs::path path;
    bool isLink = false;
    fs::file_type type = fs::file_type::none;
};

Entry Describe(fs::path path, const fs::file_status& own) {
    Entry entry{std::move(path), fs::is_symlink(own), own.type()};
    if (entry.isLink) {
        std::error_code error;
        entry.type = fs::status(entry.path, error).type();
    }
    return entry;
}

// The entry of `folder` called `name`: that exact name when it exists, else the first entry in
// byte order whose name equals it ignoring ASCII case. Blanks are part of the name.
std::optional<Entry> MatchEntry(const fs::path& folder, const std::string& name,
                                FolderListings& listings) {
    std::error_code error;
    fs::path exact = folder / name;
    const fs::file_status status = fs::symlink_status(exact, error);
    if (fs::exists(status)) return Describe(std::move(exact), status);
    std::optional<std::string> best;
    for (const FolderEntry& entry : ListFolder(folder, listings)) {
        if (EqualsIgnoringCase(entry.name, name) && (!best || entry.name < *best))
            best = entry.name;
    }
    if (!best) return std::nullopt;
    fs::path found = folder / *best;
    const fs::file_status own = fs::symlink_status(found, error);
    return Describe(std::move(found), own);
}

// Whether `path`, with every symlink followed, lies in the drive folder. The drive folder may
// itself be a symlink (that is how a share is mounted); a symlink inside the drive that points
// elsewhere, or nowhere, is refused.
bool StaysInside(const fs::path& path, const fs::path& driveFolder) {
    std::error_code error;
    const fs::path drive = fs::canonical(driveFolder, error);
    if (error) return false;
    const fs::path real = fs::canonical(path, error);
    if (error) return false;
    return std::mismatch(drive.begin(), drive.end(), real.begin(), real.end()).first == drive.end();
}

struct Walked {
    fs::path driveFolder;
    bool throughLink = false;   // a component inside the drive is a symbolic link
    fs::path folder;            // the last folder reached
    std::string lastName;       // the last component as composed; empty for the drive itself
    std::optional<Entry> last;  // the matched last entry, if any
};

// The folders of the path (all but its last component), walked or, while the folder it
// reached keeps its stamp, remembered: a label run looks up several files in the same few
// folders for every resident.
std::optional<FolderWalk> WalkFolders(const fs::path& root, const ParsedPath& parsed,
                                      FolderListings& listings, FolderWalks& walks) {
    const std::vector<std::string>& components = parsed.components;
    std::string key = root.string() + '\n' + parsed.drive;
    for (std::size_t i = 0; i + 1 < components.size(); ++i) key += '\\' + components[i];
    if (const auto kept = walks.Peek(key)) {
        const std::optional<FileStamp> now = StampOf(kept->value->folder);
        if (now && kept->stamp == *now) return *kept->value;
    }
    // A linked drive folder is how a share is mounted: it does not count as a link inside.
    const std::optional<Entry> drive = MatchEntry(root, std::string(1, parsed.drive), listings);
    if (!drive || drive->type != fs::file_type::directory) return std::nullopt;
    FolderWalk walk{drive->path, drive->path, false};
    for (std::size_t i = 0; i + 1 < components.size(); ++i) {
        const std::optional<Entry> entry = MatchEntry(walk.folder, components[i], listings);
        if (!entry || entry->type != fs::file_type::directory) return std::nullopt;
        walk.throughLink = walk.throughLink || entry->isLink;
        walk.folder = entry->path;
    }
    if (const std::optional<FileStamp> stamp = StampOf(walk.folder)) walks.Keep(key, *stamp, walk);
    return walk;
}

// Follows the components through existing folders; only the last may be missing.
std::optional<Walked> Walk(const fs::path& root, std::string_view winPath, FolderListings& listings,
                           FolderWalks& walks) {
    const std::optional<ParsedPath> parsed = Parse(winPath);
    if (!parsed) return std::nullopt;
    const std::optional<FolderWalk> folders = WalkFolders(root, *parsed, listings, walks);
    if (!folders) return std::nullopt;
    Walked walked{folders->driveFolder, folders->throughLink, folders->folder, {}, std::nullopt};
    if (parsed->components.empty()) {
        walked.last = Entry{folders->driveFolder, false, fs::file_type::directory};
        return walked;
    }
    walked.lastName = parsed->components.back();
    walked.last = MatchEntry(walked.folder, walked.lastName, listings);
    if (walked.last) walked.throughLink = walked.throughLink || walked.last->isLink;
    return walked;
}

// The existing entry a path names, refused when a link leads it out of its drive.
std::optional<Entry> Existing(const fs::path& root, std::string_view winPath,
                              FolderListings& listings, FolderWalks& walks) {
    std::optional<Walked> walked = Walk(root, winPath, listings, walks);
    if (!walked || !walked->last) return std::nullopt;
    if (walked->throughLink && !StaysInside(walked->last->path, walked->driveFolder)) {
        return std::nullopt;
    }
    return std::move(walked->last);
}

std::string ReadHostFile(const fs::path& path, const std::string& winPath,
                         std::uintmax_t maxBytes) {
    HostFileContent content = ReadHostFileUpTo(path, maxBytes);
    switch (content.failure) {
        case HostFileContent::Failure::Open:
            throw FileError("cannot open", winPath, content.reason);
        case HostFileContent::Failure::Read:
            throw FileError("cannot read", winPath, content.reason);
        case HostFileContent::Failure::TooLarge:
            throw FileError("cannot read", winPath, SystemReason(EFBIG));
        case HostFileContent::Failure::None:
            break;
    }
    return std::move(content.bytes);
}

// Closes a descriptor when it goes out of scope.
struct OpenDescriptor {
    int fd;
    ~OpenDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

Drives::Drives(fs::path root) : root_(std::move(root)) {}

fs::path Drives::DefaultRoot() {
    const char* drives = std::getenv("VITTLON_DRIVES");
    if (drives != nullptr && *drives != '\0') return drives;
    const char* home = std::getenv("HOME");
    fs::path homeFolder;
    if (home != nullptr && *home != '\0') {
        homeFolder = home;
    } else if (const passwd* user = getpwuid(getuid()); user != nullptr) {
        homeFolder = user->pw_dir;
    }
    return homeFolder / ".local" / "share" / "vittlon" / "drives";
}

std::optional<fs::path> Drives::Resolve(std::string_view winPath) const {
    const std::optional<Entry> entry = Existing(root_, winPath, listings_, walks_);
    if (!entry) return std::nullopt;
    return entry->path;
}

std::optional<fs::path> Drives::Target(std::string_view winPath) const {
    const std::optional<Walked> walked = Walk(root_, winPath, listings_, walks_);
    if (!walked) return std::nullopt;
    // Real names without ".." cannot leave the drive; only links need following to be sure.
    if (walked->last) {
        if (walked->throughLink && !StaysInside(walked->last->path, walked->driveFolder)) {
            return std::nullopt;
        }
        return walked->last->path;
    }
    if (walked->throughLink && !StaysInside(walked->folder, walked->driveFolder))
        return std::nullopt;
    return walked->folder / walked->lastName;
}

bool Drives::FileExists(std::string_view winPath) const {
    const std::optional<Entry> entry = Existing(root_, winPath, listings_, walks_);
    return entry && entry->type == fs::file_type::regular;
}

bool Drives::FolderExists(std::string_view winPath) const {
    const std::optional<Entry> entry = Existing(root_, winPath, listings_, walks_);
    return entry && entry->type == fs::file_type::directory;
}

std::optional<std::uintmax_t> Drives::FileLength(std::string_view winPath) const {
    const std::optional<fs::path> path = Resolve(winPath);
    std::error_code error;
    if (!path || !fs::is_regular_file(*path, error)) return std::nullopt;
    const std::uintmax_t size = fs::file_size(*path, error);
    if (error) return std::nullopt;
    return size;
}

bool Drives::Delete(std::string_view winPath) const {
    const std::optional<fs::path> path = Resolve(winPath);
    std::error_code error;
    // Files only: a folder is never removed through a file name.
    if (!path || fs::is_directory(fs::symlink_status(*path, error))) return false;
    return fs::remove(*path, error) && !error;
}

void Drives::Copy(std::string_view fromWinPath, std::string_view toWinPath) const {
    const std::string from(fromWinPath);
    const std::optional<fs::path> source = Resolve(fromWinPath);
    std::error_code error;
    if (!source || !fs::is_regular_file(*source, error)) {
        throw FileError("cannot find " + from);
    }
    WriteWhole(toWinPath, ReadHostFile(*source, from, kMaxDataFileBytes));
}

void Drives::WriteWhole(std::string_view winPath, std::string_view bytes) const {
    const std::string name(winPath);
    const std::optional<fs::path> target = Target(winPath);
    if (!target) throw FileError("cannot write " + name + ": no such folder");
    try {
        WriteFileAtomically(*target, bytes);
    } catch (const FileError& error) {
        throw FileError("cannot write " + name + " (" + error.what() + ")");
    }
}

std::string Drives::ReadWhole(std::string_view winPath, std::uintmax_t maxBytes) const {
    const std::string name(winPath);
    const std::optional<fs::path> path = Resolve(winPath);
    std::error_code error;
    if (!path || !fs::is_regular_file(*path, error)) throw FileError("cannot find " + name);
    return ReadHostFile(*path, name, maxBytes);
}

HostFileContent ReadHostFileUpTo(const fs::path& path, std::uintmax_t maxBytes) {
    using Failure = HostFileContent::Failure;
    const auto failed = [](Failure failure) {
        return HostFileContent{failure, {}, SystemReason()};
    };
    errno = 0;
    const OpenDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) return failed(Failure::Open);
    // The length of the file opened, not of whatever the name leads to by now. Anything but a
    // regular file (a device, a pipe) is read until it ends or passes the cap.
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return failed(Failure::Read);
    std::uintmax_t length = 0;
    if (S_ISREG(info.st_mode)) {
        length = static_cast<std::uintmax_t>(info.st_size);
        if (length > maxBytes) return {Failure::TooLarge, {}, {}};
    }
    // One byte more than the length: the end is then seen without growing the buffer, and a
    // file that grew meanwhile is read on only up to one byte past the cap.
    std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > maxBytes) return {Failure::TooLarge, {}, {}};
            bytes.resize(static_cast<std::size_t>(
                std::min<std::uintmax_t>(maxBytes + 1, std::uintmax_t{bytes.size()} * 2)));
        }
        errno = 0;
        const ssize_t got = ::read(file.fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failed(Failure::Read);
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return {Failure::None, std::move(bytes), {}};
}

}  // namespace vt
