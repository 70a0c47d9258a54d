#pragma once
// Pictures from host files: bitmaps, GIF and JPEG through Qt's image readers, metafiles
// through our own player. The format is told by the first bytes, never by the name. A file
// longer than kMaxPictureFileBytes is refused unread, as damaged.
#include "platform/picture.h"

namespace vt {

class QtPictures : public Pictures {
  public:
    Picture Load(const std::string& hostPath) override;
};

}  // namespace vt
