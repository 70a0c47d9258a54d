#include "printing/label_drawing.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text.h"
#include "platform/units.h"

namespace vt {
namespace {

constexpr double kLineYNormal[] = {-kFirstLineAbove, 150, 310, 470, 630, 790};
constexpr double kLineYBold[] = {-kFirstLineAbove, 170, 350, 520, 690, 870};
constexpr double kTrayLinesLower = 150;
constexpr double kPictureSize = 1200;  // twips
constexpr int kScreenLines = 32;
constexpr double kScreenPitch = 30;
// The frame's outline starts this far left of and above the label's corner.
constexpr double kFrameOutset = 10;
// Text may end this close past the edge without counting as cut (rounding of the font's
// advances).
constexpr double kCutTolerance = 0.5;
constexpr double kCutMarkWidth = 60;
constexpr unsigned kCutMarkRgb = 0xD00000;

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
Box LabelCell(const Surface& s, const SheetGeometry& sheet, LabelPlace frame) {
    const double pen = std::max(1, s.DrawWidth()) * s.TwipsPerDeviceUnit();
    double next = s.Width();
    for (const double x : sheet.columnX) {
        if (x > frame.left && x < next) next = x;
    }
    const double ownRight = frame.left + sheet.width + pen;
    return {frame.left - kFrameOutset - pen, frame.top - kFirstLineAbove - pen,
            std::max(next - kFrameOutset - pen, ownRight),
            std::max(frame.top + sheet.rowPitch - kFirstLineAbove, frame.top + 1)};
}

// The privacy screen over the picture box: a grid in the given pen, and its caption.
void DrawScreen(Surface& s, LabelPlace at, int penWidth) {
    const double l = at.left;
    const double t = at.top;
    s.SetDrawWidth(penWidth);
    for (int k = 0; k < kScreenLines; ++k) {
        s.Line(l + 100, t + 50 + k * kScreenPitch, l + 1050, t + 50 + k * kScreenPitch);
        s.Line(l + 100 + k * kScreenPitch, t + 50, l + 100 + k * kScreenPitch, t + 1000);
    }
    // Frames of the following labels are drawn with the normal pen again.
    s.SetDrawWidth(1);
    s.SetCurrentX(l + 100);
    s.SetCurrentY(t + 1020);
    s.Print("Filtered View");
}

// One label being drawn: its cell is the surface's clip until it is done, and the boxes of the
// texts drawn so far are kept, so that the bars make way for them.
class LabelDrawing {
  public:
    LabelDrawing(Surface& s, LabelPlace place, const LabelContent& content, const LabelStyle& style)
        : s_(s),
          content_(content),
          style_(style),
          frame_(place),
          // Tray labels print their lines lower; the frame and picture box stay where they are.
          at_{place.left, place.top + (style.tray ? kTrayLinesLower : 0)},
          cell_(LabelCell(s, style.sheet, place)),
          indent_(LabelTextIndent(style.pictureBox)) {
        s_.SetClip(cell_.left, cell_.top, cell_.right - cell_.left, cell_.bottom - cell_.top);
    }
    ~LabelDrawing() { s_.NoClip(); }
    LabelDrawing(const LabelDrawing&) = delete;
    LabelDrawing& operator=(const LabelDrawing&) = delete;

    LabelDrawn Draw();

  private:
    void DrawPictureBox();
    void PrintAt(const Placed& placed);
    Box BoxOf(const Placed& placed, double width) const;
    void DrawTextLines();
    std::vector<Placed> ExpirationTexts();
    Box BarsClearOfTexts(Box bars);
    void DrawBarcode();
    void DrawExpiration();

    Surface& s_;
    const LabelContent& content_;
    const LabelStyle& style_;
    const LabelPlace frame_;  // the label's corner: frame and picture box
    const LabelPlace at_;     // where its texts and bars are placed from
    const Box cell_;
    const double indent_;     // where the text lines start, from the label's left edge
    std::vector<Box> lines_;  // the text lines drawn, ink only
    LabelDrawn drawn_;
};

void LabelDrawing::DrawPictureBox() {
    const double l = frame_.left;
    const double t = frame_.top;
    s_.Line(l - 10, t - 10, l + 1210, t + 1210, true);
    if (content_.picture && !content_.picture->empty()) {
        s_.PaintPicture(*content_.picture, l, t, kPictureSize, kPictureSize);
    }
    if (content_.screen > 0) DrawScreen(s_, frame_, content_.screen);
}

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
    if (style_.preview) {
        s_.FillRect(cell_.right - kCutMarkWidth, placed.y + 30, kCutMarkWidth, 150, kCutMarkRgb);
    }
    drawn_.cutLines.push_back(
        {content_.residentId, content_.date, content_.period, RTrim(placed.text), over});
}

void LabelDrawing::DrawTextLines() {
    const double* y = style_.bold ? kLineYBold : kLineYNormal;
    for (std::size_t i = 0; i < 6; ++i) {
        PrintAt({at_.left + indent_, at_.top + y[i], content_.lines[i]});
    }
}

// The expiration's texts where the layout puts them. The date is food-safety information: where
// its place is too near the cell's edge for it, it moves left until it ends inside the cell.
std::vector<Placed> LabelDrawing::ExpirationTexts() {
    const double l = at_.left;
    const double t = at_.top;
    const double w = style_.sheet.width;
    const LabelContent::Expiration& expiration = *content_.expiration;
    std::vector<Placed> texts;
    if (content_.barcode) {
        texts = {{l + w - 400, t + 780, "Expires:"}, {l + w - 420, t + 950, expiration.date}};
    } else {
        texts = {{l + 1300, t + 950,
                  "expires on  " + LCase(expiration.dayName) + "  " + expiration.date}};
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
    if (content_.expiration) {
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
    Barcod& code = drawn_.bars;
    const BarcodeBox& set = style_.bars;
    const double l = at_.left;
    const double t = at_.top;
    code.Symbology = set.symbology;
    code.Text = *content_.barcode;
    if (style_.preview) {
        code.X = l / kTwipsPerPixel + 81;
        code.Y = t / kTwipsPerPixel + 50;
        // The preview shows the bars inside their label: the width stops at its right edge.
        code.Width =
            std::min<double>(indent_ / 3.0, (l + style_.sheet.width) / kTwipsPerPixel - code.X);
        code.Height = 30;
    } else {
        code.X = l / set.xyFactor + set.leftShift;
        code.Y = t / set.xyFactor + set.downShift;
        code.Width = set.width;
        code.Height = set.height;
    }
    const double unit = s_.TwipsPerDeviceUnit();
    const Box box{code.X * unit, code.Y * unit, (code.X + code.Width) * unit,
                  (code.Y + code.Height) * unit};
    // Settings that give no box at all are left to the bars' own checks; a box that crosses no
    // text stays exactly as set.
    if (box.right > box.left && box.bottom > box.top) {
        const Box bars = BarsClearOfTexts(box);
        if (bars.top != box.top || bars.bottom != box.bottom) {
            code.Y = bars.top / unit;
            code.Height = std::max(0.0, bars.bottom - bars.top) / unit;
        }
        if (bars.right != box.right) code.Width = std::max(0.0, bars.right - bars.left) / unit;
    }
    code.Draw(s_);
    if (style_.preview && style_.frame) DrawLabelFrame(s_, style_.sheet, frame_);
    s_.SetFontSize(8);
    s_.SetFontBold(true);
    PrintAt({l, t + 1050, code.HumanReadable()});
    s_.SetFontBold(false);
    s_.SetFontSize(kAfterBarcodePoints);
}

void LabelDrawing::DrawExpiration() {
    for (const Placed& placed : ExpirationTexts()) PrintAt(placed);
}

LabelDrawn LabelDrawing::Draw() {
    s_.SetFontTransparent(false);
    if (style_.frame) DrawLabelFrame(s_, style_.sheet, frame_);
    if (style_.pictureBox) DrawPictureBox();
    if (style_.bold) {
        s_.SetFontSize(11);
        s_.SetFontBold(true);
    }
    DrawTextLines();
    if (content_.barcode) DrawBarcode();
    if (content_.expiration) DrawExpiration();
    return std::move(drawn_);
}

}  // namespace

SurfaceState::Rect LabelFrame(const SheetGeometry& sheet, LabelPlace place) {
    return {place.left - kFrameOutset, place.top - kFrameOutset, sheet.width + kFrameOutset,
            sheet.rowPitch - 220 + kFrameOutset};
}

void DrawLabelFrame(Surface& s, const SheetGeometry& sheet, LabelPlace place) {
    const SurfaceState::Rect frame = LabelFrame(sheet, place);
    s.Line(frame.x, frame.y, frame.x + frame.width, frame.y + frame.height, true);
}

double LabelTextIndent(bool pictureBox) {
    return pictureBox ? 1300 : 100;
}

LabelDrawn DrawLabel(Surface& s, LabelPlace place, const LabelContent& content,
                     const LabelStyle& style) {
    return LabelDrawing(s, place, content, style).Draw();
}

}  // namespace vt
