#include "platform/qt/text_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/qt/box_drawing.h"
#include "platform/qt/font_names.h"
#include "platform/units.h"

namespace vt {
namespace {

// The text as it is laid out: a box-drawing character takes the width of a digit. In a fixed
// pitch font that is the width of every character; a grid in a proportional font (the snack
// menu in the "This Font" font) then spans about as much as its text, where the font's own line
// drawing glyphs, wider than its letters, would run the rules off the page.
QString BoxDrawingAsDigits(QString text) {
    std::replace_if(text.begin(), text.end(), IsBoxDrawing, QChar(u'0'));
    return text;
}

}  // namespace

bool HasBoxDrawing(const QString& text) {
    return std::any_of(text.begin(), text.end(), IsBoxDrawing);
}

QFont SurfaceFont(const std::string& siteName, double points, bool bold) {
    QFont font = InstalledFont(siteName);
    // A pixel size in twips is the point size the caller meant at every resolution; a point
    // size would be scaled by the device's resolution again.
    font.setPixelSize(std::max(1, int(std::lround(points * kTwipsPerPoint))));
    font.setBold(bold);
    return font;
}

std::unique_ptr<QTextLayout> LaidOut(const QString& line, const QFont& font, QPaintDevice* device) {
    auto layout = std::make_unique<QTextLayout>(
        HasBoxDrawing(line) ? BoxDrawingAsDigits(line) : line, font, device);
    layout->setTextOption(QTextOption(Qt::AlignLeft | Qt::AlignTop));
    layout->beginLayout();
    QTextLine textLine = layout->createLine();
    textLine.setPosition(QPointF(0, 0));
    layout->endLayout();
    return layout;
}

double InkedWidth(const QString& line, const QTextLine& laidOut) {
    qsizetype inked = line.size();
    while (inked > 0 && line[inked - 1].isSpace()) --inked;
    return laidOut.cursorToX(int(inked));
}

double InkedWidth(const std::string& text, CodePage cp, const QFont& font, QPaintDevice* device) {
    const QString line = QString::fromStdString(ToUtf8(text, cp));
    if (line.trimmed().isEmpty()) return 0;
    const std::unique_ptr<QTextLayout> layout = LaidOut(line, font, device);
    return InkedWidth(line, layout->lineAt(0));
}

}  // namespace vt
