#include "platform/recording_surface.h"

#include <algorithm>

namespace vt {

namespace {

// A printed line is 1.2 times the font's height: points x 20 twips per point x 1.2. Real
// surfaces take the line height from the font; a fixed rule keeps recorded layouts exact.
constexpr double kLineFactor = 20 * 1.2;

}  // namespace

RecordingSurface::RecordingSurface(double twipsPerDeviceUnit)
    : twipsPerDevice_(twipsPerDeviceUnit) {}

RecordedOp RecordingSurface::Op(RecordedOp::Kind kind) const {
    RecordedOp op;
    op.kind = kind;
    op.fontName = fontName_;
    op.fontSize = fontSize_;
    op.fontBold = fontBold_;
    op.fontTransparent = fontTransparent_;
    op.drawWidth = drawWidth_;
    op.clip = clip_;
    return op;
}

std::vector<std::string> RecordingSurface::Texts() const {
    std::vector<std::string> texts;
    for (const RecordedOp& op : ops) {
        if (op.kind == RecordedOp::Kind::Text) texts.push_back(op.text);
    }
    return texts;
}

int RecordingSurface::Documents() const {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [](const RecordedOp& op) {
        return op.kind == RecordedOp::Kind::EndDoc;
    }));
}

double RecordingSurface::Print(const std::string& text, CodePage cp) {
    RecordedOp op = Op(RecordedOp::Kind::Text);
    op.x1 = x_;
    op.y1 = y_;
    op.text = text;
    op.codePage = cp;
    ops.push_back(std::move(op));
    x_ = 0;
    y_ += fontSize_ * kLineFactor;
    return TextWidth(text, cp);
}

double RecordingSurface::TextWidth(const std::string& text, CodePage) {
    const std::size_t inked = text.find_last_not_of(' ') + 1;  // npos + 1 = 0: all blanks
    return static_cast<double>(inked) * fontSize_ * 20 * kRecordedCharacterEms;
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, bool box) {
    RecordedOp op = Op(box ? RecordedOp::Kind::Box : RecordedOp::Kind::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    ops.push_back(std::move(op));
}

void RecordingSurface::PaintPicture(const Picture& picture, double x, double y, double width,
                                    double height) {
    RecordedOp op = Op(RecordedOp::Kind::Picture);
    op.x1 = x;
    op.y1 = y;
    op.x2 = width;
    op.y2 = height;
    op.text = picture.source;
    ops.push_back(std::move(op));
}

void RecordingSurface::Cls() {
    ops.push_back(Op(RecordedOp::Kind::Cls));
    // Clearing a picture box also moves the print position back to its corner.
    x_ = 0;
    y_ = 0;
}

void RecordingSurface::EndDoc() {
    ops.push_back(Op(RecordedOp::Kind::EndDoc));
}

void RecordingSurface::FillRect(double x, double y, double width, double height, unsigned rgb) {
    RecordedOp op = Op(RecordedOp::Kind::FillRect);
    op.x1 = x;
    op.y1 = y;
    op.x2 = width;
    op.y2 = height;
    op.rgb = rgb;
    ops.push_back(std::move(op));
}

void RecordingSurface::FillDeviceRect(double x, double y, double width, double height) {
    RecordedOp op = Op(RecordedOp::Kind::FillDeviceRect);
    op.x1 = x;
    op.y1 = y;
    op.x2 = width;
    op.y2 = height;
    ops.push_back(std::move(op));
}

}  // namespace vt
