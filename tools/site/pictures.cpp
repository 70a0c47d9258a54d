#include "site/pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "site/gif_encoder.h"
#include "site/site_files.h"

namespace vt::site {

namespace {

constexpr std::size_t kBlock = 200;
constexpr std::size_t kAszMinimum = 19 * kBlock;

// Palette: eight background shades, four face shades, four shirt shades.
constexpr std::uint8_t kFace = 8;
constexpr std::uint8_t kShirt = 12;

struct IndexedPicture {
    int width, height;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;
};

Rgb Shade(Rgb c, double factor) {
    const auto scale = [factor](int v) { return std::clamp(static_cast<int>(v * factor), 0, 255); };
    return {scale(c.r), scale(c.g), scale(c.b)};
}

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

IndexedPicture Portrait(Rgb colour, int width, int height) {
    if (width < 1 || height < 1) throw std::invalid_argument("picture size must be positive");
    IndexedPicture p{width, height, {}, {}};
    for (int i = 0; i < 8; ++i) p.palette.push_back(Shade(colour, 0.55 + 0.07 * i));
    for (int i = 0; i < 4; ++i) p.palette.push_back(Shade({236, 188, 150}, 0.85 + 0.05 * i));
    for (int i = 0; i < 4; ++i) p.palette.push_back(Shade({60, 70, 110}, 0.8 + 0.1 * i));

    std::uint32_t noise = static_cast<std::uint32_t>(colour.r * 65536 + colour.g * 256 + colour.b);
    const double w = width, h = height;
    p.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525U + 1013904223U;
            const auto n = static_cast<std::uint8_t>(noise >> 24);
            std::uint8_t index = n % 8;
            if (InEllipse(x, y, w / 2, h * 0.38, w * 0.22, h * 0.2)) {
                index = static_cast<std::uint8_t>(kFace + n % 4);
            } else if (InEllipse(x, y, w / 2, h * 1.05, w * 0.45, h * 0.45)) {
                index = static_cast<std::uint8_t>(kShirt + n % 4);
            }
            p.pixels.push_back(index);
        }
    }
    return p;
}

QImage ToImage(const IndexedPicture& p) {
    QImage image(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const Rgb c = p.palette[p.pixels[static_cast<std::size_t>(y * p.width + x)]];
            image.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    }
    return image;
}

std::string Encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) {
        throw std::runtime_error(std::string("Qt cannot write ") + format + " pictures");
    }
    return bytes.toStdString();
}

// Moves block `from` of `source` to block `to` of `target`, 1-based.
void MoveBlock(std::string_view source, std::size_t from, std::string& target, std::size_t to) {
    target.replace((to - 1) * kBlock, kBlock, source.substr((from - 1) * kBlock, kBlock));
}

void CheckRotatable(std::string_view bytes) {
    if (bytes.size() < kAszMinimum) {
        throw std::invalid_argument("a picture for the .asz rotation needs at least 3,800 bytes");
    }
}

}  // namespace

std::string JpegBytes(Rgb colour, int width, int height) {
    return Encode(ToImage(Portrait(colour, width, height)), "JPG", 90);
}

std::string BmpBytes(Rgb colour, int width, int height) {
    return Encode(ToImage(Portrait(colour, width, height)), "BMP", -1);
}

std::string GifBytes(Rgb colour, int width, int height) {
    const IndexedPicture p = Portrait(colour, width, height);
    return EncodeGif(p.width, p.height, p.palette, p.pixels);
}

std::string AszFromPlain(std::string_view plain) {
    CheckRotatable(plain);
    std::string asz(plain);
    MoveBlock(plain, 19, asz, 1);
    MoveBlock(plain, 1, asz, 15);
    MoveBlock(plain, 15, asz, 19);
    return asz;
}

std::string PlainFromAsz(std::string_view asz) {
    CheckRotatable(asz);
    std::string plain(asz);
    MoveBlock(asz, 15, plain, 1);
    MoveBlock(asz, 19, plain, 15);
    MoveBlock(asz, 1, plain, 19);
    return plain;
}

void WriteResidentPicture(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                          std::string_view key, PictureKind kind, Rgb colour) {
    switch (kind) {
        case PictureKind::Jpeg:
            WriteSiteFile(drivesRoot, layout.PicturePath(key, ".jpg"), JpegBytes(colour));
            return;
        case PictureKind::Asz:
            WriteSiteFile(drivesRoot, layout.PicturePath(key, ".asz"),
                          AszFromPlain(JpegBytes(colour)));
            return;
        case PictureKind::Gif:
            WriteSiteFile(drivesRoot, layout.PicturePath(key, ".gif"), GifBytes(colour));
            return;
        case PictureKind::Bmp:
            WriteSiteFile(drivesRoot, layout.PicturePath(key, ".bmp"), BmpBytes(colour));
            return;
    }
}

void WriteScreenMarker(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                       std::string_view key, std::string_view widthText) {
    WriteSiteFile(drivesRoot, layout.PicturePath(key, ".flt"), widthText);
}

void WriteNoPictureMarker(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                          std::string_view key) {
    WriteSiteFile(drivesRoot, layout.PicturePath(key, ".vly"), "");
}

}  // namespace vt::site
