#pragma once
// A station's App over a temporary drives folder, configured as start-up leaves it (path table,
// station code, copy marks, printers), without running start-up.
#include <memory>
#include <string>

#include "app/app.h"
#include "site/site_layout.h"
#include "support/test_support.h"

namespace vt::test {

struct StationFixture {
    TestPlatform tp;
    site::SiteLayout layout;
    std::unique_ptr<App> app;

    StationFixture() {
        site::MakeFolders(tp.root(), layout);
        app = NewApp();
    }

    // A new App over the same files, as the next start of the program would see them.
    std::unique_ptr<App> NewApp() {
        auto a = std::make_unique<App>(tp.platform);
        AppState& st = a->st;
        st.SetupTable.ReDim(1, layout.paths.UBound());
        for (long i = 1; i <= layout.paths.UBound(); ++i) st.SetupTable(i) = layout.paths(i);
        st.SetupCount = static_cast<Int16>(layout.paths.UBound());
        st.StationCode = layout.station;
        st.LabListFile = layout.SetupPath("LabList");
        st.TwoCopyMark = "@";
        st.ThreeCopyMark = "#";
        for (const std::string& name : tp.printers.names) a->form1.Combo1.AddItem(name);
        return a;
    }

    std::filesystem::path Host(const std::string& winPath) const { return tp.Host(winPath); }
    std::string Bytes(const std::string& winPath) const { return ReadHostFile(Host(winPath)); }
};

// Week 1's snack list about to be opened in the editor at screen size 2, its title made from
// `facility` and the station's date `stationDate` ("mm-dd-yy").
inline void SnackWeekOne(AppState& st, const std::string& facility,
                         const std::string& stationDate) {
    st.SnackWeek = 1;
    st.ScreenSize = 2;
    st.FacilityName = facility;
    st.StationDates(1) = stationDate;
}

}  // namespace vt::test
