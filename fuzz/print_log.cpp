// The station's print log (L1.<station>), read back and extended after every printed run, its
// first and last lines copied into unit 1's list and the log backed up.
#include "printing/print_log.h"

#include "fuzz_station.h"

using namespace vt;

namespace {

struct Files {
    std::string log, unitList, backup;
    std::string unitListBytes;
};

const Files& TheFiles() {
    static const Files files = [] {
        const AppState& st = fuzz::Started();
        Files f;
        f.log = st.SetupTable(23) + "\\setup\\L1." + st.StationCode;
        f.unitList = st.SetupTable(40) + "\\sfl1." + st.StationCode;
        f.backup = st.SetupTable(35) + "\\misc\\v1.1";
        f.unitListBytes = fuzz::Site::Get().Bytes(f.unitList);
        return f;
    }();
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Site& site = fuzz::Site::Get();
    const Files& files = TheFiles();
    // The files the last input's entry went into, as the demo site has them.
    site.Write(files.unitList, files.unitListBytes);
    site.Remove(files.backup);
    const auto station = fuzz::StationWith(files.log, data, size);
    AppState& st = station->app.st;
    st.PreviewMode = 0;
    LogP(station->app);
    // Every line of the log is 40 entries of three characters and CR LF.
    if (!st.LogLine.empty()) {
        fuzz::Check(st.LogLine.size() == 122 && st.LogLine.substr(120) == "\r\n",
                    "a log line without its line end");
    }
    return 0;
}
