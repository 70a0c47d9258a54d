#include "site/label_settings.h"

#include "platform/numbers.h"
#include "platform/record_image.h"
#include "site/site_files.h"

namespace vt::site {

namespace {

std::string Digit(int state) {
    return NumText(state);
}

void PutSigned(RecordImage& file, std::size_t start, std::size_t width, double value) {
    if (value != 0) file.Put(2, start, width, NumText(value));
}

}  // namespace

std::string LabelSettingsBytes(const LabelSettings& s) {
    RecordImage file(100);
    file.Reserve(2);

    file.Put(1, 1, 2, NumText(s.labelTypeNo));
    file.Put(1, 3, 10, s.startDate);
    file.Put(1, 55, 2, NumText(s.daysToPrint));
    file.Put(1, 57, 2, NumText(s.firstUnit));
    file.Put(1, 59, 2, NumText(s.lastUnit));
    file.Put(1, 65, 1, Digit(s.inkjet));
    file.Put(1, 66, 3, NumText(s.firstResident));
    file.Put(1, 69, 3, NumText(s.lastResident));
    for (std::size_t k = 0; k < 4; ++k) file.Put(1, 88 + k, 1, Digit(s.periodOn[k]));
    file.Put(1, 92, 1, Digit(s.noPhoto));
    file.Put(1, 93, 1, Digit(s.noFrame));
    file.Put(1, 94, 1, Digit(s.routineHS));
    for (int week = 1; week <= 5; ++week) {
        file.Put(1, 94 + static_cast<std::size_t>(week), 1, week == s.snackWeek ? "1" : "0");
    }
    file.Put(1, 100, 1, Digit(s.bold));

    file.Put(2, 1, 30, s.printerName);
    file.Put(2, 31, 1, Digit(s.thisFont));
    file.Put(2, 32, 1, Digit(s.barcodeOn));
    file.Put(2, 33, 1, Digit(s.snackMenuOn));
    PutSigned(file, 34, 3, s.barcodeWidth);
    PutSigned(file, 37, 4, s.barcodeLeftShift);
    PutSigned(file, 41, 4, s.barcodeDownShift);
    PutSigned(file, 45, 4, s.barcodeHeight);
    PutSigned(file, 49, 5, s.barcodeXYFactor);
    file.Put(2, 54, 2, NumText(s.barcodeType));
    for (std::size_t k = 0; k < 4; ++k) file.Put(2, 56 + 4 * k, 4, s.periodCaptions[k]);
    file.Put(2, 72, 1, NumText(s.privacyLevel));
    // The window stores 0 for a days-to-expire value it cannot keep in two columns.
    const bool expiryFits = s.daysToExpire >= 0 && s.daysToExpire <= 99;
    file.Put(2, 73, 2, NumText(expiryFits ? s.daysToExpire : 0));
    file.Put(2, 75, 1, Digit(s.trayLabels));
    return file.bytes();
}

void WriteLabelSettings(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                        const LabelSettings& settings) {
    WriteSiteFile(drivesRoot, layout.SetupPath("Labelset"), LabelSettingsBytes(settings));
}

}  // namespace vt::site
