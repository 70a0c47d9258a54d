// The week's snack list (Snk<week>.<station>) as the print run reads it: the label day's items
// and diet code ranges, for each day of the week, followed by a resident whose bedtime line is
// "FOLLOW".
#include "fuzz_station.h"
#include "printing/day_snack_table.h"
#include "residents/resident_data.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(fuzz::Started().SnackFile, data, size);
    AppState& st = station->app.st;

    for (int day = 0; day < 7; ++day) {
        st.LabelDate = fuzz::Today().AddDays(day);
        st.ResidentId = site::demo::kKeyFollow;
        st.SkipResident = 0;
        fuzz::Read([&] {
            ReadDaySnacks(station->app);
            LoadResident(station->app);
            for (long k = 1; k <= 3; ++k) {
                fuzz::Check(st.PeriodNourish4(k).size() <= 10 + 20, "a bedtime line too wide");
            }
        });
    }
    return 0;
}
