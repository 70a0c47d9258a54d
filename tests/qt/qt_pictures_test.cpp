#include "platform/qt/qt_pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <filesystem>

#include "platform/drives.h"
#include "platform/file_error.h"
#include "platform/qt/qt_picture_data.h"
#include "support/test_support.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

const QImage& Pixels(const Picture& picture) {
    return dynamic_cast<const QtPictureData&>(*picture.data).image;
}

struct MetafileBytes {
    std::string bytes;
    void U16(std::uint16_t v) {
        bytes += char(v & 0xFF);
        bytes += char(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(std::uint16_t(v & 0xFFFF));
        U16(std::uint16_t(v >> 16));
    }
};

// A placeable metafile of 1,000 x 500 logical units at 1,000 units to the inch (1 x 0.5 inch),
// holding a black brush and one filled rectangle from (100, 100) to (500, 400).
std::string PlaceableRectangle() {
    MetafileBytes m;
    m.U32(0x9AC6CDD7);
    m.U16(0);  // handle
    m.U16(0), m.U16(0), m.U16(1000), m.U16(500);
    m.U16(1000);  // units per inch
    m.U32(0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2) {
        checksum ^= std::uint16_t(std::uint8_t(m.bytes[i]) | (std::uint8_t(m.bytes[i + 1]) << 8));
    }
    m.U16(checksum);
    const std::uint32_t words = 9 + 7 + 4 + 7 + 3;
    m.U16(1), m.U16(9), m.U16(0x0300), m.U32(words), m.U16(1), m.U32(7), m.U16(0);
    m.U32(7), m.U16(0x02FC), m.U16(0), m.U32(0x000000), m.U16(0);  // CreateBrushIndirect black
    m.U32(4), m.U16(0x012D), m.U16(0);                             // SelectObject 0
    m.U32(7), m.U16(0x041B), m.U16(400), m.U16(500), m.U16(100), m.U16(100);  // Rectangle
    m.U32(3), m.U16(0);                                                       // end
    return m.bytes;
}

// A GIF of one colour in a two-entry palette. Qt reads GIF but cannot write it, so the LZW
// stream is made here the simple way: a clear code before every pair of pixels keeps the code
// width at 3 bits (minimum code size 2: clear = 4, end = 5, new entries 6 and 7).
std::string RedGif(int width, int height) {
    MetafileBytes g;  // the same little-endian helper
    g.bytes = "GIF89a";
    g.U16(std::uint16_t(width)), g.U16(std::uint16_t(height));
    g.bytes += std::string("\x80\x00\x00", 3);  // global palette of 2 entries
    g.bytes += std::string("\xFF\x00\x00\x00\x00\x00", 6);
    g.bytes += ',';
    g.U16(0), g.U16(0), g.U16(std::uint16_t(width)), g.U16(std::uint16_t(height));
    g.bytes += '\x00';
    g.bytes += '\x02';  // minimum code size
    std::string data;
    unsigned bits = 0, count = 0;
    auto put = [&](unsigned code) {
        bits |= code << count;
        count += 3;
        while (count >= 8) {
            data += char(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0) put(4);
        put(0);
    }
    put(5);
    if (count > 0) data += char(bits & 0xFF);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        g.bytes += char(block.size());
        g.bytes += block;
    }
    g.bytes += '\x00';
    g.bytes += ';';
    return g.bytes;
}

class Pictures : public testing::Test {
  protected:
    fs::path Write(const std::string& name, const std::string& bytes) {
        const fs::path path = temp.path() / name;
        test::WriteHostFile(path, bytes);
        return path;
    }
    fs::path WriteImage(const std::string& name, const char* format) {
        QImage image(37, 23, QImage::Format_RGB32);
        image.fill(Qt::red);
        const fs::path path = temp.path() / name;
        EXPECT_TRUE(image.save(QString::fromStdString(path.string()), format));
        return path;
    }
    test::TempDir temp;
    QtPictures pictures;
};

TEST_F(Pictures, BitmapsLoadByContentWhateverTheirName) {
    // Picture files keep names like ".gif" for a bitmap or carry no useful extension at all.
    const char* formats[] = {"BMP", "GIF", "JPEG"};
    for (const char* format : formats) {
        const fs::path written = std::string_view(format) == "GIF"
                                     ? Write("p.GIF", RedGif(37, 23))
                                     : WriteImage(std::string("p.") + format, format);
        const fs::path renamed = temp.path() / (std::string("resident-") + format + ".dat");
        fs::rename(written, renamed);
        const Picture picture = pictures.Load(renamed.string());
        ASSERT_FALSE(picture.empty()) << format;
        EXPECT_EQ(picture.data->WidthPx(), 37) << format;
        EXPECT_EQ(picture.data->HeightPx(), 23) << format;
        EXPECT_EQ(picture.source, renamed.string());
        EXPECT_GT(qRed(Pixels(picture).pixel(18, 11)), 200) << format;
    }
}

TEST_F(Pictures, ABitmapLargerThanAnyLabelNeedsIsReadScaledDown) {
    QImage tall(160, 3077, QImage::Format_RGB32);
    tall.fill(Qt::red);
    const fs::path path = temp.path() / "tall.jpg";
    ASSERT_TRUE(tall.save(QString::fromStdString(path.string()), "JPEG"));
    const Picture picture = pictures.Load(path.string());
    EXPECT_EQ(picture.data->HeightPx(), 2000);
    EXPECT_NEAR(picture.data->WidthPx(), 104, 1);  // 160 x 2000 / 3077, the shape kept
}

TEST_F(Pictures, PlaceableMetafilePlaysItsRectangle) {
    const Picture picture = pictures.Load(Write("r.wmf", PlaceableRectangle()).string());
    // 1 x 0.5 inch at 300 pixels to the inch.
    ASSERT_EQ(Pixels(picture).size(), QSize(300, 150));
    const QImage& image = Pixels(picture);
    EXPECT_LT(qGray(image.pixel(90, 75)), 50) << "inside the rectangle (30..150, 30..120)";
    EXPECT_GT(qGray(image.pixel(200, 75)), 200) << "right of it";
    EXPECT_GT(qGray(image.pixel(10, 10)), 200) << "above and left of it";
}

TEST_F(Pictures, PlainMetafileTakesItsSizeFromTheWindow) {
    // Without the placeable header: SetWindowExt 200 x 100 and a rectangle.
    MetafileBytes m;
    m.U16(1), m.U16(9), m.U16(0x0300), m.U32(9 + 5 + 7 + 3), m.U16(0), m.U32(7), m.U16(0);
    m.U32(5), m.U16(0x020C), m.U16(100), m.U16(200);
    m.U32(7), m.U16(0x041B), m.U16(90), m.U16(190), m.U16(10), m.U16(10);
    m.U32(3), m.U16(0);
    const Picture picture = pictures.Load(Write("plain", m.bytes).string());
    EXPECT_EQ(Pixels(picture).size(), QSize(200, 100));
    EXPECT_LT(qGray(Pixels(picture).pixel(10, 50)), 50) << "the default black pen";
}

TEST_F(Pictures, MetafileBitmapIsStretchedIntoItsRectangle) {
    // Scanned photos come as a DIB inside the metafile: a 2 x 2 blue bitmap, 24 bits, stretched
    // by StretchDIB over (10, 10)-(90, 90) of a 100 x 100 window.
    MetafileBytes dib;
    dib.U32(40), dib.U32(2), dib.U32(2), dib.U16(1), dib.U16(24);
    for (int i = 0; i < 6; ++i) dib.U32(0);
    for (int row = 0; row < 2; ++row)
        dib.bytes += std::string("\xFF\x00\x00\xFF\x00\x00\x00\x00", 8);
    MetafileBytes m;
    const std::uint32_t dibRecord = 3 + 11 + std::uint32_t(dib.bytes.size() / 2);
    m.U16(1), m.U16(9), m.U16(0x0300), m.U32(9 + 5 + dibRecord + 3), m.U16(0), m.U32(dibRecord),
        m.U16(0);
    m.U32(5), m.U16(0x020C), m.U16(100), m.U16(100);
    m.U32(dibRecord), m.U16(0x0F43), m.U32(0x00CC0020), m.U16(0);
    m.U16(2), m.U16(2), m.U16(0), m.U16(0);      // source height, width, y, x
    m.U16(80), m.U16(80), m.U16(10), m.U16(10);  // destination height, width, y, x
    m.bytes += dib.bytes;
    m.U32(3), m.U16(0);
    const Picture picture = pictures.Load(Write("photo.wmf", m.bytes).string());
    const QImage& image = Pixels(picture);
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(QColor(image.pixel(50, 50)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
}

TEST_F(Pictures, MetafileObjectsTakeTheLowestFreeIndex) {
    // Brushes 0, 1 and 2; 0 and 1 deleted (0 twice); then three more brushes: the first two
    // take 0 and 1, the third the new index 3. Each index then fills its own rectangle.
    MetafileBytes m;
    m.U16(1), m.U16(9), m.U16(0x0300), m.U32(0), m.U16(4), m.U32(7), m.U16(0);
    m.U32(5), m.U16(0x020C), m.U16(20), m.U16(80);  // SetWindowExt 80 x 20
    const auto brush = [&](std::uint32_t colorRef) {
        m.U32(7), m.U16(0x02FC), m.U16(0), m.U32(colorRef), m.U16(0);
    };
    brush(0x0000FF), brush(0x00FF00), brush(0xFF0000);  // red 0, green 1, blue 2
    for (std::uint16_t index : {0, 1, 0}) m.U32(4), m.U16(0x01F0), m.U16(index);
    brush(0x000000), brush(0x00FFFF), brush(0xFFFF00);  // black, yellow, cyan
    for (std::uint16_t index = 0; index < 4; ++index) {
        m.U32(4), m.U16(0x012D), m.U16(index);
        const auto left = std::uint16_t(index * 20);
        m.U32(7), m.U16(0x041B), m.U16(20), m.U16(left + 20), m.U16(0), m.U16(left);
    }
    m.U32(3), m.U16(0);
    const Picture picture = pictures.Load(Write("objects.wmf", m.bytes).string());
    const QImage& image = Pixels(picture);
    ASSERT_EQ(image.size(), QSize(80, 20));
    EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(30, 10)), QColor(Qt::yellow));
    EXPECT_EQ(QColor(image.pixel(50, 10)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(70, 10)), QColor(Qt::cyan));
}

// A plain metafile of a 2,000 x 2,000 window filled `times` times over (a run of Rectangle
// records, each over the whole window).
std::string WindowFilled(int times) {
    MetafileBytes m;
    m.U16(1), m.U16(9), m.U16(0x0300), m.U32(0), m.U16(0), m.U32(7), m.U16(0);
    m.U32(5), m.U16(0x020C), m.U16(2000), m.U16(2000);
    for (int i = 0; i < times; ++i) {
        m.U32(7), m.U16(0x041B), m.U16(2000), m.U16(2000), m.U16(0), m.U16(0);
    }
    m.U32(3), m.U16(0);
    return m.bytes;
}

TEST_F(Pictures, AMetafilePaintingFarMoreThanAPictureNeedsIsRefusedUnpainted) {
    // A drawing may paint its image over a few dozen times; tens of thousands of shapes over
    // the whole image (a damaged or hostile file) would hold the print run for minutes.
    EXPECT_EQ(Pixels(pictures.Load(Write("busy.wmf", WindowFilled(40)).string())).size(),
              QSize(2000, 2000));
    EXPECT_THROW(pictures.Load(Write("endless.wmf", WindowFilled(100000)).string()), FileError);
}

TEST_F(Pictures, UnreadableFilesThrowFileError) {
    const fs::path jpeg = WriteImage("full.jpg", "JPEG");
    const std::string jpegBytes = test::ReadHostFile(jpeg);
    const std::string wmf = PlaceableRectangle();
    struct Case {
        const char* why;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"text, not a picture", "this is not a picture at all"},
        {"JPEG cut in half: the decoder would only warn",
         jpegBytes.substr(0, jpegBytes.size() / 2)},
        {"JPEG start marker alone", "\xFF\xD8\xFF"},
        {"bitmap header without pixels", "BM\x36\x00\x00\x00"},
        {"GIF signature without an image", "GIF89a\x01\x00"},
        {"metafile cut inside its first record", wmf.substr(0, 22 + 18 + 8)},
        {"placeable header over garbage", wmf.substr(0, 22) + std::string(40, '\x7F')},
        {"placeable header cut short", wmf.substr(0, 18)},
        {"placeable header one byte short", wmf.substr(0, 21)},
    };
    for (const Case& c : cases) {
        const fs::path path = Write("bad", c.bytes);
        EXPECT_THROW(pictures.Load(path.string()), FileError) << c.why;
    }
    // A sound bitmap grown longer than any real picture is refused unread.
    const fs::path huge = WriteImage("huge.bmp", "BMP");
    fs::resize_file(huge, kMaxPictureFileBytes + 1);
    EXPECT_THROW(pictures.Load(huge.string()), FileError) << "longer than any real picture";
    EXPECT_THROW(pictures.Load((temp.path() / "missing.bmp").string()), FileError);
    EXPECT_THROW(pictures.Load(temp.path().string()), FileError) << "a folder";
}

}  // namespace
}  // namespace vt
