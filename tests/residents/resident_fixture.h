#pragma once
#include "printing/day_snack_table.h"
#include "residents/dining_file.h"
#include "residents/resident_data.h"
#include "site/resident_file.h"
#include "site/snack_template.h"
#include "support/station_fixture.h"

namespace vt::test {

// The dining room GetDining finds for a code (trimmed and upper-cased as its callers pass it).
inline std::string LookUpDining(StationFixture& f, const std::string& code) {
    return GetDining(*f.app, code);
}

// One resident written to the data folder and loaded, with an empty day snack table unless a
// test writes a snack list.
struct ResidentFixture : StationFixture {
    site::Resident resident;

    ResidentFixture() {
        resident.key = "1234";
        resident.location = "E101A";
        resident.name = "Smith, John";
        resident.diets[0] = {5, "REGULAR"};
        app->st.LabelDate = Date(2026, 12, 6);  // a Sunday
    }

    void Load() {
        site::WriteResidentFile(tp.root(), layout, resident);
        ReadDaySnacks(*app);
        app->st.ResidentId = resident.key;
        app->st.SkipResident = 0;
        LoadResident(*app);
    }

    // A snack list whose first rows have the given ranges and items "row<r> item<k>".
    void WriteSnackList(const std::vector<std::array<int, 4>>& ranges) {
        site::SnackTemplate t;
        for (std::size_t r = 0; r < ranges.size(); ++r) {
            auto& row = t.rows[r];
            row.rangeALow = ranges[r][0];
            row.rangeAHigh = ranges[r][1];
            row.rangeBLow = ranges[r][2];
            row.rangeBHigh = ranges[r][3];
            for (std::size_t k = 0; k < 3; ++k) {
                row.items[0][k] = "row" + std::to_string(r + 1) + " item" + std::to_string(k + 1);
            }
        }
        const std::string path = layout.SnackListPath(1);
        WriteHostFile(Host(path), site::SnackTemplateBytes(t));
        app->st.SnackFile = path;
    }

    const std::string& Hs(long k) const { return app->st.PeriodNourish4(k); }
};

}  // namespace vt::test
