// The label settings file (Labelset.<station>), read by GetSet as start-up and every store in
// the main window read it. The station's other files are whole, so every field the settings
// file holds, damaged or not, is taken or falls back to its default: the read goes through.
#include "settings/label_settings.h"

#include "fuzz_station.h"
#include "settings/station_files.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(LabelSettingsPath(fuzz::Started()), data, size);
    AppState& st = station->app.st;

    GetSet(station->app);
    fuzz::Check(st.SettingsFailure.empty(), "settings read in part: " + st.SettingsFailure);
    fuzz::Check(st.SettingsLoading == 0 && st.ListFilling == 0, "window guards left set");
    fuzz::Check(st.LabelTypeNo >= 1 && st.LabelTypeNo <= 25, "label type outside 1 to 25");
    fuzz::Check(st.SheetTypeLoaded == st.LabelTypeNo, "sheet geometry not of the label type");
    return 0;
}
