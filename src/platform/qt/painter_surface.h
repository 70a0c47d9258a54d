#pragma once
// The drawing surface over a QPainter, in twips: the painter's transform maps twips to the
// device's pixels or dots, so the same label drawing lands at the same place on the preview
// image, on a printer and in a PDF.
#include <QFont>
#include <string>

#include "platform/qt/page_device.h"
#include "platform/surface.h"

namespace vt {

class PainterSurface : public Surface {
  public:
    // The device must outlive the surface.
    explicit PainterSurface(PageDevice& device);

    void SetFontName(const std::string& name) override { fontName_ = name; }
    std::string FontName() const override { return fontName_; }
    void SetFontSize(double points) override { fontSize_ = points; }
    double FontSize() const override { return fontSize_; }
    void SetFontBold(bool bold) override { fontBold_ = bold; }
    bool FontBold() const override { return fontBold_; }
    void SetFontTransparent(bool transparent) override { fontTransparent_ = transparent; }
    void SetDrawWidth(int deviceUnits) override { drawWidth_ = deviceUnits; }
    int DrawWidth() const override { return drawWidth_; }

    void SetCurrentX(double twips) override { x_ = twips; }
    void SetCurrentY(double twips) override { y_ = twips; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }

    void Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void Cls() override;
    void EndDoc() override;

    void SetPaperSize(int code) override { setup_.paperSize = code; }
    void SetOrientation(int code) override;
    void SetHeight(double twips) override { height_ = twips; }
    void SetWidth(double twips) override { width_ = twips; }
    double Height() const override { return height_; }
    double Width() const override { return width_; }

    double TwipsPerDeviceUnit() const override;
    void FillDeviceRect(double x, double y, double width, double height) override;

    // The font that text is drawn in: the installed family for the font name, sized in twips.
    QFont CurrentFont() const;

  private:
    // The painter of the open page, set to draw in twips.
    QPainter& Painter();

    PageDevice& device_;
    PageSetup setup_;
    std::string fontName_ = "Arial";
    double fontSize_ = 9;
    bool fontBold_ = false;
    bool fontTransparent_ = true;
    int drawWidth_ = 1;
    double x_ = 0, y_ = 0;
    double width_, height_;
};

}  // namespace vt
