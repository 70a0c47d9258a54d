#pragma once
// Files only this user may read, in folders no one else may enter: residents' pictures in plain
// form, run reports, recovery copies of texts.
#include <filesystem>
#include <string>
#include <string_view>

namespace vt {

// A folder itself (not a link to one) that belongs to this user and that no one else may enter,
// list or write into.
bool IsPrivateFolder(const std::filesystem::path& folder);

// Write a new file that only this user may read. Throws FileError, writing nothing, when the
// folder it goes in is not private or the name is taken (by a file or a link): nothing is ever
// written through a link or into a folder someone else controls.
void WritePrivateFile(const std::filesystem::path& path, std::string_view bytes);

// Write `bytes` as a new private file "<base>.<extension>" in the private folder, or
// "<base>-2.<extension>", "-3", ... when the name is taken: never over another file. Returns its
// path; throws FileError, writing nothing, as WritePrivateFile does.
std::filesystem::path WriteNewPrivateFile(const std::filesystem::path& folder,
                                          const std::string& base, const std::string& extension,
                                          std::string_view bytes);

// The local time now as "yyyymmdd-hhmmss", as the program's file names carry it.
std::string LocalTimeStamp();

}  // namespace vt
