#pragma once
// The station's label settings file "Labelset.": two 100-byte records behind the main
// window's controls. Defaults are the window's design values.
#include <array>
#include <filesystem>
#include <string>

#include "site/site_layout.h"

namespace vt::site {

struct LabelSettings {
    // Record 1.
    int labelTypeNo = 1;    // columns 1-2
    std::string startDate;  // columns 3-12, "mm-dd-yyyy" (any text, to test checking)
    int daysToPrint = 1;    // 55-56
    int firstUnit = 1;      // 57-58
    int lastUnit = 1;       // 59-60
    int inkjet = 0;         // 65
    int firstResident = 1;  // 66-68
    int lastResident = 60;  // 69-71
    std::array<int, 4> periodOn{1, 0, 0, 0};  // 88-91, check box states 0, 1 or 2
    int noPhoto = 0;                          // 92
    int noFrame = 0;                          // 93
    int routineHS = 0;                        // 94
    int snackWeek = 1;                        // 95-99: a 1 in column 94 + week; 0 selects none
    int bold = 0;                             // 100

    // Record 2.
    std::string printerName = "Vittlon PDF";  // columns 1-30
    int thisFont = 0;                         // 31
    int barcodeOn = 0;                        // 32
    int snackMenuOn = 1;                      // 33
    // Signed barcode fields: 0 leaves the field blank, as the program never writes a 0 there.
    int barcodeWidth = 460;        // 34-36
    int barcodeLeftShift = 290;    // 37-40
    int barcodeDownShift = 170;    // 41-44
    int barcodeHeight = 80;        // 45-48
    double barcodeXYFactor = 4.8;  // 49-53
    int barcodeType = 3;           // 54-55: 3 Code 39, 6 Code 128
    // Period check box captions; the file keeps their first four characters ("&10a").
    std::array<std::string, 4> periodCaptions{"&10am", "&2pm", "&3pm", "HS"};
    int privacyLevel = 0;  // 72
    int daysToExpire = 0;  // 73-74
    int trayLabels = 0;    // 75
};

std::string LabelSettingsBytes(const LabelSettings& settings);

void WriteLabelSettings(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                        const LabelSettings& settings);

}  // namespace vt::site
