#include "site/pictures.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <stdexcept>
#include <vector>

#include "site/gif_encoder.h"

namespace vt::site {
namespace {

QImage Load(const std::string& bytes, const char* format) {
    return QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), format);
}

TEST(Pictures, JpegBmpAndGifLoadBackWithTheirSize) {
    const Rgb colour{120, 160, 200};
    const struct {
        const char* format;
        std::string bytes;
    } cases[] = {
        {"JPG", JpegBytes(colour, 40, 50)},
        {"BMP", BmpBytes(colour, 40, 50)},
        {"GIF", GifBytes(colour, 40, 50)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        const QImage image = Load(c.bytes, c.format);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), 40);
        EXPECT_EQ(image.height(), 50);
    }
}

TEST(Pictures, GifPixelsComeBackExactly) {
    // A palette GIF is lossless, so every pixel must decode to its palette colour; 300 pixels
    // span many clear codes, so a wrong code width would scramble the later ones.
    const std::vector<Rgb> palette{{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < 300; ++i) pixels.push_back(static_cast<std::uint8_t>((i * 7 + i / 13) % 5));
    const QImage image = Load(EncodeGif(20, 15, palette, pixels), "GIF");
    ASSERT_FALSE(image.isNull());
    for (int i = 0; i < 300; ++i) {
        const Rgb want = palette[pixels[static_cast<std::size_t>(i)]];
        const QRgb got = image.pixel(i % 20, i / 20);
        ASSERT_EQ(qRed(got), want.r) << "pixel " << i;
        ASSERT_EQ(qGreen(got), want.g) << "pixel " << i;
        ASSERT_EQ(qBlue(got), want.b) << "pixel " << i;
    }
}

TEST(Pictures, GifRefusesPixelsOutsideThePalette) {
    EXPECT_THROW(EncodeGif(1, 1, {{0, 0, 0}}, {1}), std::invalid_argument);
    EXPECT_THROW(EncodeGif(2, 1, {{0, 0, 0}}, {0}), std::invalid_argument);
}

TEST(Pictures, DefaultPortraitJpegIsLongEnoughForTheAszRotation) {
    EXPECT_GE(JpegBytes({200, 180, 90}).size(), 3800u);
}

TEST(Pictures, AszRotatesBlocksOneFifteenAndNineteen) {
    // A file of 20 blocks whose block n is filled with the letter 'a' + n - 1.
    std::string plain;
    for (char block = 'a'; block < 'a' + 20; ++block) plain += std::string(200, block);
    const std::string asz = AszFromPlain(plain);
    ASSERT_EQ(asz.size(), plain.size());
    EXPECT_EQ(asz.substr(0, 200), std::string(200, 's'));         // old block 19
    EXPECT_EQ(asz.substr(14 * 200, 200), std::string(200, 'a'));  // old block 1
    EXPECT_EQ(asz.substr(18 * 200, 200), std::string(200, 'o'));  // old block 15
    EXPECT_EQ(asz.substr(200, 13 * 200), plain.substr(200, 13 * 200));
    EXPECT_EQ(asz.substr(19 * 200), plain.substr(19 * 200));
    EXPECT_EQ(PlainFromAsz(asz), plain);
}

TEST(Pictures, AszOfAJpegUnrotatesToTheSameJpeg) {
    const std::string jpeg = JpegBytes({90, 140, 60});
    const std::string asz = AszFromPlain(jpeg);
    EXPECT_NE(asz, jpeg);
    EXPECT_NE(asz.substr(0, 2), "\xFF\xD8");  // no longer starts like a JPEG
    EXPECT_EQ(PlainFromAsz(asz), jpeg);
}

TEST(Pictures, RotationRefusesFilesWithoutABlockNineteen) {
    EXPECT_THROW(AszFromPlain(std::string(3799, 'x')), std::invalid_argument);
    EXPECT_NO_THROW(AszFromPlain(std::string(3800, 'x')));
    EXPECT_THROW(PlainFromAsz(std::string(100, 'x')), std::invalid_argument);
}

}  // namespace
}  // namespace vt::site
