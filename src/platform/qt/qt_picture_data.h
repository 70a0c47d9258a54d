#pragma once
// The pixels of a picture loaded by QtPictures, for the painter surface to draw.
#include <QImage>

#include "platform/picture.h"

namespace vt {

// A picture's pixels are at most this many a side: a label shows it about an inch wide, and a
// camera photo or a damaged header would otherwise hold tens of megabytes per resident.
inline constexpr int kMaxPictureSidePx = 2000;

class QtPictureData : public PictureData {
  public:
    explicit QtPictureData(QImage picture) : image(std::move(picture)) {}
    int WidthPx() const override { return image.width(); }
    int HeightPx() const override { return image.height(); }

    QImage image;
};

}  // namespace vt
