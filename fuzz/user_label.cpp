// The user-defined label's text (ULabel.<station>), read into the simple window and split into
// label lines as the settings load reads it.
#include "fuzz_station.h"
#include "settings/station_files.h"
#include "settings/user_label_text.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(UserLabelPath(fuzz::Started()), data, size);
    AppState& st = station->app.st;

    st.ULabelUnsaved = 0;
    fuzz::Read([&] {
        LoadUserLabel(station->app);
        fuzz::Check(st.ULabelText.size() <= size, "a text longer than its file");
        for (long i = 1; i <= 7; ++i) {
            fuzz::Check(st.UserLines(i).find("\r\n") == std::string::npos || i == 7 ||
                            st.UserLines(i + 1).empty(),
                        "a line break inside a label line that is not the last");
        }
    });
    return 0;
}
