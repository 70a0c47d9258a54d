#include "printing/label_drawing.h"

#include <algorithm>

#include "platform/text.h"

namespace vt {
namespace {

constexpr double kLineYNormal[] = {-kFirstLineAbove, 150, 310, 470, 630, 790};
constexpr double kLineYBold[] = {-kFirstLineAbove, 170, 350, 520, 690, 870};
constexpr double kPreviewTwipsPerPixel = 15;
// The frame's outline starts this far left of and above the label's corner.
constexpr double kFrameOutset = 10;
// Text may end this close past the edge without counting as cut (rounding of the font's
// advances).
constexpr double kCutTolerance = 0.5;
constexpr double kCutMarkWidth = 60;
constexpr unsigned kCutMarkRgb = 0xD00000;

// While a label is drawn, the surface draws only inside the label's own cell: its frame and its
// first line's cell, with the pen's width around them. A line too long for the label is cut at its
// edge instead of running onto the next resident's label or off the sheet.
class ClipToCell {
  public:
    ClipToCell(const AppState& st, double top) : surface_(*st.PrintTarget) {
        const double pen = std::max(1, surface_.DrawWidth()) * surface_.TwipsPerDeviceUnit();
        const double left = st.LabelLeft - kFrameOutset - pen;
        const double right = st.LabelLeft + st.LabelWidth + pen;
        surface_.SetClip(left, top - kFirstLineAbove - pen, right - left,
                         st.LabelHeight + kFirstLineAbove + 2 * pen);
    }
    ~ClipToCell() { surface_.NoClip(); }
    ClipToCell(const ClipToCell&) = delete;
    ClipToCell& operator=(const ClipToCell&) = delete;

  private:
    Surface& surface_;
};

// A text of the label at (x, y); one that runs past the label's right edge goes into the run
// report.
void PrintAt(AppState& st, double x, double y, const std::string& text) {
    Surface& s = *st.PrintTarget;
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    const double right = st.LabelLeft + st.LabelWidth;
    const double over = x + s.Print(text) - right;
    if (over <= kCutTolerance) return;
    // The preview marks the line at the label's edge, for the operator choosing a label type or
    // a font; paper never shows the mark.
    if (st.PreviewMode == 1)
        s.FillRect(right - kCutMarkWidth, y + 30, kCutMarkWidth, 150, kCutMarkRgb);
    st.Report.cutLines.push_back({st.UserLabelMode == 1 ? "" : st.ResidentId, st.LabelDateText,
                                  st.PeriodIndex == 5 ? "tray" : st.PeriodName, RTrim(text), over});
}

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

void DrawFrame(const AppState& st, double top) {
    DrawLabelFrame(st, st.LabelLeft, top);
}

void DrawTextLines(App& app) {
    AppState& st = app.st;
    std::string lines[6];
    if (st.UserLabelMode == 1) {
        for (int i = 0; i < 6; ++i) lines[i] = st.UserLines(i + 1);
    } else {
        lines[0] = st.PeriodIndex == 5 ? MealTag(st.MealIndex)
                                       : st.UnitName + " [" + st.PeriodName + "] " +
                                             st.LabelDayName + " " + st.LabelDateText;
        lines[1] = st.ResidentName;
        lines[2] = st.DietLine;
        lines[3] = st.NourishLine1;
        lines[4] = st.NourishLine2;
        lines[5] = st.NourishLine3;
    }
    const double* y = st.TextOffset == 50 ? kLineYBold : kLineYNormal;
    for (int i = 0; i < 6; ++i) {
        PrintAt(st, st.LabelLeft + st.TextIndent, st.LabelTop + y[i], lines[i]);
    }
}

void DrawBarcode(App& app, double frameTop) {
    AppState& st = app.st;
    Surface& s = *st.PrintTarget;
    Barcod& code = app.form1.Barcod1;
    const double l = st.LabelLeft;
    const double t = st.LabelTop;
    code.Text = st.PeriodLetter + st.ResidentId;
    if (st.PreviewMode == 1) {
        code.X = l / kPreviewTwipsPerPixel + 81;
        code.Y = t / kPreviewTwipsPerPixel + 50;
        // The preview shows the bars inside their label: the width stops at its right edge.
        code.Width = std::min<double>(st.TextIndent / 3.0,
                                      (l + st.LabelWidth) / kPreviewTwipsPerPixel - code.X);
        code.Height = 30;
    } else {
        code.X = l / st.BarcodeXYFactor + st.BarcodeLeftShift;
        code.Y = t / st.BarcodeXYFactor + st.BarcodeDownShift;
        code.Width = st.BarcodeWidth;
        code.Height = st.BarcodeHeight;
    }
    code.Draw(s);
    if (st.PreviewMode == 1 && st.NoFrame != 1) DrawFrame(st, frameTop);
    s.SetFontSize(8);
    s.SetFontBold(true);
    PrintAt(st, l, t + 1050, code.HumanReadable());
    s.SetFontBold(false);
    s.SetFontSize(9);
}

void DrawExpiration(App& app) {
    AppState& st = app.st;
    const double l = st.LabelLeft;
    const double t = st.LabelTop;
    if (st.BarcodeOn == 1) {
        PrintAt(st, l + st.LabelWidth - 400, t + 780, "Expires:");
        PrintAt(st, l + st.LabelWidth - 420, t + 950, st.ExpDateText);
    } else {
        PrintAt(st, l + 1300, t + 950,
                "expires on  " + LCase(st.ExpDayName) + "  " + st.ExpDateText);
    }
}

}  // namespace

void DrawLabelFrame(const AppState& st, double left, double top) {
    st.PrintTarget->Line(left - kFrameOutset, top - kFrameOutset, left + st.LabelWidth,
                         top + st.LabelHeight - 220, true);
}

double LabelTextIndent(const AppState& st) {
    return st.NoPhoto == 1 ? 100 : 1300;
}

void DrawMenu(App& app) {
    AppState& st = app.st;
    Surface& s = *st.PrintTarget;
    const double frameTop = st.LabelTop;
    const ClipToCell clip(st, frameTop);
    s.SetFontTransparent(false);
    if (st.NoFrame != 1) DrawFrame(st, frameTop);
    if (st.NoPhoto != 1) DrawLabelPicture(app);

    st.TextOffset = 0;
    if (app.form1.Check11.Value == 1) {
        s.SetFontSize(11);
        s.SetFontBold(true);
        st.TextOffset = 50;
    }
    app.form1.Label10.Caption = st.ResidentName;
    st.TextIndent = static_cast<Int16>(LabelTextIndent(st));
    // Tray labels print their lines lower; the frame and picture box stay where they are.
    if (st.PeriodIndex == 5) st.LabelTop += 150;

    DrawTextLines(app);
    if (st.BarcodeOn == 1) DrawBarcode(app, frameTop);
    if (st.DaysToExpire != 0) DrawExpiration(app);
}

}  // namespace vt
