#include "site/label_types.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/numbers.h"
#include "platform/record_image.h"
#include "site/site_files.h"

namespace vt::site {

namespace {

void CheckCount(const std::vector<LabelType>& types) {
    if (types.size() > kLabelTypeSlots) {
        throw std::invalid_argument("a catalogue holds at most 50 label types");
    }
}

}  // namespace

std::string LabelNameListBytes(const std::vector<LabelType>& types) {
    CheckCount(types);
    RecordImage file(52);
    for (std::size_t n = 1; n <= kLabelTypeSlots; ++n) {
        file.Put(n, 1, 50, n <= types.size() ? types[n - 1].name : std::string());
        file.Put(n, 51, 2, "\r\n");
    }
    return file.bytes();
}

std::string LabelGeometryBytes(const std::vector<LabelType>& types) {
    CheckCount(types);
    RecordImage file(200);
    for (std::size_t n = 1; n <= types.size(); ++n) {
        const LabelGeometry& g = types[n - 1].geometry;
        const std::array<int, 8> numbers{g.top,        g.height,     g.width,      g.rows,
                                         g.columnX[0], g.columnX[1], g.columnX[2], g.columnX[3]};
        file.Put(n, 1, 10, g.dateText);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            file.Put(n, 11 + 5 * i, 5, NumText(std::abs(numbers[i])));
        }
    }
    return file.bytes();
}

void WriteLabelTypes(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                     const std::vector<LabelType>& types) {
    WriteSiteFile(drivesRoot, layout.SetupPath("LabList"), LabelNameListBytes(types));
    WriteSiteFile(drivesRoot, layout.SetupPath("Labeltyp"), LabelGeometryBytes(types));
}

}  // namespace vt::site
