#pragma once
// The pixels of a picture loaded by QtPictures, for the painter surface to draw.
#include <QImage>

#include "platform/picture.h"

namespace vt {

class QtPictureData : public PictureData {
  public:
    explicit QtPictureData(QImage picture) : image(std::move(picture)) {}
    int WidthPx() const override { return image.width(); }
    int HeightPx() const override { return image.height(); }

    QImage image;
};

}  // namespace vt
