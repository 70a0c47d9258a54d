// A resident's data file (<key>.~<station>), loaded as the print run loads each resident: once
// plain, once with tray labels (the dining rooms), bedtime snacks by the snack list and the
// name abbreviated. What is loaded keeps the shape that label drawing relies on.
#include "residents/resident_data.h"

#include "fuzz_station.h"

using namespace vt;

namespace {

void CheckDrawable(const AppState& st) {
    if (st.SkipResident == 1 || st.ResidentName.empty()) return;
    fuzz::Check(st.ResidentName.size() <= 6 + 1 + 25, "name longer than its fields");
    fuzz::Check(st.DietLine.size() <= 4 + 13 + 13 + 14 + 10, "diet line longer than its fields");
    const VbArray<std::string>* periods[] = {&st.PeriodNourish1, &st.PeriodNourish2,
                                             &st.PeriodNourish3};
    for (int p = 1; p <= 3; ++p) {
        fuzz::Check(st.PeriodCopies(p) >= 0 && st.PeriodCopies(p) <= 2, "copies outside 0 to 2");
        for (long k = 1; k <= 3; ++k) {
            fuzz::Check((*periods[p - 1])(k).size() <= 29, "a line wider than a label");
        }
    }
    for (const std::string* name : {&st.DiningName1, &st.DiningName2, &st.DiningName3}) {
        fuzz::Check(name->empty() || name->size() == 38, "dining room name of another width");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string key = site::demo::kKeyFollow;
    const auto station = fuzz::StationWith(site::DemoLayout().ResidentPath(key), data, size);
    AppState& st = station->app.st;
    st.ResidentId = key;

    for (const bool everything : {false, true}) {
        st.TrayLabelsOn = everything ? 1 : 0;
        st.RoutineHS = everything ? 1 : 0;
        st.PrivacyLevel = everything ? 4 : 0;
        st.SkipResident = 0;
        fuzz::Read([&] {
            LoadResident(station->app);
            CheckDrawable(st);
        });
    }
    return 0;
}
