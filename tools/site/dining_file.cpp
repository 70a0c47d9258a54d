#include "site/dining_file.h"

#include "platform/record_image.h"
#include "site/site_files.h"

namespace vt::site {

std::string DiningFileBytes(const std::vector<DiningRoom>& rooms) {
    RecordImage file(48);
    for (std::size_t n = 1; n <= rooms.size(); ++n) {
        file.Put(n, 5, 3, rooms[n - 1].code);
        file.Put(n, 9, 38, rooms[n - 1].name);
        file.Put(n, 47, 2, "\r\n");
    }
    return file.bytes();
}

void WriteDiningFile(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                     const std::vector<DiningRoom>& rooms) {
    WriteSiteFile(drivesRoot, layout.DiningPath(), DiningFileBytes(rooms));
}

}  // namespace vt::site
