#include "platform/qt/image_page.h"

#include "platform/units.h"

namespace vt {
namespace {
constexpr int kDotsPerMeterAt96Dpi = 3780;
}  // namespace

ImagePage::ImagePage(QSize pixels) : image_(pixels, QImage::Format_RGB32) {
    image_.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    image_.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    image_.fill(Qt::white);
}

const QImage& ImagePage::Image() {
    painter_.reset();
    return image_;
}

QSizeF ImagePage::PageTwips() const {
    return QSizeF(image_.width() * kTwipsPerPixel, image_.height() * kTwipsPerPixel);
}

QPainter& ImagePage::OpenPage(const PageSetup&) {
    if (!painter_) painter_.emplace(&image_);
    return *painter_;
}

void ImagePage::Clear() {
    painter_.reset();
    image_.fill(Qt::white);
}

}  // namespace vt
