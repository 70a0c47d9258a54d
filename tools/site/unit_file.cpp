#include "site/unit_file.h"

#include "platform/record_image.h"
#include "site/site_files.h"

namespace vt::site {

std::string UnitFileBytes(const std::vector<std::string>& keysBySlot) {
    RecordImage file(122);
    for (std::size_t slot = 1; slot <= keysBySlot.size(); ++slot) {
        file.Put(slot, 33, 7, keysBySlot[slot - 1]);
        file.Put(slot, 121, 2, "\r\n");
    }
    return file.bytes();
}

void WriteUnitFile(const std::filesystem::path& drivesRoot, const SiteLayout& layout, int unitNo,
                   const std::vector<std::string>& keysBySlot) {
    WriteSiteFile(drivesRoot, layout.UnitPath(unitNo), UnitFileBytes(keysBySlot));
}

}  // namespace vt::site
