#include "platform/qt/wmf_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <queue>
#include <stdexcept>
#include <vector>

#include "platform/qt/qt_picture_data.h"

namespace vt {
namespace {

constexpr std::uint32_t kPlaceableMagic = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr std::size_t kHeaderSize = 18;
constexpr double kPixelsPerInch = 300;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
// The painting a picture may take: its whole image this many times over, or a few million
// pixels for a small image. A photo or a drawing needs a few; a damaged or hostile file of
// endless shapes over the whole image would hold the print run for minutes.
constexpr double kMostPaintedImages = 64;
constexpr double kLeastPaintingBudget = 4e6;

// Little-endian fields of one stretch of the file; reading past its end throws.
class Fields {
  public:
    explicit Fields(std::string_view bytes) : bytes_(bytes) {}
    std::uint16_t U16() {
        Need(2);
        const auto v = std::uint16_t(Byte(pos_) | (Byte(pos_ + 1) << 8));
        pos_ += 2;
        return v;
    }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | (std::uint32_t(U16()) << 16);
    }
    QPointF Point() {  // x then y
        const double x = I16();
        return QPointF(x, I16());
    }
    std::string_view Rest() const { return bytes_.substr(pos_); }
    void Skip(std::size_t n) {
        Need(n);
        pos_ += n;
    }

  private:
    unsigned Byte(std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
    void Need(std::size_t n) const {
        if (pos_ + n > bytes_.size()) throw std::runtime_error("metafile record is cut short");
    }
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

QColor ColorRef(std::uint32_t ref) {
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

struct Record {
    std::uint16_t function;
    std::string_view params;
};

// The records between the header and the end record.
std::vector<Record> SplitRecords(std::string_view body) {
    std::vector<Record> records;
    std::size_t pos = 0;
    while (pos + 6 <= body.size()) {
        Fields head(body.substr(pos, 6));
        const std::uint64_t bytes = std::uint64_t(head.U32()) * 2;
        const std::uint16_t function = head.U16();
        if (function == 0) break;
        if (bytes < 6 || bytes > body.size() - pos) {
            throw std::runtime_error("metafile record is cut short");
        }
        records.push_back({function, body.substr(pos + 6, std::size_t(bytes) - 6)});
        pos += std::size_t(bytes);
    }
    return records;
}

struct Frame {
    QRectF window;  // logical units
    QSize pixels;
};

struct DrawObject {
    enum class Kind { Free, Pen, Brush, Other } kind = Kind::Free;
    QPen pen;
    QBrush brush;
};

// The metafile's object table. A new object takes the lowest free index, as the records that
// select and delete objects by index expect; the freed indexes are kept in a heap, so that a
// file of many thousands of objects costs no more than a scan of its records.
class ObjectTable {
  public:
    void Create(const DrawObject& object) {
        if (freed_.empty()) {
            objects_.push_back(object);
            return;
        }
        objects_[freed_.top()] = object;
        freed_.pop();
    }
    // An index that holds no object is left alone.
    void Delete(std::size_t index) {
        if (index >= objects_.size() || objects_[index].kind == DrawObject::Kind::Free) return;
        objects_[index] = DrawObject{};
        freed_.push(index);
    }
    // The object at the index; a free one when the index holds none.
    const DrawObject& At(std::size_t index) const {
        static const DrawObject none;
        return index < objects_.size() ? objects_[index] : none;
    }

  private:
    std::vector<DrawObject> objects_;
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> freed_;
};

QImage DibImage(std::string_view dib) {
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(dib.data()), qsizetype(dib.size()), "DIB");
    return image;
}

class Player {
  public:
    Player(QImage& image, const Frame& frame)
        : painter_(&image),
          pixels_(frame.pixels),
          budget_(std::max(kLeastPaintingBudget,
                           kMostPaintedImages * pixels_.width() * pixels_.height())) {
        SetWindow(frame.window);
        painter_.setPen(QPen(Qt::black, 0));
        painter_.setBrush(Qt::white);
    }

    void Play(const Record& record) {
        Fields f(record.params);
        switch (record.function) {
            case 0x020B: {  // SetWindowOrg(y, x)
                const double y = f.I16();
                SetWindow(QRectF(QPointF(f.I16(), y), window_.size()));
                break;
            }
            case 0x020C: {  // SetWindowExt(y, x)
                const double y = f.I16();
                SetWindow(QRectF(window_.topLeft(), QSizeF(f.I16(), y)));
                break;
            }
            case 0x001E:
                painter_.save();
                ++saved_;
                break;
            case 0x0127:  // RestoreDC: only the last saved state is restored
                if (saved_ > 0) {
                    painter_.restore();
                    --saved_;
                }
                break;
            case 0x02FA:
                objects_.Create(PenObject(f));
                break;
            case 0x02FC:
                objects_.Create(BrushObject(f));
                break;
            case 0x02FB:
            case 0x00F7:
            case 0x06FF:
            case 0x01F9:
            case 0x0142:
                objects_.Create(DrawObject{DrawObject::Kind::Other, {}, {}});
                break;
            case 0x012D:
                Select(f.U16());
                break;
            case 0x01F0:
                objects_.Delete(f.U16());
                break;
            case 0x0106:
                fillRule_ = f.U16() == 2 ? Qt::WindingFill : Qt::OddEvenFill;
                break;
            case 0x0214: {  // MoveTo(y, x)
                const double y = f.I16();
                position_ = QPointF(f.I16(), y);
                break;
            }
            case 0x0213: {  // LineTo(y, x)
                const double y = f.I16();
                const QPointF to(f.I16(), y);
                SpendOnLines(QPolygonF({position_, to}));
                painter_.drawLine(position_, to);
                position_ = to;
                break;
            }
            case 0x041B: {
                const QRectF box = Box(f);
                SpendOnArea(box);
                painter_.drawRect(box);
                break;
            }
            case 0x0418: {
                const QRectF box = Box(f);
                SpendOnArea(box);
                painter_.drawEllipse(box);
                break;
            }
            case 0x061C: {
                const double h = f.I16();
                const double w = f.I16();
                const QRectF box = Box(f);
                SpendOnArea(box);
                painter_.drawRoundedRect(box, w / 2, h / 2);
                break;
            }
            case 0x0324: {
                const QPolygonF polygon = Points(f, f.I16());
                SpendOnArea(polygon.boundingRect(), polygon.size());
                painter_.drawPolygon(polygon, fillRule_);
                break;
            }
            case 0x0325: {
                const QPolygonF polyline = Points(f, f.I16());
                SpendOnLines(polyline);
                painter_.drawPolyline(polyline);
                break;
            }
            case 0x0538:
                PolyPolygon(f);
                break;
            case 0x0F43:
            case 0x0B41:
            case 0x0940:
                Bitmap(record.function, f);
                break;
            default:
                break;
        }
    }

  private:
    void SetWindow(const QRectF& window) {
        window_ = window;
        if (window.width() == 0 || window.height() == 0) return;
        const double sx = pixels_.width() / window.width();
        const double sy = pixels_.height() / window.height();
        painter_.setTransform(QTransform(sx, 0, 0, sy, -window.x() * sx, -window.y() * sy));
    }

    static DrawObject PenObject(Fields& f) {
        const std::uint16_t style = f.U16();
        const double width = f.I16();
        f.Skip(2);
        const QColor color = ColorRef(f.U32());
        DrawObject object{DrawObject::Kind::Pen, {}, {}};
        // PS_NULL draws nothing; a width of 0 is the thinnest line the device has.
        object.pen = (style & 0x0F) == 5 ? QPen(Qt::NoPen) : QPen(color, std::abs(width));
        return object;
    }

    static DrawObject BrushObject(Fields& f) {
        const std::uint16_t style = f.U16();
        const QColor color = ColorRef(f.U32());
        DrawObject object{DrawObject::Kind::Brush, {}, {}};
        if (style == 0) object.brush = QBrush(color);
        if (style == 2) object.brush = QBrush(color, Qt::DiagCrossPattern);
        return object;  // BS_NULL and the pattern brushes fill nothing
    }

    void Select(std::uint16_t index) {
        const DrawObject& object = objects_.At(index);
        if (object.kind == DrawObject::Kind::Pen) painter_.setPen(object.pen);
        if (object.kind == DrawObject::Kind::Brush) painter_.setBrush(object.brush);
    }

    static QRectF Box(Fields& f) {  // bottom, right, top, left
        const double bottom = f.I16();
        const double right = f.I16();
        const double top = f.I16();
        const double left = f.I16();
        return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    }

    static QPolygonF Points(Fields& f, int count) {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i) polygon << f.Point();
        return polygon;
    }

    void PolyPolygon(Fields& f) {
        const int polygons = f.U16();
        std::vector<int> counts;
        counts.reserve(static_cast<std::size_t>(polygons));
        for (int i = 0; i < polygons; ++i) counts.push_back(f.U16());
        QPainterPath path;
        path.setFillRule(fillRule_);
        for (int count : counts) path.addPolygon(Points(f, count));
        SpendOnArea(path.boundingRect(), path.elementCount());
        painter_.drawPath(path);
    }

    // The DIB records: raster operation, source rectangle (StretchDIB also a colour usage
    // word), destination rectangle, then the device-independent bitmap.
    void Bitmap(std::uint16_t function, Fields& f) {
        const std::uint32_t rop = f.U32();
        if (function == 0x0F43) f.Skip(2);
        double sh = 0, sw = 0;
        if (function != 0x0940) {
            sh = f.I16();
            sw = f.I16();
        }
        const double sy = f.I16();
        const double sx = f.I16();
        const double dh = f.I16();
        const double dw = f.I16();
        const double dy = f.I16();
        const double dx = f.I16();
        if (rop != kSrcCopy) return;
        const QImage image = DibImage(f.Rest());
        if (image.isNull()) return;
        if (function == 0x0940) {
            sh = dh;
            sw = dw;
        }
        // DIB rows count from the bottom, QImage rows from the top.
        const QRectF source(sx, image.height() - sy - sh, sw, sh);
        const QRectF target(dx, dy, dw, dh);
        SpendOnArea(target.normalized(), double(image.width()) * image.height());
        painter_.drawImage(target, image, source);
    }

    // Painting a shape costs the pixels of the image it covers (its outline included); a line
    // its length times the pen's width. Past the budget the picture is refused.
    void SpendOnArea(const QRectF& bounds, double points = 0) {
        const QRectF covered = painter_.transform()
                                   .mapRect(bounds)
                                   .adjusted(-1, -1, 1, 1)
                                   .intersected(QRectF(QPointF(0, 0), QSizeF(pixels_)));
        Spend(covered.width() * covered.height() + points);
    }
    void SpendOnLines(const QPolygonF& points) {
        const QTransform& t = painter_.transform();
        const double scale = std::max(std::abs(t.m11()), std::abs(t.m22()));
        const double width = std::max(1.0, painter_.pen().widthF() * scale);
        double length = 0;
        for (qsizetype i = 1; i < points.size(); ++i) {
            const QPointF step = t.map(points[i]) - t.map(points[i - 1]);
            length += std::min(std::abs(step.x()) + std::abs(step.y()),
                               double(pixels_.width() + pixels_.height()));
        }
        Spend((length + 1) * width + double(points.size()));
    }
    void Spend(double cost) {
        budget_ -= cost;
        if (!(budget_ >= 0)) throw std::runtime_error("metafile draws too much to be a picture");
    }

    QPainter painter_;
    QSize pixels_;
    QRectF window_;
    QPointF position_;
    Qt::FillRule fillRule_ = Qt::OddEvenFill;
    ObjectTable objects_;
    int saved_ = 0;
    double budget_;
};

std::optional<QRectF> FirstWindow(const std::vector<Record>& records) {
    std::optional<QPointF> origin;
    std::optional<QSizeF> extent;
    for (const Record& record : records) {
        Fields f(record.params);
        if (record.function == 0x020B && !origin) {
            const double y = f.I16();
            origin = QPointF(f.I16(), y);
        } else if (record.function == 0x020C && !extent) {
            const double y = f.I16();
            extent = QSizeF(f.I16(), y);
        }
    }
    if (!extent || extent->width() == 0 || extent->height() == 0) return std::nullopt;
    return QRectF(origin.value_or(QPointF()), *extent);
}

QSize Fit(double width, double height) {
    const double scale = std::min(1.0, kMaxPictureSidePx / std::max(width, height));
    return QSize(std::max(1, int(std::lround(width * scale))),
                 std::max(1, int(std::lround(height * scale))));
}

}  // namespace

bool LooksLikeWmf(std::string_view data) {
    if (data.size() < kHeaderSize) return false;
    Fields f(data);
    if (f.U32() == kPlaceableMagic) return true;
    Fields header(data);
    const std::uint16_t type = header.U16();
    const std::uint16_t words = header.U16();
    const std::uint16_t version = header.U16();
    return (type == 1 || type == 2) && words == 9 && (version == 0x0100 || version == 0x0300);
}

QImage RenderWmf(std::string_view data) {
    if (!LooksLikeWmf(data)) throw std::runtime_error("not a metafile");
    std::optional<QRectF> bounds;
    double unitsPerInch = 0;
    std::size_t start = 0;
    if (Fields magic(data); magic.U32() == kPlaceableMagic) {
        Fields f(data.substr(4));
        f.Skip(2);  // handle
        const double left = f.I16();
        const double top = f.I16();
        const double right = f.I16();
        const double bottom = f.I16();
        unitsPerInch = f.U16();
        bounds = QRectF(QPointF(left, top), QPointF(right, bottom));
        start = kPlaceableHeaderSize;
        if (data.size() < start + kHeaderSize) throw std::runtime_error("metafile is cut short");
        if (!LooksLikeWmf(data.substr(start))) throw std::runtime_error("bad metafile header");
    }
    const std::vector<Record> records = SplitRecords(data.substr(start + kHeaderSize));
    const std::optional<QRectF> window = FirstWindow(records);
    Frame frame;
    if (bounds && bounds->width() != 0 && bounds->height() != 0) {
        frame.window = window.value_or(*bounds);
        const double perInch = unitsPerInch > 0 ? kPixelsPerInch / unitsPerInch : 1.0;
        frame.pixels =
            Fit(std::abs(bounds->width()) * perInch, std::abs(bounds->height()) * perInch);
    } else if (window) {
        frame.window = *window;
        frame.pixels = Fit(std::abs(window->width()), std::abs(window->height()));
    } else {
        throw std::runtime_error("metafile has no size");
    }
    QImage image(frame.pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    Player player(image, frame);
    for (const Record& record : records) player.Play(record);
    return image;
}

}  // namespace vt
