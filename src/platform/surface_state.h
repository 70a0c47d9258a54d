#pragma once
// The drawing state every surface keeps the same way: font, pen, current position and page
// size. Surfaces derive from this and add how they draw.
#include <optional>
#include <string>

#include "platform/surface.h"

namespace vt {

class SurfaceState : public Surface {
  public:
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

    void SetClip(double x, double y, double width, double height) override {
        clip_ = Rect{x, y, width, height};
    }
    void NoClip() override { clip_.reset(); }

    void SetHeight(double twips) override { height_ = twips; }
    void SetWidth(double twips) override { width_ = twips; }
    double Height() const override { return height_; }
    double Width() const override { return width_; }

    // A rectangle in twips: left, top, width, height.
    struct Rect {
        double x = 0, y = 0, width = 0, height = 0;
    };

  protected:
    // A letter page in portrait until told otherwise.
    SurfaceState(double width = 12240, double height = 15840) : width_(width), height_(height) {}

    std::string fontName_ = "Arial";
    double fontSize_ = 9;
    bool fontBold_ = false;
    bool fontTransparent_ = true;
    int drawWidth_ = 1;
    double x_ = 0, y_ = 0;
    double width_, height_;
    std::optional<Rect> clip_;  // no clip: the whole page
};

}  // namespace vt
