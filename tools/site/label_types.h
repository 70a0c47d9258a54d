#pragma once
// The station's label type catalogue: the name list "LabList." (50 records of 52 bytes, the
// name in columns 1-50 and CR LF) and the geometry file "Labeltyp." (200-byte records, record n
// for label type n).
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "site/site_layout.h"

namespace vt::site {

// Sheet geometry in twips. Zero top, height, width or rows make the program use its defaults
// (400, 1430, 3600, 10); a column place of 0 means the column is not used.
struct LabelGeometry {
    std::string dateText;  // columns 1-10, the start date when it was stored; never read
    int top = 400;
    int height = 1430;
    int width = 3600;
    int rows = 10;
    std::array<int, 4> columnX{};
};

struct LabelType {
    std::string name;  // shown in the list cut to 25 characters
    LabelGeometry geometry;
};

inline constexpr std::size_t kLabelTypeSlots = 50;

// All 50 name records; types beyond the vector's length are blank names.
std::string LabelNameListBytes(const std::vector<LabelType>& types);
// One 200-byte record per type in the vector; numbers left-justified in 5 columns, written
// without a sign as the program stores them.
std::string LabelGeometryBytes(const std::vector<LabelType>& types);

// Writes both files; type n of the catalogue is types[n - 1]. Throws std::invalid_argument for
// more than 50 types.
void WriteLabelTypes(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                     const std::vector<LabelType>& types);

}  // namespace vt::site
