#include "platform/qt/sheet_recording.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/qt/qt_picture_data.h"
#include "platform/recording_surface.h"

namespace vt {
namespace {

// Two sheets with something of every kind of drawing, an EndDoc with nothing drawn between them.
void DrawTwoSheets(Surface& s) {
    s.SetHeight(15840);
    s.SetWidth(12240);
    s.SetPaperSize(1);
    s.SetOrientation(1);
    s.SetFontName("CB1");
    s.SetFontSize(9);
    s.SetClip(100, 200, 3000, 1400);
    s.Line(90, 190, 3000, 1300, true);
    QImage portrait(40, 50, QImage::Format_RGB32);
    portrait.fill(Qt::red);
    s.PaintPicture({std::make_shared<QtPictureData>(portrait), "/pictures/1001.gif"}, 100, 200,
                   1200, 1200);
    s.SetCurrentX(1400);
    s.SetCurrentY(200);
    s.Print("EAST W [10a] Wed 12-09-26");
    s.SetFontBold(true);
    s.SetFontSize(11);
    s.SetFontTransparent(false);
    s.SetCurrentX(1400);
    s.SetCurrentY(370);
    s.Print("Abernathy, Margaret");
    s.SetDrawWidth(3);
    s.Line(100, 250, 1050, 250);
    s.FillDeviceRect(350, 100, 4, 20);
    s.NoClip();
    s.EndDoc();
    s.EndDoc();
    s.SetCurrentX(1400);
    s.SetCurrentY(720);
    s.Print("second sheet");
    s.FillRect(10, 20, 30, 40, 0xD00000);
    s.EndDoc();
}

// The drawn operations, each sheet's separately.
std::vector<std::vector<RecordedOp>> BySheet(const RecordingSurface& surface) {
    std::vector<std::vector<RecordedOp>> sheets(1);
    for (const RecordedOp& op : surface.ops) {
        if (op.kind == RecordedOp::Kind::EndDoc) {
            if (!sheets.back().empty()) sheets.emplace_back();
        } else {
            sheets.back().push_back(op);
        }
    }
    if (sheets.back().empty()) sheets.pop_back();
    return sheets;
}

void ExpectSameOps(const std::vector<RecordedOp>& replayed, const std::vector<RecordedOp>& drawn) {
    ASSERT_EQ(replayed.size(), drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const RecordedOp& a = replayed[i];
        const RecordedOp& b = drawn[i];
        EXPECT_EQ(a.kind, b.kind) << i;
        EXPECT_EQ(std::tie(a.x1, a.y1, a.x2, a.y2, a.text, a.fontName, a.fontSize, a.fontBold,
                           a.fontTransparent, a.drawWidth, a.rgb),
                  std::tie(b.x1, b.y1, b.x2, b.y2, b.text, b.fontName, b.fontSize, b.fontBold,
                           b.fontTransparent, b.drawWidth, b.rgb))
            << i;
        ASSERT_EQ(a.clip.has_value(), b.clip.has_value()) << i;
        if (a.clip) {
            EXPECT_EQ(std::tie(a.clip->x, a.clip->y, a.clip->width, a.clip->height),
                      std::tie(b.clip->x, b.clip->y, b.clip->width, b.clip->height))
                << i;
        }
    }
}

TEST(SheetRecording, EachSheetDrawsAgainAsItWasDrawn) {
    SheetRecording recording;
    int done = 0;
    recording.SetSheetDone([&] { ++done; });
    DrawTwoSheets(recording);
    RecordingSurface drawn(4.8);
    DrawTwoSheets(drawn);
    const auto sheets = BySheet(drawn);

    ASSERT_EQ(recording.Sheets(), 2) << "a sheet with nothing drawn on it does not count";
    EXPECT_EQ(done, 2);
    ASSERT_EQ(sheets.size(), 2u);
    for (int sheet = 0; sheet < 2; ++sheet) {
        RecordingSurface replayed(4.8);
        recording.Replay(sheet, replayed);
        ExpectSameOps(replayed.ops, sheets[std::size_t(sheet)]);
        EXPECT_EQ(replayed.Height(), 15840);
        EXPECT_EQ(replayed.Width(), 12240);
    }
}

TEST(SheetRecording, ASheetRendersWholeOnAnImageOfAnySize) {
    SheetRecording recording;
    recording.SetHeight(15840);
    recording.SetWidth(12240);
    // A bar of 60 x 600 printer dots at (1200, 1500) dots: (120, 150) on an image a tenth the
    // printer's size.
    recording.FillDeviceRect(1200, 1500, 60, 600);
    recording.EndDoc();
    const QImage image = recording.Render(0, QSize(255, 330));
    EXPECT_EQ(qGray(image.pixel(123, 180)), 0);
    EXPECT_EQ(qGray(image.pixel(115, 180)), 255);
    EXPECT_EQ(qGray(image.pixel(123, 145)), 255);
    EXPECT_EQ(qGray(image.pixel(123, 215)), 255);
}

}  // namespace
}  // namespace vt
