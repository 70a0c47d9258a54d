// The dining file (dining.<station>): the dining rooms of tray labels, looked up for residents
// of each kind of dining code as their data files are loaded.
#include "fuzz_station.h"
#include "residents/resident_data.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(site::DemoLayout().DiningPath(), data, size);
    AppState& st = station->app.st;

    st.TrayLabelsOn = 1;
    // Main dining room, a lower-case code, the assisted room, the garden room, in the room.
    for (const char* key : {"1001", site::demo::kKeyBmp, "2003", "3001", "2011"}) {
        st.ResidentId = key;
        st.SkipResident = 0;
        fuzz::Read([&] {
            LoadResident(station->app);
            for (const std::string* name : {&st.DiningName1, &st.DiningName2, &st.DiningName3}) {
                fuzz::Check(name->empty() || name->size() == 38, "a room name of another width");
            }
        });
    }
    return 0;
}
