#pragma once
// Writing a site's files under a drives folder by their Windows paths.
#include <filesystem>
#include <string_view>

namespace vt::site {

// The host path of a Windows path such as "c:\zel\setup\F.ZRB": drive letter x: is the folder
// "x" in the drives folder (lower case, as the program's lookup matches any case), then the
// components as written. Only for paths the builder composes itself.
std::filesystem::path HostPath(const std::filesystem::path& drivesRoot, std::string_view winPath);

// Write a whole file at a Windows path, creating the folders it lies in first.
void WriteSiteFile(const std::filesystem::path& drivesRoot, std::string_view winPath,
                   std::string_view bytes);

}  // namespace vt::site
