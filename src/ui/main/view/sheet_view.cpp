#include "ui/main/view/sheet_view.h"

#include <QGraphicsItem>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionGraphicsItem>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <list>
#include <optional>
#include <unordered_map>

#include "platform/units.h"

namespace vt {
namespace {

constexpr double kGap = 24;  // between pages and around them, in scene pixels
constexpr double kShadow = 4;
// Pages are never drawn finer than the printers print them (300 dpi).
constexpr double kFinestScale = 300.0 / 96.0;
// The page images kept: about 24 screen-sized pages, or three at the printers' resolution.
constexpr qint64 kKeptPixels = 24'000'000;
constexpr double kLeastZoom = 0.05;
constexpr double kMostZoom = 8;
constexpr double kZoomStep = 1.25;
const QColor kMarkColour(0xd0, 0x40, 0x00);
// A press and release closer than this (pixels) is a click, not a drag.
constexpr int kClickSlack = 4;

}  // namespace

// The last page images drawn, the least recently shown dropped first.
struct SheetView::Images {
    std::list<int> order;  // most recently shown first
    std::unordered_map<int, QImage> kept;
    qint64 pixels = 0;

    const QImage& Get(const SheetRecording& sheets, int index, QSize size) {
        auto found = kept.find(index);
        if (found != kept.end() && found->second.size() == size) {
            order.remove(index);
            order.push_front(index);
            return found->second;
        }
        if (found != kept.end()) Drop(index);
        QImage image = sheets.Render(index, size);
        pixels += qint64(size.width()) * size.height();
        order.push_front(index);
        while (pixels > kKeptPixels && order.size() > 1) Drop(order.back());
        return kept[index] = std::move(image);
    }

    void Drop(int index) {
        const auto found = kept.find(index);
        if (found == kept.end()) return;
        pixels -= qint64(found->second.width()) * found->second.height();
        kept.erase(found);
        order.remove(index);
    }
};

// One sheet, drawn from the recording at the resolution the view shows it at.
class SheetPageItem : public QGraphicsItem {
  public:
    SheetPageItem(const SheetRecording& sheets, int index, SheetView::Images& images)
        : sheets_(sheets),
          index_(index),
          images_(images),
          size_(sheets.SheetTwips(index) / kTwipsPerPixel) {}

    QSizeF Size() const { return size_; }
    QRectF boundingRect() const override {
        return QRectF(QPointF(0, 0), size_ + QSizeF(kShadow, kShadow));
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const QRectF page(QPointF(0, 0), size_);
        painter->fillRect(page.translated(kShadow, kShadow), QColor(0, 0, 0, 70));
        const double shown =
            QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform()) *
            painter->device()->devicePixelRatioF();
        const double scale = std::min(shown, kFinestScale);
        const QSize pixels(std::max(1, int(std::lround(size_.width() * scale))),
                           std::max(1, int(std::lround(size_.height() * scale))));
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(page, images_.Get(sheets_, index_, pixels));
        painter->setPen(QPen(Qt::darkGray, 0));
        painter->drawRect(page);
        if (marked_) {
            painter->setPen(QPen(kMarkColour, 3));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(
                QRectF(marked_->topLeft() / kTwipsPerPixel, marked_->size() / kTwipsPerPixel));
        }
    }
    int Index() const { return index_; }
    void SetMarked(std::optional<QRectF> twips) {
        marked_ = twips;
        update();
    }

  private:
    const SheetRecording& sheets_;
    int index_;
    SheetView::Images& images_;
    QSizeF size_;
    std::optional<QRectF> marked_;
};

SheetView::SheetView(const SheetRecording& sheets, QWidget* parent)
    : QGraphicsView(parent), sheets_(sheets), images_(std::make_unique<Images>()) {
    setScene(new QGraphicsScene(this));
    setBackgroundBrush(palette().brush(QPalette::Dark));
    setAlignment(Qt::AlignCenter);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
}

SheetView::~SheetView() = default;

void SheetView::TakeNewSheets() {
    const bool first = pages_.empty();
    const std::size_t placed = pages_.size();
    while (Pages() < sheets_.Sheets()) {
        auto* item = new SheetPageItem(sheets_, Pages(), *images_);
        scene()->addItem(item);
        pages_.push_back(item);
    }
    Layout(placed);
    if (first && !pages_.empty()) {
        ApplyFit();
        GoTo(1);
    }
    Changed();
}

void SheetView::Layout(std::size_t from) {
    if (pages_.empty()) return;
    const QSizeF size = pages_.front()->Size();
    for (std::size_t i = from; i < pages_.size(); ++i) {
        const std::size_t row = facing_ ? i / 2 : i;
        const std::size_t column = facing_ ? i % 2 : 0;
        pages_[i]->setPos(double(column) * (size.width() + kGap),
                          double(row) * (size.height() + kGap));
    }
    const std::size_t rows = facing_ ? (pages_.size() + 1) / 2 : pages_.size();
    const double width = (facing_ ? 2 : 1) * size.width() + (facing_ ? kGap : 0);
    const double height = double(rows) * (size.height() + kGap) - kGap;
    setSceneRect(QRectF(-kGap, -kGap, width + 2 * kGap, height + 2 * kGap));
}

int SheetView::CurrentPage() const {
    if (pages_.empty()) return 0;
    const QSizeF size = pages_.front()->Size();
    const QPointF centre = mapToScene(viewport()->rect().center());
    const int row = int(std::floor((centre.y() + kGap / 2) / (size.height() + kGap)));
    const int column = facing_ && centre.x() > size.width() + kGap / 2 ? 1 : 0;
    const int page = (facing_ ? row * 2 + column : row) + 1;
    return std::clamp(page, 1, Pages());
}

void SheetView::GoTo(int page) {
    if (pages_.empty()) return;
    const QRectF rect(pages_[std::size_t(std::clamp(page, 1, Pages()) - 1)]->pos(),
                      pages_.front()->Size());
    const double visibleHeight = viewport()->height() / zoom_;
    const double x = facing_ ? sceneRect().center().x() : rect.center().x();
    if (rect.height() <= visibleHeight) {
        centerOn(x, rect.center().y());
    } else {
        centerOn(x, rect.top() - kGap / 2 + visibleHeight / 2);
    }
    Changed();
}

int SheetView::PageAfter(int rows) const {
    const int page = CurrentPage();
    return facing_ ? (page - 1) / 2 * 2 + 1 + 2 * rows : page + rows;
}

void SheetView::SetFacing(bool facing) {
    if (facing == facing_) return;
    const int page = CurrentPage();
    facing_ = facing;
    Layout();
    ApplyFit();
    GoTo(page);
}

void SheetView::SetFit(Fit fit) {
    const int page = CurrentPage();
    fit_ = fit;
    ApplyFit();
    GoTo(page);
}

void SheetView::SetZoom(double zoom) {
    const int page = CurrentPage();
    fit_ = Fit::None;
    zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
    ApplyFit();
    GoTo(page);
}

void SheetView::ZoomBy(int steps) {
    SetZoom(zoom_ * std::pow(kZoomStep, steps));
}

void SheetView::ApplyFit() {
    if (fit_ != Fit::None && !pages_.empty()) {
        const QSizeF size = pages_.front()->Size();
        const double width = (facing_ ? 2 : 1) * size.width() + (facing_ ? 3 : 2) * kGap;
        const double byWidth = viewport()->width() / width;
        const double byHeight = viewport()->height() / (size.height() + 2 * kGap);
        zoom_ = std::clamp(fit_ == Fit::Width ? byWidth : std::min(byWidth, byHeight), kLeastZoom,
                           kMostZoom);
    }
    setTransform(QTransform::fromScale(zoom_, zoom_));
}

void SheetView::Changed() {
    if (changed_) changed_();
}

void SheetView::resizeEvent(QResizeEvent* event) {
    const int page = CurrentPage();
    QGraphicsView::resizeEvent(event);
    if (fit_ != Fit::None) {
        ApplyFit();
        GoTo(page);
    }
}

void SheetView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) ZoomBy(steps);
    event->accept();
}

void SheetView::Mark(int page, const QRectF& twips) {
    for (SheetPageItem* item : pages_) {
        const bool marked = item->Index() + 1 == page;
        item->SetMarked(marked ? std::optional<QRectF>(twips) : std::nullopt);
        if (marked) {
            ensureVisible(item->mapRectToScene(
                QRectF(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel)));
            Changed();
        }
    }
}

void SheetView::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = event->position().toPoint();
    QGraphicsView::mousePressEvent(event);
}

void SheetView::mouseReleaseEvent(QMouseEvent* event) {
    QGraphicsView::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !picked_ ||
        (at - pressedAt_).manhattanLength() > kClickSlack) {
        return;
    }
    for (QGraphicsItem* item : items(at)) {
        for (SheetPageItem* page : pages_) {
            if (page != item) continue;
            const QPointF pixels = page->mapFromScene(mapToScene(at));
            if (!QRectF(QPointF(0, 0), page->Size()).contains(pixels)) return;
            picked_(page->Index() + 1, pixels * kTwipsPerPixel);
            return;
        }
    }
}

void SheetView::scrollContentsBy(int dx, int dy) {
    QGraphicsView::scrollContentsBy(dx, dy);
    Changed();
}

}  // namespace vt
