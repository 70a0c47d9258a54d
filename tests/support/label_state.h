#pragma once
// The labels tests start from: one label as values for DrawLabel, the same label as the print
// run leaves the state just before DrawMenu, and the label files of a small station (its sheet
// and settings).
#include <string>

#include "app/app.h"
#include "platform/surface.h"
#include "printing/label_content.h"
#include "site/label_settings.h"
#include "site/label_types.h"

namespace vt::test {

// Resident 1234's 10am label on the east wing, dated Tuesday 12-08-26; no bars, no expiration.
inline LabelContent SmithsLabel() {
    LabelContent content;
    content.lines = {"EAST W [10am] Tue 12-08-26", "E101A Smith, John",  "REGULAR",
                     "Orange juice 4 oz",          std::string(29, ' '), std::string(29, ' ')};
    content.residentId = "1234";
    content.date = "12-08-26";
    content.period = "10am";
    return content;
}
inline const LabelContent::Expiration kSmithsExpiration{"Thu", "12-10-26"};

// Labels `width` x `pitch` twips with frame and picture box, the bars of a 300 dpi printer in
// Code 128, on a sheet with no other column.
inline LabelStyle PrinterLabelStyle(double width, double pitch) {
    LabelStyle style;
    style.sheet.width = width;
    style.sheet.rowPitch = pitch;
    style.bars = {460, 80, 290, 170, 4.8f, Barcod::kCode128};
    return style;
}

// Resident 1234's 10am label on the east wing at (4000, 2000), 3600 x 1430 twips, dated Tuesday
// 12-08-26 and expiring on the Thursday, with the barcode sizes of a 300 dpi printer (Code 128
// when barcodes are on); drawn on `surface` in 9 point. A test changes what it looks at.
inline void PutLabel(App& app, Surface& surface) {
    AppState& st = app.st;
    st.PrintTarget = &surface;
    st.LabelLeft = 4000;
    st.LabelTop = 2000;
    st.LabelWidth = 3600;
    st.LabelHeight = 1430;
    st.ResidentId = "1234";
    st.ResidentName = "E101A Smith, John";
    st.DietLine = "REGULAR";
    st.NourishLine1 = "Orange juice 4 oz";
    st.NourishLine2 = std::string(29, ' ');
    st.NourishLine3 = std::string(29, ' ');
    st.UnitName = "EAST W";
    st.PeriodName = "10am";
    st.PeriodIndex = 1;
    st.PeriodLetter = "M";
    st.LabelDayName = "Tue";
    st.LabelDateText = "12-08-26";
    st.BarcodeWidth = 460;
    st.BarcodeLeftShift = 290;
    st.BarcodeDownShift = 170;
    st.BarcodeHeight = 80;
    st.BarcodeXYFactor = 4.8f;
    st.ExpDayName = "Thu";
    st.ExpDateText = "12-10-26";
    app.form1.Barcod1.Symbology = Barcod::kCode128;
    surface.SetFontSize(9);
}

// The sheet the test stations print on: three labels across and ten down, 3780 x 1440 twips.
inline site::LabelGeometry ThreeAcrossSheet() {
    return {"", 720, 1440, 3780, 10, {270, 4230, 8190, 0}};
}

// The state's sheet geometry set to that sheet, without pictures, as the test sheet reads it.
inline void UseThreeAcrossSheet(AppState& st) {
    const site::LabelGeometry sheet = ThreeAcrossSheet();
    st.TopMargin = sheet.top;
    st.LabelHeight = sheet.height;
    st.LabelWidth = sheet.width;
    st.RowsPerPage = static_cast<Int16>(sheet.rows);
    for (int column = 1; column <= 3; ++column) {
        st.ColumnX(column) = sheet.columnX[static_cast<std::size_t>(column - 1)];
    }
    st.NoPhoto = 1;
}

// Settings that print without pictures from `startDate` on, residents 1 to `lastResident` of
// each unit; the window's design values otherwise.
inline site::LabelSettings SettingsWithoutPictures(const std::string& startDate, int lastResident) {
    site::LabelSettings settings;
    settings.startDate = startDate;
    settings.noPhoto = 1;
    settings.lastResident = lastResident;
    return settings;
}

}  // namespace vt::test
