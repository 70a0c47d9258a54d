#include "platform/qt/box_drawing.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vt {
namespace {

// The line that leaves the cell's centre towards one side.
enum Weight : int { kNone = 0, kSingle = 1, kDouble = 2 };
// The sides in turn around the cell, so that side + 2 is the opposite one.
enum Side : int { kUp, kRight, kDown, kLeft };
using Arms = std::array<int, 4>;  // by Side

struct BoxCharacter {
    char16_t c;
    Arms arms;  // up, right, down, left
};

constexpr BoxCharacter kBoxCharacters[] = {
    {u'─', {0, 1, 0, 1}}, {u'│', {1, 0, 1, 0}}, {u'┌', {0, 1, 1, 0}}, {u'┐', {0, 0, 1, 1}},
    {u'└', {1, 1, 0, 0}}, {u'┘', {1, 0, 0, 1}}, {u'├', {1, 1, 1, 0}}, {u'┤', {1, 0, 1, 1}},
    {u'┬', {0, 1, 1, 1}}, {u'┴', {1, 1, 0, 1}}, {u'┼', {1, 1, 1, 1}}, {u'═', {0, 2, 0, 2}},
    {u'║', {2, 0, 2, 0}}, {u'╒', {0, 2, 1, 0}}, {u'╓', {0, 1, 2, 0}}, {u'╔', {0, 2, 2, 0}},
    {u'╕', {0, 0, 1, 2}}, {u'╖', {0, 0, 2, 1}}, {u'╗', {0, 0, 2, 2}}, {u'╘', {1, 2, 0, 0}},
    {u'╙', {2, 1, 0, 0}}, {u'╚', {2, 2, 0, 0}}, {u'╛', {1, 0, 0, 2}}, {u'╜', {2, 0, 0, 1}},
    {u'╝', {2, 0, 0, 2}}, {u'╞', {1, 2, 1, 0}}, {u'╟', {2, 1, 2, 0}}, {u'╠', {2, 2, 2, 0}},
    {u'╡', {1, 0, 1, 2}}, {u'╢', {2, 0, 2, 1}}, {u'╣', {2, 0, 2, 2}}, {u'╤', {0, 2, 1, 2}},
    {u'╥', {0, 1, 2, 1}}, {u'╦', {0, 2, 2, 2}}, {u'╧', {1, 2, 0, 2}}, {u'╨', {2, 1, 0, 1}},
    {u'╩', {2, 2, 0, 2}}, {u'╪', {1, 2, 1, 2}}, {u'╫', {2, 1, 2, 1}}, {u'╬', {2, 2, 2, 2}},
};

std::optional<Arms> ArmsOf(QChar c) {
    for (const BoxCharacter& box : kBoxCharacters) {
        if (box.c == c.unicode()) return box.arms;
    }
    return std::nullopt;
}

// A band `half` to either side of the line from the centre to `side`: it starts `back` behind
// the centre (in front of it when negative) and ends `beyond` past the cell's edge.
QPainterPath Band(const QRectF& cell, int side, double back, double half, double beyond) {
    const QPointF c = cell.center();
    QRectF band;
    switch (side) {
        case kUp:
            band = QRectF(QPointF(c.x() - half, cell.top() - beyond),
                          QPointF(c.x() + half, c.y() + back));
            break;
        case kDown:
            band = QRectF(QPointF(c.x() - half, c.y() - back),
                          QPointF(c.x() + half, cell.bottom() + beyond));
            break;
        case kLeft:
            band = QRectF(QPointF(cell.left() - beyond, c.y() - half),
                          QPointF(c.x() + back, c.y() + half));
            break;
        default:
            band = QRectF(QPointF(c.x() - back, c.y() - half),
                          QPointF(cell.right() + beyond, c.y() + half));
            break;
    }
    QPainterPath path;
    path.addRect(band);
    return path;
}

}  // namespace

bool IsBoxDrawing(QChar c) {
    // Every label letter passes here: most are told apart by their range alone.
    return c.unicode() >= u'─' && c.unicode() <= u'╬' && ArmsOf(c).has_value();
}

QPainterPath BoxDrawingPath(QChar c, const QRectF& cell, double stroke) {
    const std::optional<Arms> arms = ArmsOf(c);
    if (!arms) return {};
    const double half = stroke / 2;
    const double apart = 1.5 * stroke;  // from the middle of a double line to each of its lines
    const double beyond = half;
    // A double line is drawn as a band as wide as both its lines, its middle then cut away.
    // Single lines that run straight through the cell are laid on last, so that they cross the
    // gap of a double line instead of stopping at it.
    QPainterPath ink;
    QPainterPath gaps;
    QPainterPath straight;
    for (int side = kUp; side <= kLeft; ++side) {
        const int weight = (*arms)[side];
        const int opposite = (*arms)[(side + 2) % 4];
        const int across = std::max((*arms)[(side + 1) % 4], (*arms)[(side + 3) % 4]);
        if (weight == kSingle && opposite == kSingle) {
            straight = straight.united(Band(cell, side, half, half, beyond));
        } else if (weight == kSingle) {
            // A line that ends here reaches across the lines it meets: over both lines of a
            // double, or over the one line that passes (a double that passes through cuts it
            // back to its near line).
            const double back = across == kDouble ? apart + half : half;
            ink = ink.united(Band(cell, side, back, half, beyond));
        } else if (weight == kDouble) {
            double back = half;
            double gapBack = 0;  // a double line that passes through keeps its gap open
            if (opposite != kDouble && across == kDouble) {
                // Meets another double line: the outer lines join at the outer corner, the
                // inner ones at the inner corner.
                back = apart + half;
                gapBack = apart - half;
            } else if (opposite != kDouble) {
                // Ends at a single line, which closes its gap.
                gapBack = -half;
            }
            ink = ink.united(Band(cell, side, back, apart + half, beyond));
            gaps = gaps.united(Band(cell, side, gapBack, apart - half, beyond + stroke));
        }
    }
    return ink.subtracted(gaps).united(straight);
}

}  // namespace vt
