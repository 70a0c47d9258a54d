// A unit's resident list (sfl<unit>.<station>): the keys of its slots, read by the print run
// before any of the unit's labels is drawn. One day's 10am labels of unit 1 are printed.
#include "fuzz_station.h"
#include "printing/print_run_loops.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(site::DemoLayout().UnitPath(1), data, size);
    AppState& st = station->app.st;

    st.PreviewMode = 0;
    st.PrintTarget = &station->printers.Printer();
    st.DaysToPrint = 1;
    st.FirstUnit = st.LastUnit = 1;
    st.PeriodOn(1) = 1;
    for (int p = 2; p <= 4; ++p) st.PeriodOn(p) = 0;
    st.TrayLabelsOn = 0;
    st.NoPhoto = 1;
    st.ColumnNo = st.RowNo = 1;
    st.MealIndex = 1;
    fuzz::Read([&] { PrintDays(station->app, RunRequestOf(st)); });
    return 0;
}
