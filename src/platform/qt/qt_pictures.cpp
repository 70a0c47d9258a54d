#include "platform/qt/qt_pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <memory>
#include <stdexcept>

#include "platform/drives.h"
#include "platform/file_error.h"
#include "platform/qt/jpeg_check.h"
#include "platform/qt/qt_picture_data.h"
#include "platform/qt/wmf_picture.h"

namespace vt {
namespace {

// The file's bytes; a folder or a read error of the disk is an unreadable file, and a file
// longer than any real picture a damaged one.
std::string ReadAll(const std::string& path) {
    HostFileContent content = ReadHostFileUpTo(path, kMaxPictureFileBytes);
    switch (content.failure) {
        case HostFileContent::Failure::None:
            break;
        case HostFileContent::Failure::Open:
            throw FileError("cannot open picture " + path);
        case HostFileContent::Failure::Read:
            throw FileError("cannot read picture " + path);
        case HostFileContent::Failure::TooLarge:
            throw FileError("picture " + path + " is too large");
    }
    return std::move(content.bytes);
}

bool StartsWith(std::string_view data, std::string_view prefix) {
    return data.substr(0, prefix.size()) == prefix;
}

// The Qt reader format for the bitmap kinds a picture may be; nullptr for anything else.
const char* BitmapFormat(std::string_view data) {
    if (StartsWith(data, "BM")) return "bmp";
    if (StartsWith(data, "GIF87a") || StartsWith(data, "GIF89a")) return "gif";
    if (StartsWith(data, "\xFF\xD8\xFF")) return "jpeg";
    return nullptr;
}

QImage ReadBitmap(const std::string& bytes, const char* format, const std::string& path) {
    if (std::string_view(format) == "jpeg" && !JpegIsComplete(bytes)) {
        throw FileError("picture " + path + " is cut short");
    }
    QByteArray array = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&array);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // A bitmap larger than any label needs is read scaled down (a JPEG decodes small).
    const QSize size = reader.size();
    if (size.width() > kMaxPictureSidePx || size.height() > kMaxPictureSidePx) {
        reader.setScaledSize(size.scaled(kMaxPictureSidePx, kMaxPictureSidePx, Qt::KeepAspectRatio)
                                 .expandedTo({1, 1}));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw FileError("cannot read picture " + path + ": " + reader.errorString().toStdString());
    }
    // A file whose header did not tell its size comes out whole: made small afterwards.
    if (image.width() > kMaxPictureSidePx || image.height() > kMaxPictureSidePx) {
        image = image.scaled(kMaxPictureSidePx, kMaxPictureSidePx, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    }
    return image;
}

}  // namespace

Picture QtPictures::Load(const std::string& hostPath) {
    const std::string bytes = ReadAll(hostPath);
    if (bytes.empty()) throw FileError("picture " + hostPath + " is empty");
    QImage image;
    if (const char* format = BitmapFormat(bytes)) {
        image = ReadBitmap(bytes, format, hostPath);
    } else if (LooksLikeWmf(bytes)) {
        try {
            image = RenderWmf(bytes);
        } catch (const std::runtime_error& error) {
            throw FileError("cannot read picture " + hostPath + ": " + error.what());
        }
    } else {
        throw FileError("not a picture: " + hostPath);
    }
    return Picture{std::make_shared<const QtPictureData>(std::move(image)), hostPath};
}

}  // namespace vt
