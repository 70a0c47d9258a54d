#pragma once
// A facility for benchmarks: `units` nursing units of `residents` each, every resident with
// lines in all four periods and dining rooms for tray labels.
#include <filesystem>

#include "platform/date.h"
#include "site/dining_file.h"
#include "site/label_settings.h"
#include "site/label_types.h"
#include "site/resident_file.h"
#include "site/setup_file.h"
#include "site/snack_template.h"
#include "site/unit_file.h"
#include "support/label_state.h"

namespace vt::bench {

// The settings that print every label of such a facility for `days` days from 2030: all four
// periods and tray labels, with Code 128 barcodes, no pictures.
inline site::LabelSettings FacilitySettings(int units, int residents, int days) {
    site::LabelSettings settings =
        test::SettingsWithoutPictures(Date(2030, 1, 1).Text(), residents);
    settings.daysToPrint = days;
    settings.firstUnit = 1;
    settings.lastUnit = units;
    settings.periodOn = {1, 1, 1, 1};
    settings.trayLabels = 1;
    settings.barcodeOn = 1;
    settings.barcodeType = 6;
    settings.snackMenuOn = 0;
    return settings;
}

inline void WriteFacility(const std::filesystem::path& drives, int units, int residents,
                          const site::LabelSettings& settings) {
    site::SiteLayout layout;
    site::MakeFolders(drives, layout);
    site::SetupFile setup = site::SetupFileFor(layout);
    setup.facilityName = "BENCH HOUSE";
    for (int u = 1; u <= units; ++u)
        setup.units.push_back({residents, "UNIT " + std::to_string(u) + " WING"});
    setup.stationDates[1] = "12-08-26";
    site::WriteSetupFile(drives, layout.SetupFilePath(), setup);
    site::WriteDiningFile(drives, layout, {{"MDR", "Main Dining Room"}, {"GDN", "Garden Room"}});
    for (int u = 1; u <= units; ++u) {
        std::vector<std::string> keys;
        for (int s = 1; s <= residents; ++s) {
            site::Resident r;
            r.key = std::to_string(u * 1000 + s);
            r.location = std::to_string(u) + "-" + std::to_string(s);
            r.name = "Resident" + std::to_string(s) + ", Patricia";
            r.diets[0] = {5, "MECH SOFT"};
            r.diets[1] = {7, "NAS"};
            r.diningCodes = {"MDR", "GDN", "MDR"};
            r.nourishments = {{{"Orange juice 4 oz", "Graham crackers", ""},
                               {"Ensure Plus 8 oz", ""},
                               {"Applesauce 4 oz", "", ""},
                               {"Milk 2% 8 oz", "Vanilla wafers", ""}}};
            site::WriteResidentFile(drives, layout, r);
            keys.push_back(r.key);
        }
        site::WriteUnitFile(drives, layout, u, keys);
    }
    site::WriteLabelSettings(drives, layout, settings);
    site::WriteLabelTypes(drives, layout, {{"3 x 10", test::ThreeAcrossSheet()}});
    site::WriteSnackTemplate(drives, layout, 1, "1", site::SnackTemplate{});
}

}  // namespace vt::bench
