// The setup file (c:\zel\setup\F.ZRB): found and read as start-up finds and reads it. A file
// without units or without a path table is refused as start-up documents it; what is read is
// checked for the ranges every later step relies on.
#include "program/setup_file.h"

#include "fuzz_station.h"
#include "platform/numbers.h"
#include "platform/text.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Site& site = fuzz::Site::Get();
    site.Write(kSetupFileOnC, data, size);
    const auto station = site.NewStation(fuzz::Station::Start::Fresh);
    AppState& st = station->app.st;

    FindSetupFile(station->app);
    try {
        ReadSetupFile(station->app);
    } catch (const SubscriptError& e) {
        // The refusal of a file without units or without a path table.
        if (std::string_view(e.what()).rfind("setup file: ", 0) == 0) return 0;
        fuzz::Finding(std::string("SubscriptError: ") + e.what());
    } catch (const FileError&) {
        return 0;
    } catch (const std::exception& e) {
        fuzz::Finding(e.what());
    }
    fuzz::Check(st.UnitCount >= 1 && st.SetupCount >= 1, "no units or no path table");
    fuzz::Check(st.UnitNames.LBound() == 1 && st.UnitNames.UBound() == st.UnitCount &&
                    st.UnitSizes.UBound() == st.UnitCount,
                "unit tables not of the unit count");
    fuzz::Check(st.SetupTable.LBound() == 1 && st.SetupTable.UBound() == st.SetupCount,
                "path table not of its count");
    fuzz::Check(st.DefaultUnit >= 1 && st.DefaultUnit <= st.UnitCount, "default unit not a unit");
    fuzz::Check(st.ScreenSize >= 1 && st.ScreenSize <= 4, "screen size outside 1 to 4");
    const double month = Val(Left(st.StationDates(1), 2));
    fuzz::Check(month >= 1 && month <= 12, "station date without a month");
    fuzz::Check(st.SetupTable(1) == st.SetupFolder, "path 1 is not the setup folder");
    return 0;
}
