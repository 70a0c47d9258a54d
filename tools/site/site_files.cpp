#include "site/site_files.h"

#include <cctype>
#include <stdexcept>
#include <string>

#include "platform/drives.h"

namespace vt::site {

std::filesystem::path HostPath(const std::filesystem::path& drivesRoot, std::string_view winPath) {
    if (winPath.size() < 2 || winPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(winPath[0]))) {
        throw std::invalid_argument("not a drive path: " + std::string(winPath));
    }
    std::filesystem::path host =
        drivesRoot /
        std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(winPath[0]))));
    std::string component;
    for (const char c : winPath.substr(2)) {
        if (c == '\\' || c == '/') {
            if (!component.empty()) host /= component;
            component.clear();
        } else {
            component += c;
        }
    }
    if (!component.empty()) host /= component;
    return host;
}

void WriteSiteFile(const std::filesystem::path& drivesRoot, std::string_view winPath,
                   std::string_view bytes) {
    std::filesystem::create_directories(HostPath(drivesRoot, winPath).parent_path());
    Drives(drivesRoot).WriteWhole(winPath, bytes);
}

}  // namespace vt::site
