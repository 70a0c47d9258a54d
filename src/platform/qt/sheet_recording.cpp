#include "platform/qt/sheet_recording.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "platform/qt/painter_surface.h"
#include "platform/qt/qt_picture_data.h"
#include "platform/qt/text_layout.h"
#include "platform/units.h"

namespace vt {
namespace {

// A label's picture box is 1,200 twips square: this many pixels show it sharp up to about 400%
// on an ordinary screen.
constexpr int kPicturePixels = 400;
constexpr int kPictureQuality = 90;

// What each entry of a sheet's drawing is, as its first byte.
enum Kind : unsigned char { kPen, kPrint, kLine, kPicture, kFillRect, kFillDeviceRect, kCls };

template <class T>
void Put(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

void PutText(std::string& out, const std::string& text) {
    Put<std::uint32_t>(out, static_cast<std::uint32_t>(text.size()));
    out += text;
}

void PutRect(std::string& out, double x, double y, double width, double height) {
    for (double v : {x, y, width, height}) Put(out, v);
}

class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    bool AtEnd() const { return pos_ >= bytes_.size(); }

    template <class T>
    T Get() {
        Need(qsizetype(sizeof(T)));
        T value;
        std::memcpy(&value, bytes_.constData() + pos_, sizeof(T));
        pos_ += qsizetype(sizeof(T));
        return value;
    }
    double Number() { return Get<double>(); }
    std::string Text() {
        const auto size = qsizetype(Get<std::uint32_t>());
        Need(size);
        std::string text(bytes_.constData() + pos_, std::size_t(size));
        pos_ += size;
        return text;
    }
    SurfaceState::Rect Rect() {
        SurfaceState::Rect rect;
        rect.x = Number();
        rect.y = Number();
        rect.width = Number();
        rect.height = Number();
        return rect;
    }

  private:
    void Need(qsizetype size) const {
        if (pos_ + size > bytes_.size()) throw std::out_of_range("damaged sheet recording");
    }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

void ReplayPen(Reader& in, Surface& target) {
    target.SetFontName(in.Text());
    target.SetFontSize(in.Number());
    target.SetFontBold(in.Get<std::uint8_t>() != 0);
    target.SetFontTransparent(in.Get<std::uint8_t>() != 0);
    target.SetDrawWidth(in.Get<std::int32_t>());
    if (in.Get<std::uint8_t>() != 0) {
        const SurfaceState::Rect clip = in.Rect();
        target.SetClip(clip.x, clip.y, clip.width, clip.height);
    } else {
        target.NoClip();
    }
}

// A sheet drawn onto an image: the surface draws in printer dots, which the painter's window
// maps onto the whole image.
class ScaledPage : public PageDevice {
  public:
    ScaledPage(QImage& image, QSizeF twips) : image_(image), twips_(twips) {}

    double DotsPerInch() const override { return kPrinterDotsPerInch; }
    QSizeF PageTwips() const override { return twips_; }
    QPainter& OpenPage(const PageSetup&) override {
        if (!painter_) {
            painter_.emplace(&image_);
            painter_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                     QPainter::SmoothPixmapTransform);
            const double dotsPerTwip = kPrinterDotsPerInch / kTwipsPerInch;
            painter_->setWindow(0, 0, qRound(twips_.width() * dotsPerTwip),
                                qRound(twips_.height() * dotsPerTwip));
            painter_->setViewport(image_.rect());
        }
        return *painter_;
    }
    bool PageOpen() const override { return painter_.has_value(); }
    void EndPage() override { painter_.reset(); }
    void Clear() override {}

  private:
    QImage& image_;
    QSizeF twips_;
    std::optional<QPainter> painter_;
};

// A small JPEG copy of a picture, on white where it is transparent, as on paper.
QByteArray PictureCopy(const QImage& picture) {
    QImage image = picture;
    if (std::max(image.width(), image.height()) > kPicturePixels) {
        image = image.scaled(kPicturePixels, kPicturePixels, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    }
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", kPictureQuality);
    return bytes;
}

}  // namespace

bool SheetRecording::Pen::operator==(const Pen& other) const {
    const bool sameClip =
        clip.has_value() == other.clip.has_value() &&
        (!clip || (clip->x == other.clip->x && clip->y == other.clip->y &&
                   clip->width == other.clip->width && clip->height == other.clip->height));
    return sameClip && fontName == other.fontName && fontSize == other.fontSize &&
           fontBold == other.fontBold && fontTransparent == other.fontTransparent &&
           drawWidth == other.drawWidth;
}

std::size_t SheetRecording::Bytes() const {
    std::size_t bytes = 0;
    for (const Sheet& sheet : sheets_) bytes += std::size_t(sheet.drawing.size());
    for (const KeptPicture& picture : pictures_) bytes += std::size_t(picture.jpeg.size());
    return bytes;
}

QSizeF SheetRecording::SheetTwips(int index) const {
    return sheets_.at(std::size_t(index)).twips;
}

std::string& SheetRecording::Stroke(unsigned char kind) {
    Pen pen{fontName_, fontSize_, fontBold_, fontTransparent_, drawWidth_, clip_};
    if (!pen_ || !(*pen_ == pen)) {
        drawing_ += char(kPen);
        PutText(drawing_, pen.fontName);
        Put(drawing_, pen.fontSize);
        Put<std::uint8_t>(drawing_, pen.fontBold);
        Put<std::uint8_t>(drawing_, pen.fontTransparent);
        Put<std::int32_t>(drawing_, pen.drawWidth);
        Put<std::uint8_t>(drawing_, pen.clip.has_value());
        if (pen.clip)
            PutRect(drawing_, pen.clip->x, pen.clip->y, pen.clip->width, pen.clip->height);
        pen_ = std::move(pen);
    }
    if (kind != kCls) inked_ = true;
    drawing_ += char(kind);
    return drawing_;
}

double SheetRecording::Print(const std::string& text, CodePage cp) {
    std::string& out = Stroke(kPrint);
    Put(out, x_);
    Put(out, y_);
    Put<std::uint8_t>(out, static_cast<std::uint8_t>(cp));
    PutText(out, text);
    x_ = 0;
    y_ += fontSize_ * kTwipsPerPoint;
    return 0;
}

double SheetRecording::TextWidth(const std::string& text, CodePage cp) {
    return InkedWidth(text, cp, SurfaceFont(fontName_, fontSize_, fontBold_), nullptr);
}

void SheetRecording::Line(double x1, double y1, double x2, double y2, bool box) {
    std::string& out = Stroke(kLine);
    PutRect(out, x1, y1, x2, y2);
    Put<std::uint8_t>(out, box);
}

void SheetRecording::PaintPicture(const Picture& picture, double x, double y, double width,
                                  double height) {
    // An empty picture leaves no ink.
    if (picture.empty()) return;
    const int index = PictureIndex(picture);
    std::string& out = Stroke(kPicture);
    Put<std::int32_t>(out, index);
    PutRect(out, x, y, width, height);
}

int SheetRecording::PictureIndex(const Picture& picture) {
    const auto* data = dynamic_cast<const QtPictureData*>(picture.data.get());
    if (!data) throw std::invalid_argument("picture was not loaded for drawing: " + picture.source);
    if (!picture.source.empty()) {
        if (const auto kept = pictureBySource_.find(picture.source);
            kept != pictureBySource_.end()) {
            return kept->second;
        }
    }
    pictures_.push_back({PictureCopy(data->image), picture.source});
    const int index = static_cast<int>(pictures_.size()) - 1;
    if (!picture.source.empty()) pictureBySource_[picture.source] = index;
    return index;
}

void SheetRecording::FillRect(double x, double y, double width, double height, unsigned rgb) {
    std::string& out = Stroke(kFillRect);
    PutRect(out, x, y, width, height);
    Put<std::uint32_t>(out, rgb);
}

void SheetRecording::FillDeviceRect(double x, double y, double width, double height) {
    PutRect(Stroke(kFillDeviceRect), x, y, width, height);
}

void SheetRecording::Cls() {
    Stroke(kCls);
    x_ = 0;
    y_ = 0;
}

void SheetRecording::EndDoc() {
    // As on a printer, a sheet that nothing was drawn on does not count.
    const bool inked = inked_;
    if (inked) {
        sheets_.push_back({qCompress(QByteArray::fromStdString(drawing_)), QSizeF(width_, height_),
                           paperSize_, orientation_});
    }
    drawing_.clear();
    inked_ = false;
    pen_.reset();
    x_ = 0;
    y_ = 0;
    if (inked && sheetDone_) sheetDone_();
}

void SheetRecording::SetOrientation(int code) {
    if (code != 1 && code != 2) return;
    orientation_ = code;
    // Turning the paper swaps the page's width and height, as on the printer.
    if ((code == 2) != (width_ > height_)) std::swap(width_, height_);
}

double SheetRecording::TwipsPerDeviceUnit() const {
    return kTwipsPerInch / kPrinterDotsPerInch;
}

void SheetRecording::Replay(int index, Surface& target) const {
    const Sheet& sheet = sheets_.at(std::size_t(index));
    target.SetPaperSize(sheet.paperSize);
    target.SetOrientation(sheet.orientation);
    target.SetWidth(sheet.twips.width());
    target.SetHeight(sheet.twips.height());
    const QByteArray drawing = qUncompress(sheet.drawing);
    Reader in(drawing);
    std::unordered_map<int, Picture> decoded;  // the sheet's pictures, each decoded once
    while (!in.AtEnd()) {
        switch (in.Get<std::uint8_t>()) {
            case kPen:
                ReplayPen(in, target);
                break;
            case kPrint: {
                target.SetCurrentX(in.Number());
                target.SetCurrentY(in.Number());
                const auto cp = static_cast<CodePage>(in.Get<std::uint8_t>());
                target.Print(in.Text(), cp);
                break;
            }
            case kLine: {
                const Rect ends = in.Rect();  // x1, y1, x2, y2
                target.Line(ends.x, ends.y, ends.width, ends.height, in.Get<std::uint8_t>() != 0);
                break;
            }
            case kPicture: {
                const int n = in.Get<std::int32_t>();
                const Rect place = in.Rect();
                auto [picture, fresh] = decoded.try_emplace(n);
                if (fresh) {
                    const KeptPicture& kept = pictures_.at(std::size_t(n));
                    picture->second.data =
                        std::make_shared<QtPictureData>(QImage::fromData(kept.jpeg, "JPG"));
                    picture->second.source = kept.source;
                }
                target.PaintPicture(picture->second, place.x, place.y, place.width, place.height);
                break;
            }
            case kFillRect: {
                const Rect rect = in.Rect();
                target.FillRect(rect.x, rect.y, rect.width, rect.height, in.Get<std::uint32_t>());
                break;
            }
            case kFillDeviceRect: {
                const Rect rect = in.Rect();
                target.FillDeviceRect(rect.x, rect.y, rect.width, rect.height);
                break;
            }
            case kCls:
                target.Cls();
                break;
            default:
                throw std::out_of_range("damaged sheet recording");
        }
    }
}

QImage SheetRecording::Render(int index, QSize pixels) const {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    ScaledPage page(image, SheetTwips(index));
    {
        PainterSurface surface(page);
        Replay(index, surface);
    }
    page.EndPage();
    return image;
}

}  // namespace vt
