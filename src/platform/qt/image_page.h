#pragma once
// The preview box: a white image drawn at 15 twips a pixel (96 pixels to the inch).
#include <QImage>
#include <optional>

#include "platform/qt/page_device.h"

namespace vt {

class ImagePage : public PageDevice {
  public:
    explicit ImagePage(QSize pixels);

    // The picture so far. Ends the painter first, so the caller gets every stroke and a copy of
    // the image never shares pixels with a painter that is still drawing.
    const QImage& Image();

    double DotsPerInch() const override { return 96.0; }
    QSizeF PageTwips() const override;
    QPainter& OpenPage(const PageSetup& setup) override;
    bool PageOpen() const override { return painter_.has_value(); }
    void EndPage() override { painter_.reset(); }
    void Clear() override;

  private:
    QImage image_;
    std::optional<QPainter> painter_;
};

}  // namespace vt
