#include "site/demo_site.h"

#include "site/pictures.h"
#include "site/setup_file.h"
#include "site/small_files.h"
#include "site/unit_file.h"

namespace vt::site {

namespace {

// A different background for each resident, so the pictures can be told apart.
Rgb PictureColour(int unit, int slot) {
    return {60 + 40 * unit, 90 + 6 * slot, 200 - 5 * slot};
}

void WritePicture(const std::filesystem::path& root, const SiteLayout& layout,
                  const DemoResident& r) {
    const std::string& key = r.resident.key;
    const Rgb colour = PictureColour(r.unit, r.slot);
    switch (r.picture) {
        case DemoPicture::None:
            return;
        case DemoPicture::Jpeg:
            WriteResidentPicture(root, layout, key, PictureKind::Jpeg, colour);
            return;
        case DemoPicture::Asz:
            WriteResidentPicture(root, layout, key, PictureKind::Asz, colour);
            return;
        case DemoPicture::Gif:
            WriteResidentPicture(root, layout, key, PictureKind::Gif, colour);
            return;
        case DemoPicture::Bmp:
            WriteResidentPicture(root, layout, key, PictureKind::Bmp, colour);
            return;
        case DemoPicture::ScreenedAsz:
            WriteResidentPicture(root, layout, key, PictureKind::Asz, colour);
            WriteScreenMarker(root, layout, key, "3 ");
            return;
        case DemoPicture::NoPicture:
            // A stored picture that the marker keeps off the label.
            WriteResidentPicture(root, layout, key, PictureKind::Asz, colour);
            WriteNoPictureMarker(root, layout, key);
            return;
    }
}

SetupFile DemoSetupFile(const SiteLayout& layout, const Date& today) {
    SetupFile setup = SetupFileFor(layout);
    setup.defaultUnit = demo::kDefaultUnit;
    setup.facilityName = demo::kFacilityName;
    for (int u = 0; u < demo::kUnitCount; ++u) {
        setup.units.push_back({demo::kUnitSizes[static_cast<std::size_t>(u)],
                               demo::kUnitNames[static_cast<std::size_t>(u)]});
    }
    setup.stationDates[1] = today.ShortText();
    setup.stationDates[2] = today.AddDays(-1).ShortText();
    setup.stationDates[3] = today.AddDays(-7).ShortText();
    setup.screenSize = 2;
    return setup;
}

}  // namespace

void BuildDemoSite(const std::filesystem::path& drivesRoot, const Date& today, bool autoPrint) {
    const SiteLayout layout = DemoLayout();
    MakeFolders(drivesRoot, layout);

    WriteSetupFile(drivesRoot, layout.SetupFilePath(), DemoSetupFile(layout, today));
    WriteSiteTitle(drivesRoot, layout, demo::kSiteTitle);
    WriteLabelSettings(drivesRoot, layout, DemoLabelSettings(today));
    WriteLabelTypes(drivesRoot, layout, DemoLabelTypes(today));
    WriteDiningFile(drivesRoot, layout, DemoDiningRooms());
    WriteUserLabelText(drivesRoot, layout, demo::kUserLabelText);

    for (int unit = 1; unit <= demo::kUnitCount; ++unit) {
        WriteUnitFile(drivesRoot, layout, unit, DemoUnitKeys(unit));
    }
    for (const DemoResident& r : DemoResidents()) {
        WriteResidentFile(drivesRoot, layout, r.resident);
        WritePicture(drivesRoot, layout, r);
    }

    // The station's own template and the last-choice one every station falls back to.
    SnackTemplate snacks = DemoSnackTemplate();
    WriteSnackTemplate(drivesRoot, layout, 1, "1", snacks);
    snacks.notes[3] = std::string(" Station ") + demo::kStation + " template.";
    WriteSnackTemplate(drivesRoot, layout, 1, layout.station, snacks);

    if (autoPrint) WriteAutoPrintMarker(drivesRoot, layout);
}

}  // namespace vt::site
