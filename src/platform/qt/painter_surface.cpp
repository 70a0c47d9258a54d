#include "platform/qt/painter_surface.h"

#include <QFontMetricsF>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <utility>

#include "platform/qt/box_drawing.h"
#include "platform/qt/font_names.h"
#include "platform/qt/qt_picture_data.h"
#include "platform/qt/text_layout.h"
#include "platform/units.h"

namespace vt {
namespace {

// A laid-out line whose box-drawing characters become rules: the text between them is drawn
// where the layout puts it, each box-drawing character as strokes across its whole cell. The
// cell is one em high and stands on the foot of the descenders, so lines printed up to an em
// apart (the snack menu's 145 twips in 8-point type) join into unbroken borders, and a border
// stays clear of the letters of a line above it that it does not belong to.
void DrawWithRules(QPainter& painter, const QString& text, const QTextLine& line, double x,
                   double baseline) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double em = painter.font().pixelSize();
    const double cellTop = baseline + metrics.descent() - em;
    const double stroke = em / 12;
    // The rules of the whole line are filled as one shape: cells filled one by one would
    // leave their overlaps darker than the rest of a rule.
    QPainterPath rules;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsBoxDrawing(text[i])) continue;
        const QString run = text.mid(start, i - start);
        if (!run.trimmed().isEmpty()) {
            painter.drawText(QPointF(x + line.cursorToX(int(start)), baseline), run);
        }
        if (i < text.size()) {
            const double left = x + line.cursorToX(int(i));
            const QRectF cell(left, cellTop, x + line.cursorToX(int(i + 1)) - left, em);
            rules = rules.united(BoxDrawingPath(text[i], cell, stroke));
        }
        start = i + 1;
    }
    painter.fillPath(rules, Qt::black);
}

bool SameClip(const std::optional<SurfaceState::Rect>& a,
              const std::optional<SurfaceState::Rect>& b) {
    if (!a || !b) return !a && !b;
    return a->x == b->x && a->y == b->y && a->width == b->width && a->height == b->height;
}

}  // namespace

PainterSurface::PainterSurface(PageDevice& device)
    : SurfaceState(device.PageTwips().width(), device.PageTwips().height()), device_(device) {}

double PainterSurface::TwipsPerDeviceUnit() const {
    return kTwipsPerInch / device_.DotsPerInch();
}

QFont PainterSurface::CurrentFont() const {
    return SurfaceFont(fontName_, fontSize_, fontBold_);
}

QPainter& PainterSurface::Painter() {
    if (!device_.PageOpen()) clipPainter_ = nullptr;  // a new page's painter has no clip
    QPainter& painter = device_.OpenPage(setup_);
    const double scale = 1.0 / TwipsPerDeviceUnit();
    painter.setTransform(QTransform::fromScale(scale, scale));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    return painter;
}

void PainterSurface::ClipFor(QPainter& painter, const QRectF& bounds) {
    // The painter gets the clip only for a drawing that would cross it: a PDF writes every clip
    // it is given into the file, and a clip for every label would cost time and room for
    // nothing, as a label's drawings lie inside its cell (a too-long text is cut in Print).
    std::optional<Rect> wanted;
    if (clip_ && !QRectF(clip_->x, clip_->y, clip_->width, clip_->height).contains(bounds)) {
        wanted = clip_;
    }
    if (&painter == clipPainter_ && SameClip(painterClip_, wanted)) return;
    if (wanted) {
        painter.setClipRect(QRectF(wanted->x, wanted->y, wanted->width, wanted->height));
    } else {
        painter.setClipping(false);
    }
    clipPainter_ = &painter;
    painterClip_ = wanted;
}

double PainterSurface::Print(const std::string& text, CodePage cp) {
    QPainter& painter = Painter();
    painter.setFont(CurrentFont());
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QString line = QString::fromStdString(ToUtf8(text, cp));
    if (line.trimmed().isEmpty()) {
        // Blanks leave no ink (and an opaque text blanks only under its letters): nothing to
        // draw, only the position moves on. Labels carry many empty lines of 29 blanks.
        x_ = 0;
        y_ += metrics.height();
        return 0;
    }
    // The text is shaped once for its width and for drawing; again only when it is cut.
    QString shown = line;
    std::unique_ptr<QTextLayout> layout = LaidOut(shown, painter.font(), painter.device());
    QTextLine textLine = layout->lineAt(0);
    const double width = InkedWidth(line, textLine);
    if (clip_ && x_ + width > clip_->x + clip_->width) {
        // Text that runs past the clip (a label's own cell) is cut before the first character
        // that would cross it: not a part of it is on the page, in a PDF's text neither.
        int keep = int(line.size());
        while (keep > 0 && x_ + textLine.cursorToX(keep) > clip_->x + clip_->width) --keep;
        shown = line.left(keep);
        layout = LaidOut(shown, painter.font(), painter.device());
        textLine = layout->lineAt(0);
    }
    ClipFor(painter, QRectF(x_, y_, textLine.naturalTextWidth(), metrics.height()));
    // (CurrentX, CurrentY) is the top left of the text cell.
    const double baseline = y_ + metrics.ascent();
    if (!fontTransparent_) {
        // An opaque text blanks what lies under its letters (frame lines, bars), from the top
        // of the capitals to the foot of the descenders. Only the letters' own box is blanked,
        // not the whole cell: label lines stand closer than a cell is high, and a full cell
        // would wipe the descenders of the line above.
        painter.fillRect(QRectF(x_, baseline - metrics.capHeight(), textLine.naturalTextWidth(),
                                metrics.capHeight() + metrics.descent()),
                         Qt::white);
    }
    if (HasBoxDrawing(shown)) {
        DrawWithRules(painter, shown, textLine, x_, baseline);
    } else {
        layout->draw(&painter, QPointF(x_, baseline - textLine.ascent()));
    }
    x_ = 0;
    y_ += metrics.height();
    return width;
}

double PainterSurface::TextWidth(const std::string& text, CodePage cp) {
    return InkedWidth(text, cp, CurrentFont(), Painter().device());
}

void PainterSurface::Line(double x1, double y1, double x2, double y2, bool box) {
    QPainter& painter = Painter();
    // DrawWidth counts device units (pixels, dots); the pen is in the painter's twips.
    QPen pen(Qt::black, std::max(1, drawWidth_) * TwipsPerDeviceUnit(), Qt::SolidLine,
             Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    ClipFor(painter, QRectF(QPointF(x1, y1), QPointF(x2, y2))
                         .normalized()
                         .adjusted(-pen.widthF(), -pen.widthF(), pen.widthF(), pen.widthF()));
    if (box) {
        painter.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    } else {
        painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
}

void PainterSurface::PaintPicture(const Picture& picture, double x, double y, double width,
                                  double height) {
    if (picture.empty()) return;
    const auto* data = dynamic_cast<const QtPictureData*>(picture.data.get());
    if (!data) throw std::invalid_argument("picture was not loaded for drawing: " + picture.source);
    QPainter& painter = Painter();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    ClipFor(painter, QRectF(x, y, width, height));
    painter.drawImage(QRectF(x, y, width, height), data->image);
}

void PainterSurface::FillRect(double x, double y, double width, double height, unsigned rgb) {
    QPainter& painter = Painter();
    ClipFor(painter, QRectF(x, y, width, height));
    painter.fillRect(QRectF(x, y, width, height), QColor(QRgb(rgb)));
}

void PainterSurface::Cls() {
    device_.Clear();
    x_ = 0;
    y_ = 0;
}

void PainterSurface::EndDoc() {
    if (device_.PageOpen()) device_.EndPage();
    x_ = 0;
    y_ = 0;
}

void PainterSurface::SetOrientation(int code) {
    if (code != 1 && code != 2) return;
    setup_.orientation = code;
    // Turning the paper swaps the page's width and height, as on the printer object.
    if ((code == 2) != (width_ > height_)) std::swap(width_, height_);
}

void PainterSurface::FillDeviceRect(double x, double y, double width, double height) {
    QPainter& painter = Painter();
    const double t = TwipsPerDeviceUnit();
    ClipFor(painter, QRectF(x * t, y * t, width * t, height * t));
    painter.fillRect(QRectF(x * t, y * t, width * t, height * t), Qt::black);
}

}  // namespace vt
