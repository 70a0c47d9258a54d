#pragma once
// Recorded sheets shown as pages, one below the other or two side by side, with zoom, fit to
// the width or the whole page, and page navigation. A page is drawn only when it comes into
// view, at the resolution it is shown at; the pages drawn last are kept as images.
#include <QGraphicsView>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/sheet_recording.h"

namespace vt {

class SheetPageItem;

class SheetView : public QGraphicsView {
  public:
    enum class Fit { None, Width, Page };

    SheetView(const SheetRecording& sheets, QWidget* parent = nullptr);
    ~SheetView() override;

    // The recording has more sheets than the view has pages: add them.
    void TakeNewSheets();
    int Pages() const { return static_cast<int>(pages_.size()); }
    // The page at the middle of the view, from 1; 0 while there is none.
    int CurrentPage() const;
    void GoTo(int page);
    // The page `rows` rows on (back when negative): with two pages side by side, a row is two.
    int PageAfter(int rows) const;

    void SetFacing(bool facing);
    bool Facing() const { return facing_; }
    void SetFit(Fit fit);
    Fit CurrentFit() const { return fit_; }
    // 1 shows a page at its size on paper (on a 96 dpi screen); setting a zoom ends fitting.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    // A step of 25% in or (negative) out per step.
    void ZoomBy(int steps);

    // Runs after the current page, the page count or the zoom changed.
    void SetChanged(std::function<void()> changed) { changed_ = std::move(changed); }
    // Runs when a page is clicked (not dragged): the page (from 1) and the spot, in twips.
    void SetPicked(std::function<void(int, QPointF)> picked) { picked_ = std::move(picked); }
    // Outline `twips` of page `page` (from 1) in colour and bring it into view; page 0 outlines
    // nothing.
    void Mark(int page, const QRectF& twips);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Ctrl and the wheel zoom.
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Place the pages from `from` on (all of them after a change of the layout).
    void Layout(std::size_t from = 0);
    void ApplyFit();
    void Changed();

    const SheetRecording& sheets_;
    std::vector<SheetPageItem*> pages_;
    bool facing_ = false;
    Fit fit_ = Fit::Page;
    double zoom_ = 1;
    std::function<void()> changed_;
    std::function<void(int, QPointF)> picked_;
    QPoint pressedAt_;
    friend class SheetPageItem;
    struct Images;
    std::unique_ptr<Images> images_;
};

}  // namespace vt
