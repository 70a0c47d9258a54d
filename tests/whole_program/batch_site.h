#pragma once
// A station for running the program as a scheduled job: one unit of residents, labels three
// across and ten down without pictures, a start date tomorrow, and the automatic-print marker.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>

#include "platform/date.h"
#include "site/label_settings.h"
#include "site/label_types.h"
#include "site/resident_file.h"
#include "site/setup_file.h"
#include "site/site_layout.h"
#include "site/small_files.h"
#include "site/snack_template.h"
#include "site/unit_file.h"
#include "support/label_state.h"

namespace vt::test {

// Today as the program sees it.
inline Date Today() {
    const auto now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return Date(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                static_cast<unsigned>(local.tm_mday));
}

// days, periods: how many days the labels are for and how many of the four periods each
// resident has a nourishment in (a long run: 60 residents, 4 periods, 5 days are 40 sheets).
inline void WriteBatchSite(const std::filesystem::path& drives, int residents,
                           const std::string& printerName, const Date& today, int days = 1,
                           int periods = 1) {
    site::SiteLayout layout;
    site::MakeFolders(drives, layout);
    site::SetupFile setup = site::SetupFileFor(layout);
    setup.facilityName = "ELM HOUSE";
    setup.units = {{60, "EAST WING"}};
    setup.stationDates[1] = today.ShortText();
    site::WriteSetupFile(drives, layout.SetupFilePath(), setup);

    std::vector<std::string> keys;
    for (int i = 1; i <= residents; ++i) {
        site::Resident r;
        r.key = std::to_string(1000 + i);
        r.location = "E" + std::to_string(100 + i);
        r.name = "Resident" + std::to_string(i) + ", Pat";
        r.diets[0] = {5, "REGULAR"};
        for (int p = 0; p < periods; ++p) {
            r.nourishments[static_cast<std::size_t>(p)] = {"Juice " + std::to_string(i), "", ""};
        }
        site::WriteResidentFile(drives, layout, r);
        keys.push_back(r.key);
    }
    site::WriteUnitFile(drives, layout, 1, keys);

    site::LabelSettings settings = SettingsWithoutPictures(today.AddDays(1).Text(), residents);
    settings.printerName = printerName;
    settings.daysToPrint = days;
    for (int p = 0; p < periods; ++p) settings.periodOn[static_cast<std::size_t>(p)] = 1;
    site::WriteLabelSettings(drives, layout, settings);
    site::WriteLabelTypes(drives, layout, {{"3 x 10", ThreeAcrossSheet()}});
    site::WriteSnackTemplate(drives, layout, 1, "1", site::SnackTemplate{});
    site::WriteAutoPrintMarker(drives, layout);
}

}  // namespace vt::test
