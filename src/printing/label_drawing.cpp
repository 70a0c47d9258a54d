#include "printing/label_drawing.h"

#include <algorithm>
#include <string>
#include <vector>

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

constexpr double kTwipsPerPoint = 20;
// A text's box reaches this many ems below its cell's top (the font's line, ascent to descent).
constexpr double kTextLineEms = 1.2;
// The bars keep this far from a text they make way for.
constexpr double kBarsClearance = 20;
// The font the expiration prints in after a barcode (its human-readable text sets it back).
constexpr double kAfterBarcodePoints = 9;

struct Box {
    double left, top, right, bottom;
    bool Overlaps(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// A text and where it goes.
struct Placed {
    double x, y;
    std::string text;
};

// What belongs to a label on the sheet: from its frame to where the next label of its row
// begins (the sheet's edge after the last column), from its first line down to where the next
// row's first line begins. Nothing of the label is drawn outside it, and every line that fits
// in it prints whole, also where the layout puts a line past the label's own width.
Box LabelCell(const AppState& st, double frameTop) {
    const Surface& s = *st.PrintTarget;
    const double pen = std::max(1, s.DrawWidth()) * s.TwipsPerDeviceUnit();
    double next = s.Width();
    for (int column = 1; column <= 4; ++column) {
        const double x = st.ColumnX(column);
        if (x > st.LabelLeft && x < next) next = x;
    }
    const double ownRight = st.LabelLeft + st.LabelWidth + pen;
    return {st.LabelLeft - kFrameOutset - pen, frameTop - kFirstLineAbove - pen,
            std::max(next - kFrameOutset - pen, ownRight),
            std::max(frameTop + st.LabelHeight - kFirstLineAbove, frameTop + 1)};
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

// One label being drawn: its cell is the surface's clip until it is done, and the boxes of the
// texts drawn so far are kept, so that the bars make way for them.
class LabelDrawing {
  public:
    explicit LabelDrawing(App& app)
        : app_(app),
          st_(app.st),
          s_(*app.st.PrintTarget),
          frameTop_(app.st.LabelTop),
          cell_(LabelCell(app.st, frameTop_)) {
        s_.SetClip(cell_.left, cell_.top, cell_.right - cell_.left, cell_.bottom - cell_.top);
    }
    ~LabelDrawing() { s_.NoClip(); }
    LabelDrawing(const LabelDrawing&) = delete;
    LabelDrawing& operator=(const LabelDrawing&) = delete;

    void Draw();

  private:
    void PrintAt(const Placed& placed);
    Box BoxOf(const Placed& placed, double width) const;
    void DrawTextLines();
    std::vector<Placed> ExpirationTexts();
    Box BarsClearOfTexts(Box bars);
    void DrawBarcode();
    void DrawExpiration();

    App& app_;
    AppState& st_;
    Surface& s_;
    const double frameTop_;
    const Box cell_;
    std::vector<Box> lines_;  // the text lines drawn, ink only
};

// The box of a text `width` twips wide at its place, in the current font.
Box LabelDrawing::BoxOf(const Placed& placed, double width) const {
    return {placed.x, placed.y, placed.x + width,
            placed.y + s_.FontSize() * kTwipsPerPoint * kTextLineEms};
}

// A text of the label; one that runs past the label's cell is cut there and goes into the run
// report.
void LabelDrawing::PrintAt(const Placed& placed) {
    s_.SetCurrentX(placed.x);
    s_.SetCurrentY(placed.y);
    const Box box = BoxOf(placed, s_.Print(placed.text));
    const double width = box.right - box.left;
    if (width > 0) lines_.push_back(box);
    const double over = placed.x + width - cell_.right;
    if (over <= kCutTolerance) return;
    // The preview marks the line at the cell's edge, for the operator choosing a label type or
    // a font; paper never shows the mark.
    if (st_.PreviewMode == 1) {
        s_.FillRect(cell_.right - kCutMarkWidth, placed.y + 30, kCutMarkWidth, 150, kCutMarkRgb);
    }
    st_.Report.cutLines.push_back({st_.UserLabelMode == 1 ? "" : st_.ResidentId, st_.LabelDateText,
                                   st_.PeriodIndex == 5 ? "tray" : st_.PeriodName,
                                   RTrim(placed.text), over});
}

void LabelDrawing::DrawTextLines() {
    std::string lines[6];
    if (st_.UserLabelMode == 1) {
        for (int i = 0; i < 6; ++i) lines[i] = st_.UserLines(i + 1);
    } else {
        lines[0] = st_.PeriodIndex == 5 ? MealTag(st_.MealIndex)
                                        : st_.UnitName + " [" + st_.PeriodName + "] " +
                                              st_.LabelDayName + " " + st_.LabelDateText;
        lines[1] = st_.ResidentName;
        lines[2] = st_.DietLine;
        lines[3] = st_.NourishLine1;
        lines[4] = st_.NourishLine2;
        lines[5] = st_.NourishLine3;
    }
    const double* y = st_.TextOffset == 50 ? kLineYBold : kLineYNormal;
    for (int i = 0; i < 6; ++i) {
        PrintAt({double(st_.LabelLeft + st_.TextIndent), st_.LabelTop + y[i], lines[i]});
    }
}

// The expiration's texts where the layout puts them. The date is food-safety information: where
// its place is too near the cell's edge for it, it moves left until it ends inside the cell.
std::vector<Placed> LabelDrawing::ExpirationTexts() {
    const double l = st_.LabelLeft;
    const double t = st_.LabelTop;
    const double w = st_.LabelWidth;
    std::vector<Placed> texts;
    if (st_.BarcodeOn == 1) {
        texts = {{l + w - 400, t + 780, "Expires:"}, {l + w - 420, t + 950, st_.ExpDateText}};
    } else {
        texts = {
            {l + 1300, t + 950, "expires on  " + LCase(st_.ExpDayName) + "  " + st_.ExpDateText}};
    }
    for (Placed& placed : texts) {
        const double width = s_.TextWidth(placed.text);
        if (placed.x + width > cell_.right) placed.x = std::max(l, cell_.right - width);
    }
    return texts;
}

// The bars where the settings put them, made way for the label's texts: below the lowest text
// line they would cross (as high as set, down to the cell's foot at most), and ending before
// the expiration texts beside them.
Box LabelDrawing::BarsClearOfTexts(Box bars) {
    const double height = bars.bottom - bars.top;
    for (const Box& line : lines_) {
        if (line.Overlaps(bars)) bars.top = std::max(bars.top, line.bottom + kBarsClearance);
    }
    bars.bottom = std::min(bars.top + height, cell_.bottom);
    if (st_.DaysToExpire != 0) {
        const double points = s_.FontSize();
        const bool bold = s_.FontBold();
        s_.SetFontSize(kAfterBarcodePoints);
        s_.SetFontBold(false);
        for (const Placed& placed : ExpirationTexts()) {
            const Box text = BoxOf(placed, s_.TextWidth(placed.text));
            if (text.Overlaps(bars)) bars.right = std::min(bars.right, text.left - kBarsClearance);
        }
        s_.SetFontSize(points);
        s_.SetFontBold(bold);
    }
    return bars;
}

void LabelDrawing::DrawBarcode() {
    Barcod& code = app_.form1.Barcod1;
    const double l = st_.LabelLeft;
    const double t = st_.LabelTop;
    code.Text = st_.PeriodLetter + st_.ResidentId;
    if (st_.PreviewMode == 1) {
        code.X = l / kPreviewTwipsPerPixel + 81;
        code.Y = t / kPreviewTwipsPerPixel + 50;
        // The preview shows the bars inside their label: the width stops at its right edge.
        code.Width = std::min<double>(st_.TextIndent / 3.0,
                                      (l + st_.LabelWidth) / kPreviewTwipsPerPixel - code.X);
        code.Height = 30;
    } else {
        code.X = l / st_.BarcodeXYFactor + st_.BarcodeLeftShift;
        code.Y = t / st_.BarcodeXYFactor + st_.BarcodeDownShift;
        code.Width = st_.BarcodeWidth;
        code.Height = st_.BarcodeHeight;
    }
    const double unit = s_.TwipsPerDeviceUnit();
    const Box set{code.X * unit, code.Y * unit, (code.X + code.Width) * unit,
                  (code.Y + code.Height) * unit};
    // Settings that give no box at all are left to the bars' own checks; a box that crosses no
    // text stays exactly as set.
    if (set.right > set.left && set.bottom > set.top) {
        const Box bars = BarsClearOfTexts(set);
        if (bars.top != set.top || bars.bottom != set.bottom) {
            code.Y = bars.top / unit;
            code.Height = std::max(0.0, bars.bottom - bars.top) / unit;
        }
        if (bars.right != set.right) code.Width = std::max(0.0, bars.right - bars.left) / unit;
    }
    code.Draw(s_);
    if (st_.PreviewMode == 1 && st_.NoFrame != 1) DrawLabelFrame(st_, l, frameTop_);
    s_.SetFontSize(8);
    s_.SetFontBold(true);
    PrintAt({l, t + 1050, code.HumanReadable()});
    s_.SetFontBold(false);
    s_.SetFontSize(kAfterBarcodePoints);
}

void LabelDrawing::DrawExpiration() {
    for (const Placed& placed : ExpirationTexts()) PrintAt(placed);
}

void LabelDrawing::Draw() {
    s_.SetFontTransparent(false);
    if (st_.NoFrame != 1) DrawLabelFrame(st_, st_.LabelLeft, frameTop_);
    if (st_.NoPhoto != 1) DrawLabelPicture(app_);

    st_.TextOffset = 0;
    if (app_.form1.Check11.Value == 1) {
        s_.SetFontSize(11);
        s_.SetFontBold(true);
        st_.TextOffset = 50;
    }
    app_.form1.Label10.Caption = st_.ResidentName;
    st_.TextIndent = static_cast<Int16>(LabelTextIndent(st_));
    // Tray labels print their lines lower; the frame and picture box stay where they are.
    if (st_.PeriodIndex == 5) st_.LabelTop += 150;

    DrawTextLines();
    if (st_.BarcodeOn == 1) DrawBarcode();
    if (st_.DaysToExpire != 0) DrawExpiration();
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
    LabelDrawing(app).Draw();
}

}  // namespace vt
