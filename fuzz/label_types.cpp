// The label type geometry file (Labeltyp.<station>), read by GetTyp for each type the list
// offers, as a choice in the label type list does.
#include "fuzz_station.h"
#include "settings/label_type_catalogue.h"
#include "settings/station_files.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(LabelGeometryPath(fuzz::Started()), data, size);
    AppState& st = station->app.st;

    for (Int32 type = 1; type <= 25; ++type) {
        st.LabelTypeNo = type;
        fuzz::Read([&] {
            GetTyp(station->app);
            // A stored 0 stands for the design size: no sheet is ever laid out with none.
            fuzz::Check(st.SheetTypeLoaded == type, "geometry read without its type");
            fuzz::Check(st.TopMargin != 0 && st.LabelHeight != 0 && st.LabelWidth != 0 &&
                            st.RowsPerPage != 0,
                        "a sheet size of 0");
        });
    }
    return 0;
}
