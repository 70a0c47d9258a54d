#pragma once
// Another surface with everything drawn on it stretched around the page's top left corner and
// then moved right and down: a printer's alignment, which makes the page meet the label sheet
// in that printer. Texts keep their size; only where they go is stretched.
#include "platform/surface.h"

namespace vt {

class ShiftedSurface : public Surface {
  public:
    ShiftedSurface() = default;
    // Draw on `target`, stretched by `across` and `down` (1: as drawn) and moved by whole
    // twips (negative: left or up).
    void Retarget(Surface& target, double rightTwips, double downTwips, double across = 1,
                  double down = 1);

    void SetFontName(const std::string& name) override { t().SetFontName(name); }
    std::string FontName() const override { return t().FontName(); }
    void SetFontSize(double points) override { t().SetFontSize(points); }
    double FontSize() const override { return t().FontSize(); }
    void SetFontBold(bool bold) override { t().SetFontBold(bold); }
    bool FontBold() const override { return t().FontBold(); }
    void SetFontTransparent(bool transparent) override { t().SetFontTransparent(transparent); }
    void SetDrawWidth(int deviceUnits) override { t().SetDrawWidth(deviceUnits); }
    int DrawWidth() const override { return t().DrawWidth(); }
    void SetCurrentX(double twips) override { t().SetCurrentX(X(twips)); }
    void SetCurrentY(double twips) override { t().SetCurrentY(Y(twips)); }
    double CurrentX() const override { return (t().CurrentX() - right_) / across_; }
    double CurrentY() const override { return (t().CurrentY() - down_) / downScale_; }
    double Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    double TextWidth(const std::string& text, CodePage cp = CodePage::Cp1252) override {
        return t().TextWidth(text, cp) / across_;
    }
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void SetClip(double x, double y, double width, double height) override;
    void NoClip() override { t().NoClip(); }
    void FillRect(double x, double y, double width, double height, unsigned rgb) override;
    void Cls() override { t().Cls(); }
    void EndDoc() override { t().EndDoc(); }
    void SetPaperSize(int code) override { t().SetPaperSize(code); }
    void SetOrientation(int code) override { t().SetOrientation(code); }
    void SetHeight(double twips) override { t().SetHeight(twips); }
    void SetWidth(double twips) override { t().SetWidth(twips); }
    double Height() const override { return t().Height(); }
    double Width() const override { return t().Width(); }
    double TwipsPerDeviceUnit() const override { return t().TwipsPerDeviceUnit(); }
    void FillDeviceRect(double x, double y, double width, double height) override;

  private:
    Surface& t() const { return *target_; }
    double X(double x) const { return x * across_ + right_; }
    double Y(double y) const { return y * downScale_ + down_; }

    Surface* target_ = nullptr;
    double right_ = 0, down_ = 0;
    double across_ = 1, downScale_ = 1;
};

}  // namespace vt
