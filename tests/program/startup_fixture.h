#pragma once
// A small working site for start-up tests: the default layout, two units, the default unit's
// resident list, and everything written where start-up looks.
#include <filesystem>
#include <string>

#include "app/app.h"
#include "site/setup_file.h"
#include "site/site_layout.h"
#include "site/unit_file.h"
#include "support/test_support.h"

namespace vt::test {

struct StartupSite {
    TestPlatform tp;
    site::SiteLayout layout;
    site::SetupFile setup;
    App app{tp.platform};

    StartupSite() {
        setup = site::SetupFileFor(layout);
        setup.facilityName = "  ELM HOUSE  ";
        setup.units = {{18, "EAST WING           "}, {12, "WEST"}};
        setup.stationDates[1] = "11-30-26";
        site::MakeFolders(tp.root(), layout);
    }

    // Write the setup file at its usual place and the default unit's resident list.
    void Write(const std::string& setupPath = "c:\\zel\\setup\\F.ZRB") {
        site::WriteSetupFile(tp.root(), setupPath, setup);
        site::WriteUnitFile(tp.root(), layout, 1, {"1001"});
    }

    std::filesystem::path Host(const std::string& winPath) const { return tp.Host(winPath); }
    bool Exists(const std::string& winPath) const { return std::filesystem::exists(Host(winPath)); }
};

}  // namespace vt::test
