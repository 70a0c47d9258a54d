#include "printing/label_from_state.h"

#include <iterator>

#include "printing/label_drawing.h"
#include "printing/label_picture.h"

namespace vt {
namespace {

std::string MealTag(Int16 meal) {
    switch (meal) {
        case 1:
            return " [Breakfast] ";
        case 2:
            return " [Lunch] ";
        case 3:
            return " [Supper]";
        default:
            return "";
    }
}

}  // namespace

LabelContent LabelContentOf(App& app, const RunRequest& run) {
    const AppState& st = app.st;
    const bool user = run.userLabels;
    const bool tray = st.PeriodIndex == kTrayPeriod;
    LabelContent content;
    if (user) {
        for (std::size_t i = 0; i < 6; ++i) content.lines[i] = st.UserLines(long(i) + 1);
    } else {
        content.lines = {tray ? MealTag(st.MealIndex)
                              : st.UnitName + " [" + st.PeriodName + "] " + st.LabelDayName + " " +
                                    st.LabelDateText,
                         st.ResidentName,
                         st.DietLine,
                         st.NourishLine1,
                         st.NourishLine2,
                         st.NourishLine3};
    }
    if (st.NoPhoto != 1) {
        LabelPictureFound found = FindLabelPicture(app, run);
        content.picture = std::move(found.picture);
        content.screen = found.screen;
    }
    if (st.BarcodeOn == 1) content.barcode = st.PeriodLetter + st.ResidentId;
    if (st.DaysToExpire != 0) content.expiration = {{st.ExpDayName, st.ExpDateText}};
    content.residentId = user ? "" : st.ResidentId;
    content.date = st.LabelDateText;
    content.period = tray ? "tray" : st.PeriodName;
    return content;
}

LabelStyle LabelStyleOf(const App& app, const RunRequest& run) {
    const AppState& st = app.st;
    LabelStyle style;
    style.sheet = SheetGeometry::Of(st);
    style.frame = st.NoFrame != 1;
    style.pictureBox = st.NoPhoto != 1;
    style.bold = app.form1.Check11.Value == 1;
    style.tray = st.PeriodIndex == kTrayPeriod;
    style.preview = run.Preview();
    style.bars = {double(st.BarcodeWidth),     double(st.BarcodeHeight),
                  double(st.BarcodeLeftShift), double(st.BarcodeDownShift),
                  st.BarcodeXYFactor,          app.form1.Barcod1.Symbology};
    return style;
}

void DrawRunLabel(App& app, const RunRequest& run) {
    AppState& st = app.st;
    const LabelStyle style = LabelStyleOf(app, run);
    const LabelContent content = LabelContentOf(app, run);
    app.form1.Label10.Caption = st.ResidentName;
    LabelDrawn drawn =
        DrawLabel(*st.PrintTarget, {double(st.LabelLeft), double(st.LabelTop)}, content, style);
    std::move(drawn.cutLines.begin(), drawn.cutLines.end(), std::back_inserter(st.Report.cutLines));
    if (content.barcode) app.form1.Barcod1 = drawn.bars;
}

void DrawMenu(App& app) {
    DrawRunLabel(app, RunRequestOf(app.st));
}

}  // namespace vt
