#include "platform/qt/box_drawing.h"

#include <gtest/gtest.h>

#include <QString>
#include <string>
#include <vector>

#include "platform/codepage.h"

namespace vt {
namespace {

QChar Char(const char* utf8) {
    return QString::fromUtf8(utf8).at(0);
}

TEST(BoxDrawing, TheLineCharactersOfCodePage437AreDrawnAndNoOthers) {
    for (int byte = 0xB3; byte <= 0xDA; ++byte) {
        const QString c =
            QString::fromStdString(ToUtf8(std::string(1, char(byte)), CodePage::Cp437));
        EXPECT_TRUE(IsBoxDrawing(c.at(0))) << byte;
        EXPECT_FALSE(BoxDrawingPath(c.at(0), QRectF(0, 0, 100, 160), 12).isEmpty()) << byte;
    }
    // Shades, a block, a dashed line, a letter and a blank stay text.
    for (const char* other : {"░", "▓", "█", "┄", "A", " "}) {
        EXPECT_FALSE(IsBoxDrawing(Char(other))) << other;
        EXPECT_TRUE(BoxDrawingPath(Char(other), QRectF(0, 0, 100, 160), 12).isEmpty()) << other;
    }
}

TEST(BoxDrawing, LinesReachTheirEdgesAndJoinAsTheCharacterShows) {
    // A cell 100 x 160 with 12-wide strokes: a single line runs along the cell's middle (x 50,
    // y 80), the two lines of a double one 18 to either side of it (x 32 and 68, y 62 and 98).
    const struct {
        const char* c;
        std::vector<QPointF> ink, blank;
    } cases[] = {
        // A closed corner, reaching past the edges it points to and no others.
        {"┌", {{45, 75}, {102, 80}, {50, 162}}, {{1, 80}, {50, 1}}},
        // Outer lines meet at the outer corner, inner ones at the inner corner, the gap open.
        {"╔",
         {{32, 159}, {68, 159}, {99, 62}, {99, 98}, {32, 62}, {68, 98}},
         {{50, 159}, {99, 80}, {32, 50}, {20, 62}, {68, 88}, {58, 98}}},
        // Crossing double lines each stop at the gap of the other.
        {"╬", {{32, 40}}, {{32, 80}, {50, 62}, {50, 80}}},
        // A single line hangs from the lower line of a double one that passes...
        {"╤", {{50, 62}, {50, 98}, {50, 130}}, {{50, 80}}},
        // ...crosses one straight through, gap and all...
        {"╪", {{50, 80}}, {{20, 80}}},
        // ...and closes one that ends, from its upper line down.
        {"╕", {{50, 58}, {50, 80}, {30, 62}, {50, 130}}, {{50, 50}, {70, 62}}},
    };
    for (const auto& c : cases) {
        const QPainterPath ink = BoxDrawingPath(Char(c.c), QRectF(0, 0, 100, 160), 12);
        for (const QPointF& p : c.ink) {
            EXPECT_TRUE(ink.contains(p)) << c.c << " at " << p.x() << "," << p.y();
        }
        for (const QPointF& p : c.blank) {
            EXPECT_FALSE(ink.contains(p)) << c.c << " at " << p.x() << "," << p.y();
        }
    }
}

}  // namespace
}  // namespace vt
