// The picture box of a label: which picture, the privacy levels, the screen and its markers.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "label_fixture.h"
#include "printing/picture_conversion.h"
#include "support/error_output.h"

namespace vt::test {
namespace {

constexpr double L = 4000, T = 2000;

// A plain picture long enough for the block rotation: 20 blocks, each filled with its number.
std::string PlainPicture() {
    std::string bytes;
    for (int b = 1; b <= 20; ++b) bytes += std::string(200, static_cast<char>('A' + b));
    return bytes;
}

bool HasScreen(const StateLabelFixture& f) {
    return f.Text("Filtered View") != nullptr;
}

int ScreenPen(const StateLabelFixture& f) {
    for (const RecordedOp& op : f.surface.ops) {
        if (op.kind == RecordedOp::Kind::Line) return op.drawWidth;
    }
    return 0;
}

TEST(LabelPicture, PrivacyLevelsDecideWhetherThePictureIsShownAndScreened) {
    struct Case {
        Int16 level;
        bool picture;
        int pen;  // 0: no screen
    };
    for (const Case& c : {Case{0, true, 0}, Case{1, false, 0}, Case{2, false, 0}, Case{3, false, 0},
                          Case{4, true, 5}, Case{5, true, 5}}) {
        StateLabelFixture f;
        f.app->st.PrivacyLevel = c.level;
        f.WritePicture(".gif", "GIF89a");
        f.Draw();
        EXPECT_EQ(f.Ops(RecordedOp::Kind::Picture).size(), c.picture ? 1u : 0u) << c.level;
        EXPECT_EQ(HasScreen(f), c.pen != 0) << c.level;
        EXPECT_EQ(ScreenPen(f), c.pen) << c.level;
    }
}

TEST(LabelPicture, ThePictureFillsTheBoxAndTheScreenIsAGrid) {
    StateLabelFixture f;
    f.app->st.PrivacyLevel = 5;
    f.WritePicture(".bmp", "BM");
    f.Draw();
    const auto pictures = f.Ops(RecordedOp::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(std::vector<double>({pictures[0].x1, pictures[0].y1, pictures[0].x2, pictures[0].y2}),
              std::vector<double>({L, T, 1200, 1200}));
    const auto lines = f.Ops(RecordedOp::Kind::Line);
    ASSERT_EQ(lines.size(), 64u);  // 32 across and 32 down at a 30-twip pitch
    EXPECT_EQ(std::vector<double>({lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2}),
              std::vector<double>({L + 100, T + 50, L + 1050, T + 50}));
    EXPECT_EQ(std::vector<double>({lines[63].x1, lines[63].y1, lines[63].x2, lines[63].y2}),
              std::vector<double>({L + 100 + 31 * 30, T + 50, L + 100 + 31 * 30, T + 1000}));
    EXPECT_EQ(f.Text("Filtered View")->x1, L + 100);
    EXPECT_EQ(f.Text("Filtered View")->y1, T + 1020);
    // Frames after the screen get the normal pen again.
    EXPECT_EQ(f.surface.DrawWidth(), 1);
}

TEST(LabelPicture, AScreenMarkerGivesItsPenWidthFromOneToTen) {
    struct Case {
        const char* marker;
        int pen;
    };
    for (const Case& c :
         {Case{"3 ", 3}, Case{"10", 10}, Case{"2.6", 2} /* two bytes: "2." */, Case{"0 ", 1},
          Case{"11", 1}, Case{"xy", 1}, Case{"", 1}, Case{"-4", 1}}) {
        StateLabelFixture f;
        f.WritePicture(".gif", "GIF89a");
        f.WritePicture(".flt", c.marker);
        f.Draw();
        EXPECT_EQ(ScreenPen(f), c.pen) << "'" << c.marker << "'";
        EXPECT_EQ(f.Ops(RecordedOp::Kind::Picture).size(), 1u);
    }
}

TEST(LabelPicture, LevelsOneToThreeWithAMarkerShowAnEmptyScreenedBox) {
    StateLabelFixture f;
    f.app->st.PrivacyLevel = 2;
    f.WritePicture(".gif", "GIF89a");
    f.WritePicture(".flt", "4 ");
    f.Draw();
    EXPECT_TRUE(f.Ops(RecordedOp::Kind::Picture).empty());
    EXPECT_EQ(ScreenPen(f), 4);
}

TEST(LabelPicture, NoPictureMarkerLeavesTheBoxEmptyAtEveryLevel) {
    for (Int16 level : {0, 4, 5}) {
        StateLabelFixture f;
        f.app->st.PrivacyLevel = level;
        f.WritePicture(".gif", "GIF89a");
        f.WritePicture(".flt", "3 ");
        f.WritePicture(".vly", "");
        f.Draw();
        EXPECT_EQ(f.Ops(RecordedOp::Kind::Box).size(), 2u) << level;  // frame and empty box
        EXPECT_TRUE(f.Ops(RecordedOp::Kind::Picture).empty()) << level;
        EXPECT_FALSE(HasScreen(f)) << level;
    }
}

TEST(LabelPicture, APlainJpegIsStoredProtectedOnItsFirstLabel) {
    StateLabelFixture f;
    const std::string plain = PlainPicture();
    f.WritePicture(".jpg", plain);
    f.Draw();
    EXPECT_FALSE(f.PictureExists(".jpg"));
    ASSERT_TRUE(f.PictureExists(".ASZ") || f.PictureExists(".asz"));
    EXPECT_EQ(f.Ops(RecordedOp::Kind::Picture).size(), 1u);
    // What was painted is the plain picture, and its temporary copy is gone.
    const std::string painted = f.Ops(RecordedOp::Kind::Picture)[0].text;
    EXPECT_FALSE(std::filesystem::exists(painted));
    EXPECT_EQ(f.tp.pictures.loaded.size(), 1u);

    StateLabelFixture again;  // a second label reads the stored form
    again.WritePicture(".asz", ProtectPicture(plain));
    again.Draw();
    EXPECT_EQ(again.Ops(RecordedOp::Kind::Picture).size(), 1u);
}

TEST(LabelPicture, APictureIsDecodedOnceUntilItsFileIsReplacedEvenWithTheSameSizeAndTime) {
    StateLabelFixture f;
    const auto host = f.Host(f.layout.PicturePath("1234", ".gif"));
    const auto lastWeek = std::filesystem::file_time_type::clock::now() - std::chrono::hours(168);
    f.WritePicture(".gif", "GIF-1");
    std::filesystem::last_write_time(host, lastWeek);
    f.Draw();
    f.Draw();
    EXPECT_EQ(f.tp.pictures.loaded.size(), 1u) << "the second label takes the decoded picture";
    // A copy tool puts another photo of the same size in its place and keeps the old time.
    f.WritePicture(".gif", "GIF-2");
    std::filesystem::last_write_time(host, lastWeek);
    f.Draw();
    EXPECT_EQ(f.tp.pictures.loaded.size(), 2u);
}

TEST(LabelPicture, PicturesAreTriedAsGifThenBmpThenWmf) {
    StateLabelFixture f;
    f.WritePicture(".wmf", "WMF");
    f.WritePicture(".bmp", "BMP");
    f.Draw();
    const auto pictures = f.Ops(RecordedOp::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_NE(pictures[0].text.find("1234.bmp"), std::string::npos);
    EXPECT_TRUE(f.PictureExists(".bmp"));  // a plain picture is never deleted
}

TEST(LabelPicture, AnUnreadablePictureIsLeftOutLikeAMissingOneAndToldOnce) {
    // The loader refuses an empty file; a stored picture longer than any real one is not even
    // unprotected.
    struct Case {
        const char* extension;
        std::uintmax_t size;
    };
    for (const Case& c :
         {Case{".gif", 0}, Case{".asz", 0}, Case{".asz", kMaxPictureFileBytes + 1}}) {
        StateLabelFixture f;
        const std::string picture = f.layout.PicturePath("1234", c.extension);
        f.WritePicture(c.extension, "");
        std::filesystem::resize_file(f.Host(picture), c.size);
        f.WritePicture(".flt", "3 ");
        CapturedErrorOutput errors;
        f.Draw();
        f.Draw();  // the resident's next label
        EXPECT_TRUE(f.Ops(RecordedOp::Kind::Picture).empty()) << picture;
        EXPECT_FALSE(HasScreen(f)) << picture;
        EXPECT_NE(f.Text("Orange juice 4 oz"), nullptr) << "the label goes on";
        const auto lines = errors.Lines();
        ASSERT_EQ(lines.size(), 1u) << picture;
        EXPECT_EQ(lines[0].rfind("Vittlon: picture " + picture + " left out: ", 0), 0u) << lines[0];
        for (const auto& entry : std::filesystem::directory_iterator(PictureTempFolder(*f.app))) {
            EXPECT_EQ(entry.path().filename().string().find(std::to_string(::getpid()) + "-1234"),
                      std::string::npos)
                << entry.path();
        }
    }
}

TEST(LabelPicture, AStoredPictureMayBeLongerThanAnyRecordFile) {
    StateLabelFixture f;
    const std::string picture = f.layout.PicturePath("1234", ".asz");
    f.WritePicture(".asz", "GIF89a");
    std::filesystem::resize_file(f.Host(picture), kMaxDataFileBytes + 1);
    f.Draw();
    EXPECT_EQ(f.Ops(RecordedOp::Kind::Picture).size(), 1u);
}

}  // namespace
}  // namespace vt::test
