#pragma once
// A loaded picture. Its pixels belong to the drawing layer that loaded it; plain code only
// passes it on to a surface.
#include <memory>
#include <string>

namespace vt {

class PictureData {
  public:
    virtual ~PictureData() = default;
    virtual int WidthPx() const = 0;
    virtual int HeightPx() const = 0;
};

struct Picture {
    std::shared_ptr<const PictureData> data;  // null: the empty picture
    std::string source;                       // host path it was loaded from, for tests and logs
    bool empty() const { return data == nullptr; }
};

class Pictures {
  public:
    virtual ~Pictures() = default;
    // Load a bitmap, GIF, JPEG or metafile (WMF) picture from a host file. The format is
    // told by the content, not the name. Throws FileError when the file cannot be read or
    // is not a picture.
    virtual Picture Load(const std::string& hostPath) = 0;
};

}  // namespace vt
