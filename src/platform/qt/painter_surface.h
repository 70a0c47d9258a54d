#pragma once
// The drawing surface over a QPainter, in twips: the painter's transform maps twips to the
// device's pixels or dots, so the same label drawing lands at the same place on the preview
// image, on a printer and in a PDF.
#include <QFont>
#include <string>

#include "platform/qt/page_device.h"
#include "platform/surface_state.h"

namespace vt {

class PainterSurface : public SurfaceState {
  public:
    // The device must outlive the surface.
    explicit PainterSurface(PageDevice& device);

    double Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    double TextWidth(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void FillRect(double x, double y, double width, double height, unsigned rgb) override;
    void Cls() override;
    void EndDoc() override;

    void SetPaperSize(int code) override { setup_.paperSize = code; }
    void SetOrientation(int code) override;

    double TwipsPerDeviceUnit() const override;
    void FillDeviceRect(double x, double y, double width, double height) override;

    // The font that text is drawn in: the installed family for the font name, sized in twips.
    QFont CurrentFont() const;

  private:
    // The painter of the open page, set to draw in twips.
    QPainter& Painter();
    // Give the painter the clip when a drawing within `bounds` would cross it, else none.
    void ClipFor(QPainter& painter, const QRectF& bounds);

    PageDevice& device_;
    PageSetup setup_;
    // The clip the painter of the open page was given, so that it is set only when it changes.
    const QPainter* clipPainter_ = nullptr;
    std::optional<Rect> painterClip_;
};

}  // namespace vt
